#include "cli/tool.hpp"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>

namespace tarn::test {

ToolResult run_tool(const std::vector<std::string>& args, const ToolRun& how) {
    ::signal(SIGPIPE, SIG_IGN);  // the tool may end before it has read all its input
    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        ::signal(SIGPIPE, SIG_DFL);
        dup2(in[0], 0), dup2(err[1], 2);
        if (how.stdout_path == "closed")
            close(1);
        else
            dup2(how.stdout_path.empty() ? out[1] : open(how.stdout_path.c_str(), O_WRONLY), 1);
        const rlimit limit{how.memory_limit, how.memory_limit};
        if (how.memory_limit != 0) setrlimit(RLIMIT_AS, &limit);
        if (how.as_nobody && geteuid() == 0 && (setgroups(0, nullptr) || setgid(65534) || setuid(65534)))
            _exit(126);
        std::vector<std::string> copy = args;
        std::vector<char*> argv{const_cast<char*>(TARN_DECODE)};
        for (std::string& a : copy) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(TARN_DECODE, argv.data());
        _exit(127);
    }
    close(in[0]), close(out[1]), close(err[1]);
    // Standard input is written no faster than the tool reads it, so that its output keeps
    // being read meanwhile.
    fcntl(in[1], F_SETFL, O_NONBLOCK);
    ToolResult result;
    int fds[3] = {out[0], err[0], in[1]};  // -1 once closed
    auto shut = [&fds](int k) {
        if (fds[k] >= 0) close(fds[k]);
        fds[k] = -1;
    };
    if (!how.stdout_path.empty()) shut(0);
    if (how.input.empty() && !how.keep_input_open) shut(2);
    std::size_t written = 0;
    bool signalled = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(how.timeout_ms);
    char buffer[65536];
    while (fds[0] >= 0 || fds[1] >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                .count();
        const bool writing = fds[2] >= 0 && written < how.input.size();
        pollfd p[3] = {{fds[0], POLLIN, 0}, {fds[1], POLLIN, 0}, {writing ? fds[2] : -1, POLLOUT, 0}};
        if (left <= 0 || poll(p, 3, static_cast<int>(left)) <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        for (int k = 0; k < 2; ++k) {
            if (!(p[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t got = read(fds[k], buffer, sizeof buffer);
            if (got <= 0)
                shut(k);
            else
                (k == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(got));
        }
        if (how.close_after != 0 && result.out.size() >= how.close_after) shut(0);
        if (how.signal != 0 && !signalled && how.signal_when(result)) signalled = kill(pid, how.signal) == 0;
        if (p[2].revents & (POLLOUT | POLLERR | POLLHUP)) {
            const ssize_t put = write(fds[2], how.input.data() + written, how.input.size() - written);
            if (put > 0) written += static_cast<std::size_t>(put);
            if (put <= 0 || (written == how.input.size() && !how.keep_input_open)) shut(2);
        }
    }
    for (int k = 0; k < 3; ++k) shut(k);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

std::string read_file(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::size_t count(std::string_view text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace tarn::test
