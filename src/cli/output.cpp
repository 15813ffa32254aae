#include "cli/output.hpp"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "report/convert.hpp"
#include "report/report.hpp"

namespace tarn::cli {

namespace {

// Short pieces (headings, end marks, the reports of a few messages) are gathered into
// writes of up to this size; a longer piece goes out at once, after what was gathered, so
// that the buffer stays a few pages: each page a process touches first costs its fault.
constexpr std::size_t kScreenBuffer = std::size_t{1} << 16;
constexpr std::size_t kGathered = std::size_t{1} << 12;

}  // namespace

Screen& Screen::out() {
    static Screen screen;
    return screen;
}

void Screen::write(std::string_view bytes) {
    if (state_ != State::Open) return;
    if (bytes.size() < kGathered && buffer_.size() + bytes.size() < kScreenBuffer) {
        buffer_ += bytes;
        return;
    }
    if (flush()) put(bytes);  // a long report goes out without a copy
}

bool Screen::flush() {
    put(buffer_);
    buffer_.clear();
    return state_ == State::Open;
}

void Screen::put(std::string_view bytes) {
    while (state_ == State::Open && !bytes.empty()) {
        const ssize_t put = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (put > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(put));
        } else if (put < 0 && errno == EINTR) {
            continue;  // a stop signal: the report under way is still written whole
        } else if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{STDOUT_FILENO, POLLOUT, 0};
            ::poll(&p, 1, -1);
        } else {
            errno_ = put < 0 ? errno : EIO;
            state_ = errno_ == EPIPE ? State::Closed : State::Failed;
        }
    }
}

void Screen::closed_at_start() {
    state_ = State::Failed;
    errno_ = EBADF;
}

std::string Screen::error() const {
    return std::string("cannot write to standard output: ") + std::strerror(errno_);
}

bool Screen::reader_gone() const {
    if (state_ == State::Closed) return true;
    struct stat st {};
    if (::fstat(STDOUT_FILENO, &st) != 0 || !(S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))) return false;
    // The write end of a pipe polls POLLERR once no reader is left; a socket POLLHUP.
    pollfd p{STDOUT_FILENO, 0, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLERR | POLLHUP)) != 0;
}

std::string Outputs::open() {
    if (options_.out_path.empty()) return {};
    return file_.open(options_.out_path, options_.keep);
}

void Outputs::screen(std::string_view utf8) {
    if (!options_.screen) return;
    if (options_.encoding == Encoding::Utf8) {
        Screen::out().write(utf8);
    } else {
        Screen::out().write(encode(utf8, options_.encoding));
    }
}

void Outputs::file(std::string_view utf8) {
    if (!file_.is_open()) return;
    if (options_.encoding == Encoding::Utf8) {
        file_.write(utf8);
    } else {
        file_.write(encode(utf8, options_.encoding));
    }
}

bool Outputs::screen_failed() const {
    return options_.screen && Screen::out().state() != Screen::State::Open;
}

void StreamedReport::both(std::string_view text) {
    outputs_.screen(text);
    outputs_.file(text);
}

void StreamedReport::add(std::string_view message_report) {
    if (!started_) {
        if (utf8_length(pending_) + utf8_length(message_report) < min_chars_) {
            pending_ += message_report;
            return;
        }
        started_ = true;
        both(heading_);
        both("\r\n");
        both(pending_);
        pending_.clear();
    }
    both(message_report);
}

void StreamedReport::finish() {
    if (!started_) return;
    outputs_.screen(kReportEnd);
    // The output file gets every delivered report followed by one more CR LF.
    std::string end(kReportEnd);
    end += "\r\n";
    outputs_.file(end);
}

}  // namespace tarn::cli
