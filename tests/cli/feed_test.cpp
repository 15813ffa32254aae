// tarn-decode --feed end to end: the built tool against a listening socket on the loopback
// interface, served from a thread of the test.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <regex>
#include <thread>

#include "cli/tool.hpp"
#include "report/report.hpp"

namespace tarn::test {
namespace {

// Two ISUP messages (ANM and RLC) of the sample observation report, each a report of its own.
const std::string kAnm = " ANM  RECEIVED\r\n    C581400030D30009 012D02010000FFFF\r\n";
const std::string kRlc = " RLC  SENT\r\n    C501402030D30010 00FFFFFFFFFFFFFF\r\n";

// A listening socket on a free port of the loopback interface and its one client.
struct Listener {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), client = -1;
    unsigned short port = 0;

    explicit Listener(unsigned short want = 0) {
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in addr{AF_INET, htons(want), {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t len = sizeof addr;
        auto* any = reinterpret_cast<sockaddr*>(&addr);
        if (::bind(fd, any, len) == 0 && ::listen(fd, 4) == 0 && ::getsockname(fd, any, &len) == 0)
            port = ntohs(addr.sin_port);
    }
    ~Listener() { ::close(client), ::close(fd); }
    std::string address() const { return "127.0.0.1:" + std::to_string(port); }
    bool accept() {
        pollfd p{fd, POLLIN, 0};
        client = ::poll(&p, 1, 5000) > 0 ? ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC) : -1;
        return client >= 0;
    }
};

TEST(CliFeed, DecodesFilteredReportsWithTheirHeadingsUntilCtrlC) {
    Listener server;
    std::thread serve([&server] {
        if (!server.accept()) return;
        // an ANM in three chunks, then an RLC, an ANM and an unfinished report in one chunk
        for (const std::string& chunk :
             {"\x02" + kAnm.substr(0, 10), kAnm.substr(10, 20), kAnm.substr(30) + "\x03",
              "\x02" + kRlc + "\x03\x02" + kAnm + "\x03\x02 unfinished"}) {
            ::send(server.client, chunk.data(), chunk.size(), MSG_NOSIGNAL);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    // Ctrl-C once two reports have come.
    const ToolResult r =
        run_tool({"--feed", server.address(), "--lang", "en", "--filter", "c581400030d30009"},
                 {.signal = SIGINT,
                  .signal_when = [](const ToolResult& r) { return count(r.out, kReportEnd) == 2; },
                  .timeout_ms = 10000});
    serve.join();
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.err.find("Connect: " + server.address()), std::string::npos) << r.err;
    const std::regex heading("   Vantix: \\d\\d\\.\\d\\d\\.\\d{4}  \\d\\d:\\d\\d:\\d\\d\r\n");
    EXPECT_EQ(std::distance(std::sregex_iterator(r.out.begin(), r.out.end(), heading), {}), 2);
    EXPECT_EQ(count(r.out, "C581400030D30009 012D02010000FFFF"), 2u);
    EXPECT_EQ(r.out.find("C501402030D30010"), std::string::npos);  // filtered out
}

TEST(CliFeed, ReconnectsWhileTheServerIsDown) {
    const unsigned short port = Listener().port;  // a free port, closed again: the server is down
    const std::string address = "127.0.0.1:" + std::to_string(port);
    ::setenv("TARN_FEED_RETRY_MS", "100", 1);
    std::thread serve([port] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // a retry or two fail
        Listener server(port);
        if (!server.accept()) return;
        ::close(server.client), server.client = -1;  // goes away again, and comes back
        server.accept();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    });
    const ToolResult r =
        run_tool({"--feed", address, "--no-screen"},
                 {.signal = SIGINT,
                  .signal_when = [&](const ToolResult& r) { return count(r.err, "Connect: ") == 2; },
                  .timeout_ms = 10000});
    serve.join();
    ::unsetenv("TARN_FEED_RETRY_MS");
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.err.find("Disconnect: cannot connect to " + address), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("was closed"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace tarn::test
