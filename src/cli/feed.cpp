#include "cli/feed.hpp"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/structured.hpp"
#include "feed/filter.hpp"
#include "feed/framing.hpp"
#include "feed/ini.hpp"
#include "report/report.hpp"
#include "run/run.hpp"

namespace tarn::cli {

namespace {

constexpr int kSliceMs = 100;  // how long a wait runs before the stop flag is looked at

volatile std::sig_atomic_t g_stop = 0;

extern "C" void on_stop_signal(int /*signal*/) {
    g_stop = 1;
}

void install_signal_handlers() {
    struct sigaction action {};
    action.sa_handler = on_stop_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked call returns at once
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

void say(const std::string& what) {
    std::cerr << "tarn-decode: " << what << std::endl;
}

int retry_interval_ms() {
    if (const char* env = std::getenv("TARN_FEED_RETRY_MS")) {
        char* end = nullptr;
        const long ms = std::strtol(env, &end, 10);
        if (end != env && *end == '\0' && ms > 0 && ms <= 3600000) return static_cast<int>(ms);
    }
    return 9000;
}

// Sleeps `ms` milliseconds unless a stop signal comes first.
void pause_ms(int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!g_stop && std::chrono::steady_clock::now() < until) ::poll(nullptr, 0, kSliceMs);
}

std::string ini_beside_executable(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) exe = fs::absolute(argv0 != nullptr ? argv0 : "", ec);
    return (exe.parent_path() / "Tarn.INI").string();
}

// A connected TCP socket, or -1 with `error` set. Waits at most `timeout_ms`.
int connect_to(const feed::FeedAddress& address, int timeout_ms, std::string& error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.port);
    if (const int rc = ::getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found); rc != 0) {
        error = ::gai_strerror(rc);
        return -1;
    }
    int fd = -1;
    for (addrinfo* ai = found; ai != nullptr && fd < 0 && !g_stop; ai = ai->ai_next) {
        fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, ai->ai_protocol);
        if (fd < 0) {
            error = std::strerror(errno);
            continue;
        }
        int rc = ::connect(fd, ai->ai_addr, ai->ai_addrlen);
        if (rc != 0 && errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            for (int waited = 0; waited < timeout_ms && !g_stop; waited += kSliceMs) {
                if (::poll(&p, 1, kSliceMs) > 0) break;
            }
            int so_error = ETIMEDOUT;
            socklen_t len = sizeof so_error;
            if (p.revents != 0) ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &so_error, &len);
            rc = so_error == 0 ? 0 : -1;
            errno = so_error;
        }
        if (rc != 0) {
            error = std::strerror(errno);
            ::close(fd);
            fd = -1;
        }
    }
    ::freeaddrinfo(found);
    return fd;
}

// The feed heading's date and time: dd.MM.yyyy and HH:mm:ss, local time.
std::string heading_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char date[16];
    char time[16];
    std::strftime(date, sizeof date, "%d.%m.%Y", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);
    return feed_heading(date, time);
}

class FeedDelivery {
public:
    explicit FeedDelivery(const FeedOptions& options)
        : output_(options.output),
          rendering_(options.format),
          file_header_(!appends_to_text(options.output)) {
        session_.settings.lang = options.lang;
        session_.settings.input = InputMode::Feed;
        feed::set_filter(session_.settings, options.filter);
    }

    // Decodes one received report and delivers it at once.
    void report(const std::string& raw) {
        std::string box = feed::received_text(raw);
        if (rendering_.format() != Format::Text) {
            structured(box);
            return;
        }
        const RunResult run = START_DECODING(session_, box, heading_now());
        if (!run.output.deliver) return;
        if (output_.screen) {
            const std::string bytes = encode(run.output.report, output_.encoding);
            std::fwrite(bytes.data(), 1, bytes.size(), stdout);
            std::fflush(stdout);
        }
        if (!output_.out_path.empty()) {
            // Every report is in the file as soon as it is delivered; after the first one
            // the file is appended to, so a stop loses nothing already written.
            const std::string error = write_report_file(output_.out_path, run.output.report,
                                                        output_.keep || written_, output_.encoding);
            if (error.empty()) {
                written_ = true;
            } else {
                say(error);
            }
        }
    }

private:
    // The renderings of the report's messages, when its text report would be delivered;
    // the summary's header goes before the first row, on the screen and in the file.
    void structured(const std::string& box) {
        std::string rendered;
        if (!rendering_.feed_report(session_, box, ++reports_, rendered) || rendered.empty()) return;
        OutputOptions once = output_;
        once.keep = output_.keep || written_;
        Outputs outputs(once);
        std::string error = outputs.open();
        if (!screen_started_) outputs.screen(rendering_.header());
        screen_started_ = true;
        if (file_header_) outputs.file(rendering_.header());
        outputs.screen(rendered);
        outputs.file(rendered);
        std::fflush(stdout);
        if (error.empty()) error = outputs.commit();
        if (!error.empty()) {
            say(error);
        } else if (!output_.out_path.empty()) {
            written_ = true;
            file_header_ = false;
        }
    }

    Session session_;
    OutputOptions output_;
    Rendering rendering_;
    bool file_header_;  // the summary's header is still to be written to the file
    bool screen_started_ = false;
    bool written_ = false;
    long reports_ = 0;
};

}  // namespace

int run_feed(const FeedOptions& options, const char* argv0) {
    feed::FeedAddress address;
    if (options.address.empty()) {
        const std::string ini = ini_beside_executable(argv0);
        address = feed::read_feed_address(ini);
        if (!address.ok()) {
            say(feed::describe_problem(address, ini, Lang::English));
            return 1;
        }
    } else {
        address = feed::parse_feed_address(options.address);
        if (!address.ok()) {
            say("--feed takes HOST:PORT with a port from 1 to 65535, not \"" + options.address + "\"");
            return 1;
        }
    }
    install_signal_handlers();
    const int retry_ms = retry_interval_ms();
    const std::string where = address.host + ":" + std::to_string(address.port);
    FeedDelivery delivery(options);
    feed::ReportFramer framer;
    std::vector<char> buffer(1 << 16);
    bool down_reported = false;
    while (!g_stop) {
        std::string error;
        const int fd = connect_to(address, retry_ms, error);
        if (fd < 0) {
            if (!g_stop && !down_reported) {
                say("Disconnect: cannot connect to " + where + ": " + error + "; retrying every " +
                    std::to_string(retry_ms) + " ms");
            }
            down_reported = true;
            pause_ms(retry_ms);
            continue;
        }
        say("Connect: " + where);
        down_reported = false;
        framer.reset();  // a new connection starts a new stream
        while (!g_stop) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, kSliceMs) <= 0) continue;
            const ssize_t got = ::recv(fd, buffer.data(), buffer.size(), 0);
            if (got < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
            if (got <= 0) {
                say("Disconnect: the connection to " + where + " was closed");
                down_reported = true;
                break;
            }
            const feed::Framed framed =
                framer.push(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
            if (framed.dropped > 0) say(feed::dropped_notice(framed.dropped, Lang::English));
            for (const std::string& raw : framed.reports) delivery.report(raw);
        }
        ::close(fd);
        if (!g_stop) pause_ms(retry_ms);
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace tarn::cli
