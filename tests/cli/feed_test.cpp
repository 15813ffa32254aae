// tarn-decode --feed end to end: the built tool runs as a child process against a
// listening socket on the loopback interface.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "report/report.hpp"
#include "run/run.hpp"

namespace {

using namespace std::chrono_literals;

// Two ISUP messages (ANM and RLC) of the sample observation report, each a report of its own.
const std::string kAnm = " ANM  RECEIVED\r\n    C581400030D30009 012D02010000FFFF\r\n";
const std::string kRlc = " RLC  SENT\r\n    C501402030D30010 00FFFFFFFFFFFFFF\r\n";

bool decoders_linked() {
    tarn::Session session;
    return !tarn::decode_message(session, "C581400030D30009012D02010000FFFF").empty();
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class Listener {
public:
    explicit Listener(unsigned short port = 0) {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        int one = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = htons(port);
        ok_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 && ::listen(fd_, 4) == 0;
        socklen_t len = sizeof addr;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
    }
    ~Listener() {
        if (client_ >= 0) ::close(client_);
        ::close(fd_);
    }
    bool ok() const { return ok_; }
    unsigned short port() const { return port_; }

    bool accept_within(std::chrono::milliseconds limit) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(limit.count())) <= 0) return false;
        client_ = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        return client_ >= 0;
    }
    void send(const std::string& data) {
        ASSERT_EQ(::send(client_, data.data(), data.size(), MSG_NOSIGNAL), ssize_t(data.size()));
    }
    void drop_client() {
        ::close(client_);
        client_ = -1;
    }

private:
    int fd_ = -1;
    int client_ = -1;
    unsigned short port_ = 0;
    bool ok_ = false;
};

// The tool as a child process with its standard output and error read through pipes.
class Tool {
public:
    explicit Tool(const std::vector<std::string>& args) {
        int out[2];
        int err[2];
        if (::pipe(out) != 0 || ::pipe(err) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            ::close(out[0]);
            ::close(err[0]);
            ::setenv("TARN_FEED_RETRY_MS", "100", 1);
            std::vector<char*> argv{const_cast<char*>(TARN_DECODE)};
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(TARN_DECODE, argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
    }
    ~Tool() {
        if (pid_ > 0 && !stopped_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(out_);
        ::close(err_);
    }

    // Reads standard output until it holds `n` end marks or the time is up.
    const std::string& wait_for_reports(std::size_t n, std::chrono::milliseconds limit = 5000ms) {
        const auto until = std::chrono::steady_clock::now() + limit;
        while (count(out_text_, std::string(tarn::kReportEnd)) < n && std::chrono::steady_clock::now() < until) {
            read_some(out_, out_text_, 50);
        }
        return out_text_;
    }
    // Reads standard error until it holds `what` or the time is up.
    bool wait_for_error_text(const std::string& what, std::chrono::milliseconds limit = 5000ms) {
        const auto until = std::chrono::steady_clock::now() + limit;
        while (err_text_.find(what) == std::string::npos && std::chrono::steady_clock::now() < until) {
            read_some(err_, err_text_, 50);
        }
        return err_text_.find(what) != std::string::npos;
    }
    // Ctrl-C; returns the exit status, or -1 when the tool did not stop within 5 s.
    int interrupt() {
        ::kill(pid_, SIGINT);
        return wait_exit();
    }
    // The exit status once the tool has ended by itself, or -1 after 5 s.
    int wait_exit() {
        for (int i = 0; i < 100; ++i) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                stopped_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(50ms);
        }
        return -1;
    }
    const std::string& errors() const { return err_text_; }

private:
    static void read_some(int fd, std::string& into, int ms) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0) return;
        char buffer[4096];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) into.append(buffer, static_cast<std::size_t>(got));
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    bool stopped_ = false;
    std::string out_text_;
    std::string err_text_;
};

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(CliFeed, DecodesEveryReportAsItArrivesAndStopsOnCtrlC) {
    Listener server;
    ASSERT_TRUE(server.ok());
    const auto out_file =
        std::filesystem::temp_directory_path() / ("tarn-feed-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(out_file) << "old report\r\n";
    Tool tool(
        {"--feed", "127.0.0.1:" + std::to_string(server.port()), "--lang", "en", "-o", out_file.string()});
    ASSERT_TRUE(server.accept_within(5000ms));
    ASSERT_TRUE(tool.wait_for_error_text("Connect: 127.0.0.1:"));
    // the first report in three chunks, then two more reports in one chunk with a tail
    server.send("\x02" + kAnm.substr(0, 10));
    server.send(kAnm.substr(10, 20));
    server.send(kAnm.substr(30) + "\x03");
    server.send("\x02" + kRlc + "\x03\x02" + kAnm + "\x03\x02 unfinished");
    if (decoders_linked()) {
        const std::string out = tool.wait_for_reports(3);
        ASSERT_EQ(count(out, std::string(tarn::kReportEnd)), 3u) << out;
        // each report opens with the feed heading and ends with the end mark
        const std::regex heading("   Vantix: \\d\\d\\.\\d\\d\\.\\d{4}  \\d\\d:\\d\\d:\\d\\d\r\n");
        EXPECT_EQ(
            std::distance(std::sregex_iterator(out.begin(), out.end(), heading), std::sregex_iterator()), 3);
        EXPECT_EQ(out.rfind("   Vantix: ", 0), 0u);
        const std::size_t anm = out.find("C581400030D30009 012D02010000FFFF");
        const std::size_t rlc = out.find("C501402030D30010 00FFFFFFFFFFFFFF");
        ASSERT_NE(anm, std::string::npos);
        ASSERT_NE(rlc, std::string::npos);
        EXPECT_LT(anm, rlc);  // in the order received
        EXPECT_NE(out.find("C581400030D30009", rlc), std::string::npos);
        // the file was replaced by the first report and got every later one appended
        std::string file = read_file(out_file);
        for (int i = 0; i < 100 && count(file, "\x03\r\n\r\n") < 3; ++i) {  // written after standard output
            std::this_thread::sleep_for(50ms);
            file = read_file(out_file);
        }
        EXPECT_EQ(file.find("old report"), std::string::npos);
        EXPECT_EQ(count(file, "\x03\r\n\r\n"), 3u);
    }
    EXPECT_EQ(tool.interrupt(), 0) << tool.errors();
    std::filesystem::remove(out_file);
}

TEST(CliFeed, FilterKeepsOnlyReportsContainingTheTextInAnyCase) {
    if (!decoders_linked()) GTEST_SKIP() << "no decoder writes report lines in this build";
    Listener server;
    ASSERT_TRUE(server.ok());
    Tool tool({"--feed", "127.0.0.1:" + std::to_string(server.port()), "--filter", "c581400030d30009"});
    ASSERT_TRUE(server.accept_within(5000ms));
    server.send(kRlc + "\x03" + kAnm + "\x03" + kRlc + "\x03" + kAnm + "\x03");
    const std::string out = tool.wait_for_reports(2);
    EXPECT_EQ(count(out, std::string(tarn::kReportEnd)), 2u);
    EXPECT_EQ(out.find("C501402030D30010"), std::string::npos);
    EXPECT_EQ(tool.interrupt(), 0);
}

TEST(CliFeed, ReconnectsWhileTheServerIsDown) {
    unsigned short port = 0;
    {
        Listener probe;  // a free port, closed again: the server is down
        ASSERT_TRUE(probe.ok());
        port = probe.port();
    }
    Tool tool({"--feed", "127.0.0.1:" + std::to_string(port), "--no-screen"});
    ASSERT_TRUE(tool.wait_for_error_text("Disconnect: cannot connect to 127.0.0.1:" + std::to_string(port)));
    Listener server(port);
    ASSERT_TRUE(server.ok());
    ASSERT_TRUE(server.accept_within(5000ms));  // the retry every 100 ms found it
    ASSERT_TRUE(tool.wait_for_error_text("Connect: 127.0.0.1:"));
    server.drop_client();  // the server goes away again and comes back
    ASSERT_TRUE(tool.wait_for_error_text("was closed"));
    ASSERT_TRUE(server.accept_within(5000ms));
    EXPECT_EQ(tool.interrupt(), 0);
}

TEST(CliFeed, UnusableAddressIsRefused) {
    Tool tool({"--feed", "127.0.0.1:99999"});
    EXPECT_EQ(tool.wait_exit(), 1);
    EXPECT_TRUE(tool.wait_for_error_text("--feed takes HOST:PORT"));
}

}  // namespace
