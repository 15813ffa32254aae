#include "cli/feed.hpp"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/stop.hpp"
#include "cli/structured.hpp"
#include "feed/filter.hpp"
#include "feed/framing.hpp"
#include "feed/ini.hpp"
#include "report/report.hpp"
#include "run/run.hpp"

namespace tarn::cli {

namespace {

constexpr int kSliceMs = 100;  // how long a wait runs before the stop flag is looked at

// Set when the reports shown on standard output have no reader any more.
bool g_screen_gone = false;
bool g_watch_screen = false;

// A stop signal, or a reader of standard output that has gone away (`| head`): the feed
// ends at the next look, also while it waits for the server or for data.
bool stopping() {
    if (!g_screen_gone && g_watch_screen) g_screen_gone = Screen::out().reader_gone();
    return stop_signal() != 0 || g_screen_gone;
}

void say(const std::string& what) {
    tarn::write_all(STDERR_FILENO, "tarn-decode: " + what + "\n");
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
    while (!stopping() && std::chrono::steady_clock::now() < until) ::poll(nullptr, 0, kSliceMs);
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
    for (addrinfo* ai = found; ai != nullptr && fd < 0 && !stopping(); ai = ai->ai_next) {
        fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, ai->ai_protocol);
        if (fd < 0) {
            error = std::strerror(errno);
            continue;
        }
        int rc = ::connect(fd, ai->ai_addr, ai->ai_addrlen);
        if (rc != 0 && errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            for (int waited = 0; waited < timeout_ms && !stopping(); waited += kSliceMs) {
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

// True when the report decoded from `box` holds `filter`, letters compared without regard
// to case. The messages' reports are looked at one by one, so the whole report is never
// held; a match across two of them counts too.
bool report_holds(Session& session, std::string_view box, std::string_view filter) {
    const std::string what = fold_case(filter);
    std::string tail;  // the end of what was looked at, shorter than `what`
    bool found = false;
    MultiRun run(session, [&](std::string&& lines) {
        if (found) return;
        std::string text = tail + fold_case(lines);
        found = text.find(what) != std::string::npos;
        tail = text.substr(text.size() - std::min(text.size(), what.size() - 1));
    });
    run.feed(box);
    run.finish();
    return found;
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

    // Decodes one received report and delivers it at once, streamed as its messages are
    // decoded, so that no report is ever held whole. With the filter on, a report is decoded
    // twice: once to look for the filter text, once for delivery (from the same session
    // state). False when standard output failed: the feed stops.
    bool report(const std::string& raw) {
        ++reports_;
        const std::string box = feed::received_text(raw);
        const std::string heading = heading_now();
        const Settings& s = session_.settings;
        if (s.filter) {
            const Session before = session_;
            if (!report_holds(session_, box, s.filter_text)) return true;  // dropped
            session_ = before;
        }
        OutputOptions options = output_;
        // Every report is in the file as soon as it is delivered; after the first one the
        // file is appended to, so a stop loses nothing already written.
        options.keep = output_.keep || written_;
        Outputs outputs(options);
        if (const std::string error = outputs.open(); !error.empty()) say(error);
        if (rendering_.format() != Format::Text) return structured(box, outputs);
        StreamedReport report(outputs, heading, kMinReportChars);
        // A failed output file is told at commit; the screen still gets the whole report.
        MultiRun run(session_, [&](std::string&& lines) {
            if (!outputs.screen_failed()) report.add(lines);
        });
        run.feed(box);
        run.finish();
        if (!outputs.screen_failed()) report.finish();
        if (output_.screen && !Screen::out().flush()) return false;
        if (const std::string error = outputs.commit(); !error.empty()) {
            say(error);
        } else if (report.delivered() && !output_.out_path.empty()) {
            written_ = true;
        }
        return true;
    }

private:
    // The report's messages as JSON objects or summary rows, in place of the report; the
    // summary's header goes before the first row, on the screen and in the file.
    bool structured(std::string_view box, Outputs& outputs) {
        MessageSource source;
        source.report = reports_;
        bool wrote = false;
        MultiRun run = rendering_.multi(session_, source, [&](std::string&& rendered) {
            if (outputs.screen_failed()) return;
            if (!screen_started_) outputs.screen(rendering_.header());
            screen_started_ = true;
            if (file_header_ && !wrote) outputs.file(rendering_.header());
            outputs.screen(rendered);
            outputs.file(rendered);
            wrote = true;
        });
        run.feed(box);
        run.finish();
        if (output_.screen && !Screen::out().flush()) return false;
        if (const std::string error = outputs.commit(); !error.empty()) {
            say(error);
        } else if (wrote && !output_.out_path.empty()) {
            written_ = true;
            file_header_ = false;
        }
        return true;
    }

    Session session_;
    OutputOptions output_;
    Rendering rendering_;
    bool file_header_;  // the summary's header is still to be written to the file
    bool screen_started_ = false;
    bool written_ = false;
    long reports_ = 0;  // reports received
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
        address = feed::parse_feed_address(options.address);  // checked with the options
    }
    g_watch_screen = options.output.screen;
    const int retry_ms = retry_interval_ms();
    const std::string where = address.host + ":" + std::to_string(address.port);
    FeedDelivery delivery(options);
    feed::ReportFramer framer;
    std::vector<char> buffer(1 << 16);
    bool down_reported = false;
    bool screen_failed = false;
    while (!stopping() && !screen_failed) {
        std::string error;
        const int fd = connect_to(address, retry_ms, error);
        if (fd < 0) {
            if (!stopping() && !down_reported) {
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
        while (!stopping() && !screen_failed) {
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
            for (const std::string& raw : framed.reports) {
                if (!delivery.report(raw)) {
                    screen_failed = true;
                    break;
                }
            }
        }
        ::close(fd);
        if (!stopping() && !screen_failed) pause_ms(retry_ms);
    }
    if (g_screen_gone || Screen::out().state() == Screen::State::Closed) die_of(SIGPIPE);
    if (screen_failed) {
        say(Screen::out().error());
        return 1;
    }
    return 0;
}

}  // namespace tarn::cli
