// How the tool stops. SIGINT and SIGTERM ask it to finish the message under way and to
// deliver what it has decoded; a reader of standard output that has gone away ends it at
// once. Either way it then ends as the signal would have ended it.
#pragma once

namespace tarn::cli {

// Catches SIGINT and SIGTERM (unless the tool was started with them ignored, as in the
// background of a script), without SA_RESTART so that a blocked read returns at once; a
// second one ends the tool at once. Ignores SIGPIPE, so that writing to a pipe nobody
// reads fails with EPIPE instead.
void install_stop_handlers();

// The stop signal received (SIGINT or SIGTERM), or 0.
int stop_signal();

// Ends the process by `signal` with its default action, so the caller sees how it ended
// (a shell shows 130 for SIGINT, 143 for SIGTERM, 141 for SIGPIPE, and a script's loop
// stops on Ctrl-C).
[[noreturn]] void die_of(int signal);

}  // namespace tarn::cli
