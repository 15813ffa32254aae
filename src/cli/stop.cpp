#include "cli/stop.hpp"

#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <initializer_list>

namespace tarn::cli {

namespace {

volatile std::sig_atomic_t g_stop = 0;

// The first stop signal asks for the end of the run; a second one (Ctrl-C again, when
// standard output is stuck) ends the tool at once.
extern "C" void on_stop_signal(int signal) {
    if (g_stop != 0) {
        std::signal(signal, SIG_DFL);
        ::raise(signal);
    }
    g_stop = signal;
}

}  // namespace

void install_stop_handlers() {
    struct sigaction action {};
    action.sa_handler = on_stop_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction old {};
        sigaction(signal, nullptr, &old);
        if (old.sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);
}

int stop_signal() {
    return g_stop;
}

void die_of(int signal) {
    std::signal(signal, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

}  // namespace tarn::cli
