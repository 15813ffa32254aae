// tarn-decode --feed end to end: the built tool as a child process against a listening
// socket on the loopback interface.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "report/report.hpp"

namespace {

// Two ISUP messages (ANM and RLC) of the sample observation report, each a report of its own.
const std::string kAnm = " ANM  RECEIVED\r\n    C581400030D30009 012D02010000FFFF\r\n";
const std::string kRlc = " RLC  SENT\r\n    C501402030D30010 00FFFFFFFFFFFFFF\r\n";

std::size_t count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// A listening socket on the loopback interface (port 0: a free one) and its one client.
struct Listener {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), client = -1;
    unsigned short port = 0;

    explicit Listener(unsigned short wanted = 0) {
        const int one = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr{AF_INET, htons(wanted), {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t len = sizeof addr;
        auto* any = reinterpret_cast<sockaddr*>(&addr);
        if (::bind(fd, any, len) == 0 && ::listen(fd, 4) == 0 && ::getsockname(fd, any, &len) == 0)
            port = ntohs(addr.sin_port);
    }
    ~Listener() { ::close(client), ::close(fd); }
    std::string address() const { return "127.0.0.1:" + std::to_string(port); }
    bool accept() {
        ::close(client);
        pollfd p{fd, POLLIN, 0};
        client = ::poll(&p, 1, 5000) > 0 ? ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC) : -1;
        return client >= 0;
    }
    bool send(const std::string& data) const {
        return ::send(client, data.data(), data.size(), MSG_NOSIGNAL) == ssize_t(data.size());
    }
};

// The tool as a child process; `text` collects its standard output and error.
struct Tool {
    pid_t pid = -1;
    int pipe_fd = -1;
    std::string text;

    explicit Tool(std::vector<std::string> args) {
        int p[2];
        if (::pipe2(p, O_CLOEXEC) != 0) return;
        if ((pid = ::fork()) == 0) {
            ::dup2(p[1], 1), ::dup2(p[1], 2);
            ::setenv("TARN_FEED_RETRY_MS", "100", 1);
            std::vector<char*> argv{const_cast<char*>(TARN_DECODE)};
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(TARN_DECODE, argv.data());
            ::_exit(127);
        }
        ::close(p[1]);
        pipe_fd = p[0];
    }
    ~Tool() {
        if (pid > 0) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
        ::close(pipe_fd);
    }
    // Reads until `what` has come `times` times, for at most 5 s.
    bool wait_for(std::string_view what, std::size_t times = 1) {
        char buffer[4096];
        pollfd p{pipe_fd, POLLIN, 0};
        for (int i = 0; i < 100 && count(text, what) < times; ++i) {
            const ssize_t got = ::poll(&p, 1, 50) > 0 ? ::read(pipe_fd, buffer, sizeof buffer) : 0;
            if (got > 0) text.append(buffer, std::size_t(got));
        }
        return count(text, what) >= times;
    }
    // Ctrl-C: the exit status, or -1 when the tool did not stop within 5 s.
    int interrupt() {
        ::kill(pid, SIGINT);
        return wait_end();
    }
    // The exit status (128 + the signal that ended it), or -1 when the tool is still running after 5 s.
    int wait_end() {
        for (int i = 0, status = 0; i < 100;
             ++i, std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
            if (::waitpid(pid, &status, WNOHANG) != pid) continue;
            pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return -1;
    }
};

TEST(CliFeed, DecodesFilteredReportsWithTheirHeadingsUntilCtrlC) {
    Listener server;
    Tool tool({"--feed", server.address(), "--lang", "en", "--filter", "c581400030d30009"});
    ASSERT_TRUE(server.accept());
    ASSERT_TRUE(tool.wait_for("Connect: " + server.address())) << tool.text;
    // an ANM in three chunks, then an RLC, an ANM and an unfinished report in one chunk
    for (const std::string& chunk :
         {"\x02" + kAnm.substr(0, 10), kAnm.substr(10, 20), kAnm.substr(30) + "\x03",
          "\x02" + kRlc + "\x03\x02" + kAnm + "\x03\x02 unfinished"}) {
        ASSERT_TRUE(server.send(chunk));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_TRUE(tool.wait_for(tarn::kReportEnd, 2)) << tool.text;
    const std::regex heading("\n   Vantix: \\d\\d\\.\\d\\d\\.\\d{4}  \\d\\d:\\d\\d:\\d\\d\r\n");
    EXPECT_EQ(std::distance(std::sregex_iterator(tool.text.begin(), tool.text.end(), heading), {}), 2);
    EXPECT_EQ(count(tool.text, "C581400030D30009 012D02010000FFFF"), 2u);
    EXPECT_EQ(tool.text.find("C501402030D30010"), std::string::npos);  // filtered out
    EXPECT_EQ(tool.interrupt(), 0) << tool.text;
}

// --format summary: one row per message of each delivered report, numbered across the
// reports, the header once; the filter drops reports as for the text report.
TEST(CliFeed, SummaryRowsOfTheDeliveredReports) {
    const std::string out = (std::filesystem::temp_directory_path() / "tarn-feed-summary.tsv").string();
    std::filesystem::remove(out);
    Listener server;
    Tool tool({"--feed", server.address(), "--lang", "en", "--format", "summary", "--filter",
               "c581400030d30009", "-o", out});
    ASSERT_TRUE(server.accept());
    ASSERT_TRUE(tool.wait_for("Connect: " + server.address())) << tool.text;
    ASSERT_TRUE(server.send("\x02" + kAnm + "\x03\x02" + kRlc + "\x03\x02" + kAnm + "\x03"));
    const std::string header =
        "index\tprotocol\tmessage\tcic_or_call_ref\tdpc\topc\tcalled\tcalling\tcause\tcause_text\tmistakes\n";
    const std::string rows = "1\tisup\tANM\t211\t129\t1\t\t\t\t\t0\n2\tisup\tANM\t211\t129\t1\t\t\t\t\t0\n";
    ASSERT_TRUE(tool.wait_for("2\tisup\tANM")) << tool.text;
    EXPECT_NE(tool.text.find(header + rows), std::string::npos) << tool.text;
    EXPECT_EQ(count(tool.text, "index\tprotocol"), 1u);
    EXPECT_EQ(tool.text.find("RLC"), std::string::npos);
    EXPECT_EQ(tool.text.find(tarn::kReportEnd), std::string::npos);
    EXPECT_EQ(tool.interrupt(), 0) << tool.text;
    std::ifstream in(out, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(file, header + rows);
    std::filesystem::remove(out);
}

TEST(CliFeed, StopsWhenTheReaderOfItsOutputGoesAway) {
    Listener server;
    Tool tool({"--feed", server.address(), "--lang", "en"});
    ASSERT_TRUE(server.accept());
    ASSERT_TRUE(tool.wait_for("Connect: " + server.address())) << tool.text;
    ASSERT_TRUE(server.send("\x02" + kAnm + "\x03"));
    ASSERT_TRUE(tool.wait_for(tarn::kReportEnd)) << tool.text;
    ::close(tool.pipe_fd), tool.pipe_fd = -1;  // | head has what it wanted and goes
    // The tool ends by SIGPIPE without waiting for another report to write.
    EXPECT_EQ(tool.wait_end(), 128 + SIGPIPE);
}

TEST(CliFeed, ReconnectsWhileTheServerIsDown) {
    const unsigned short port = Listener().port;  // a free port, closed again: the server is down
    Tool tool({"--feed", "127.0.0.1:" + std::to_string(port), "--no-screen"});
    ASSERT_TRUE(tool.wait_for("Disconnect: cannot connect to 127.0.0.1:" + std::to_string(port)))
        << tool.text;
    Listener server(port);
    ASSERT_TRUE(server.accept());  // the retry every 100 ms found it
    ASSERT_TRUE(tool.wait_for("Connect: " + server.address()));
    ::close(server.client), server.client = -1;  // the server goes away again and comes back
    ASSERT_TRUE(tool.wait_for("was closed"));
    ASSERT_TRUE(server.accept());
    EXPECT_EQ(tool.interrupt(), 0) << tool.text;
}

}  // namespace
