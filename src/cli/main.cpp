// tarn-decode: decodes DSS1 and ISUP messages given as hex text, from a typed message,
// report files or standard input, and writes the same report as the window.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "cli/feed.hpp"
#include "cli/output.hpp"
#include "cli/stop.hpp"
#include "cli/structured.hpp"
#include "feed/ini.hpp"
#include "report/report.hpp"
#include "run/parallel.hpp"
#include "run/run.hpp"

namespace {

using tarn::Encoding;
using tarn::Lang;

constexpr const char* kUsage =
    "Usage: tarn-decode [OPTIONS] -m HEX\n"
    "       tarn-decode [OPTIONS] FILE... | -\n"
    "       tarn-decode [OPTIONS] --feed [HOST:PORT] [--filter TEXT]\n"
    "\n"
    "Decodes DSS1 (Q.931, ETS 300 102-1) and SS7 ISUP layer-3 messages given as hex text.\n"
    "\n"
    "  -m, --message TEXT      decode one typed message (hex digits; blanks and line breaks allowed)\n"
    "  FILE...                 decode each observation report file (runs of 16-digit hex groups)\n"
    "  -                       decode standard input as one report\n"
    "      --feed [HOST:PORT]  follow the Vantix report server (address from Tarn.INI beside\n"
    "                          the program when not given) and decode every report as it\n"
    "                          arrives; reconnects every 9000 ms (TARN_FEED_RETRY_MS); Ctrl-C stops\n"
    "      --filter TEXT       with --feed: only reports that contain TEXT (case ignored)\n"
    "      --lang en|ru        report language (default: ru)\n"
    "      --format text|json|summary\n"
    "                          what is written: the report (default), one JSON object per\n"
    "                          decoded message (JSON Lines, UTF-8), or one tab-separated\n"
    "                          summary line per decoded message after a header line\n"
    "  -o, --output FILE       write the report to FILE too\n"
    "      --keep              append to the output file instead of replacing it\n"
    "      --no-screen         write nothing to standard output\n"
    "      --encoding utf-8|cp1251\n"
    "                          character set of what is written (default: utf-8)\n"
    "      --jobs N            decode a report longer than 4 MB on N threads (default: one per\n"
    "                          core, one fewer into a pipe); the report is the same for every N\n"
    "  -h, --help              show this help\n"
    "      --version           show the version\n";

// More threads than this would only hold more pieces of the report in memory.
constexpr unsigned kMostJobs = 64;

struct Options {
    bool have_message = false;
    std::string message;
    std::vector<std::string> inputs;  // files; "-" is standard input
    Lang lang = Lang::Russian;
    tarn::Format format = tarn::Format::Text;
    tarn::cli::OutputOptions output;
    bool feed = false;
    std::string feed_address;
    bool have_filter = false;
    std::string filter;
    unsigned jobs = 0;  // 0: one per core
};

// The number of cores this process may run on.
unsigned cores() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : n;
}

// Jobs when --jobs is not given: one per core, one fewer when the report goes into a pipe
// or socket, whose reader needs a core of its own (on two cores a second job into `| grep`
// only made the run slower).
unsigned default_jobs(const Options& opt) {
    struct stat st {};
    const bool piped = opt.output.screen && ::fstat(STDOUT_FILENO, &st) == 0 &&
                       (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode));
    const unsigned n = cores();
    return piped && n > 1 ? n - 1 : n;
}

[[noreturn]] void usage_error(const std::string& what) {
    tarn::write_all(STDERR_FILENO, "tarn-decode: " + what + "\n\n" + kUsage);
    std::exit(2);
}

// --help or --version: `text` to standard output, then exit 0, or 1 when standard output
// could not take it.
[[noreturn]] void print_done(const std::string& text) {
    if (tarn::write_all(STDOUT_FILENO, text) == 0) std::exit(0);
    tarn::write_all(STDERR_FILENO, "tarn-decode: cannot write to standard output\n");
    std::exit(1);
}

Options parse(int argc, char** argv) {
    Options opt;
    auto value = [&](int& i, const std::string& name) -> std::string {
        if (i + 1 >= argc) usage_error("option " + name + " needs a value");
        return argv[++i];
    };
    bool only_files = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::string inline_value;
        bool has_inline = false;
        if (!only_files && arg.rfind("--", 0) == 0 && arg.find('=') != std::string::npos) {
            inline_value = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
            has_inline = true;
        }
        auto take = [&](const std::string& name) { return has_inline ? inline_value : value(i, name); };
        if (only_files || arg == "-" || arg.empty() || arg[0] != '-') {
            opt.inputs.push_back(argv[i]);
        } else if (arg == "--") {
            only_files = true;
        } else if (arg == "-h" || arg == "--help") {
            print_done(kUsage);
        } else if (arg == "--version") {
            print_done(std::string("tarn-decode ") + TARN_VERSION + "\n");
        } else if (arg == "-m" || arg == "--message") {
            if (opt.have_message) usage_error("only one message can be given");
            opt.have_message = true;
            opt.message = take(arg);
        } else if (arg == "--feed") {
            opt.feed = true;
            if (has_inline) {
                opt.feed_address = inline_value;
            } else if (i + 1 < argc && argv[i + 1][0] != '-') {
                opt.feed_address = argv[++i];
            }
        } else if (arg == "--filter") {
            opt.have_filter = true;
            opt.filter = take(arg);
        } else if (arg == "--lang") {
            const std::string v = take(arg);
            if (v == "en") {
                opt.lang = Lang::English;
            } else if (v == "ru") {
                opt.lang = Lang::Russian;
            } else {
                usage_error("--lang takes en or ru, not \"" + v + "\"");
            }
        } else if (arg == "--format") {
            const std::string v = take(arg);
            const std::optional<tarn::Format> format = tarn::cli::parse_format(v);
            if (!format) usage_error("--format takes text, json or summary, not \"" + v + "\"");
            opt.format = *format;
        } else if (arg == "-o" || arg == "--output") {
            opt.output.out_path = take(arg);
            if (opt.output.out_path.empty()) usage_error("the output file name is empty");
        } else if (arg == "--keep") {
            opt.output.keep = true;
        } else if (arg == "--no-screen") {
            opt.output.screen = false;
        } else if (arg == "--jobs") {
            const std::string v = take(arg);
            unsigned n = 0;
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
            if (ec != std::errc() || end != v.data() + v.size() || n < 1 || n > kMostJobs)
                usage_error("--jobs takes a number from 1 to " + std::to_string(kMostJobs) + ", not \"" + v +
                            "\"");
            opt.jobs = n;
        } else if (arg == "--encoding") {
            const std::string v = take(arg);
            if (v == "utf-8" || v == "utf8" || v == "UTF-8") {
                opt.output.encoding = Encoding::Utf8;
            } else if (v == "cp1251" || v == "windows-1251" || v == "CP1251") {
                opt.output.encoding = Encoding::Cp1251;
            } else {
                usage_error("--encoding takes utf-8 or cp1251, not \"" + v + "\"");
            }
        } else {
            usage_error("unknown option " + arg);
        }
    }
    if (opt.feed && (opt.have_message || !opt.inputs.empty()))
        usage_error("--feed takes no message and no files");
    if (opt.feed && !opt.feed_address.empty() && !tarn::feed::parse_feed_address(opt.feed_address).ok())
        usage_error("--feed takes HOST:PORT with a port from 1 to 65535, not \"" + opt.feed_address + "\"");
    if (opt.have_filter && !opt.feed) usage_error("--filter works with --feed only");
    if (opt.have_message && !opt.inputs.empty()) usage_error("give either a message or files, not both");
    if (!opt.feed && !opt.have_message && opt.inputs.empty()) usage_error("nothing to decode");
    if (opt.format == tarn::Format::Json && opt.output.encoding != Encoding::Utf8)
        usage_error("JSON is written in UTF-8 only");
    return opt;
}

using tarn::cli::Screen;

int fail(const std::string& what) {
    Screen::out().flush();
    tarn::write_all(STDERR_FILENO, "tarn-decode: " + what + "\n");
    return 1;
}

// The end of a run: standard output flushed, the output file put in place. A reader of
// standard output that went away ends the tool at once with SIGPIPE, the output file given
// up; any other failure of either output is told, leaves the output file as it was and
// exits 1. A run stopped by SIGINT or SIGTERM has delivered what it decoded and ends by
// that signal.
int conclude(tarn::cli::Outputs& outputs) {
    Screen& screen = Screen::out();
    if (outputs.options().screen) screen.flush();
    if (outputs.options().screen && screen.state() == Screen::State::Closed) {
        outputs.discard();
        tarn::cli::die_of(SIGPIPE);
    }
    if (outputs.options().screen && screen.state() == Screen::State::Failed) {
        outputs.discard();
        return fail(screen.error());
    }
    if (std::string err = outputs.commit(); !err.empty()) return fail(err);
    if (const int signal = tarn::cli::stop_signal(); signal != 0) tarn::cli::die_of(signal);
    return 0;
}

// A typed message longer than the bound of a report's messages is cut after that many
// digits, like a message of a report file; true when it was cut.
bool cut_typed_message(std::string& box) {
    std::size_t digits = 0;
    for (std::size_t i = 0; i < box.size(); ++i) {
        if (box[i] == ' ' || box[i] == '\r' || box[i] == '\n') continue;
        if (++digits > tarn::kMaxMessageDigits) {
            box.resize(i);
            return true;
        }
    }
    return false;
}

int decode_message(const Options& opt) {
    tarn::Session session;
    session.settings.lang = opt.lang;
    // Line breaks typed in a shell are bare LF; the title line shows the text as typed, with
    // the CR LF line ends of a report, as the window's message box gives it.
    std::string box;
    for (char c : opt.message) {
        if (c == '\n' && (box.empty() || box.back() != '\r')) box += '\r';
        box += c;
    }
    if (!tarn::single_message_digits(box)) {
        tarn::write_all(STDERR_FILENO,
                        std::string(tarn::kBadInputTitle) + ": " + std::string(tarn::kBadInputText) + "\n");
        return 1;
    }
    const bool cut = cut_typed_message(box);
    if (opt.format != tarn::Format::Text) {
        tarn::cli::Outputs outputs(opt.output);
        if (std::string err = outputs.open(); !err.empty()) return fail(err);
        tarn::cli::StructuredOutput(outputs, opt.format).typed(session, box, cut);
        return conclude(outputs);
    }
    tarn::SingleResult result = tarn::decode_single(session, box);
    if (cut && !result.report.empty())
        result.report += tarn::message_cut_line(opt.lang, tarn::kMaxMessageDigits / 2);
    tarn::cli::Outputs outputs(opt.output);
    if (std::string err = outputs.open(); !err.empty()) return fail(err);
    // No decoder recognised the message: nothing is delivered, the output file stays as it was.
    if (!tarn::is_empty_report(result.report)) {
        outputs.screen(result.report);
        outputs.file(result.report);
        outputs.file("\r\n");
    }
    return conclude(outputs);
}

// The path shown in a file report's heading: the full path of the file.
std::string heading_path(const std::string& input) {
    if (input == "-") return input;
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(input, ec);
    return ec ? input : full.lexically_normal().string();
}

std::string cannot_read(const std::string& input, const std::string& why) {
    return "cannot read the input file \"" + input + "\": " + why;
}

// Checks an input before the run, without opening it (a FIFO opened and closed again would
// lose what its writer wrote): "" or what is wrong with it.
std::string check_input(const std::string& input) {
    if (input == "-") return {};
    struct stat st {};
    if (::stat(input.c_str(), &st) != 0) return cannot_read(input, std::strerror(errno));
    if (S_ISDIR(st.st_mode)) return cannot_read(input, "it is a folder");
    if (::faccessat(AT_FDCWD, input.c_str(), R_OK, AT_EACCESS) != 0)
        return cannot_read(input, std::strerror(errno));
    return {};
}

// A report file this long is decoded by several threads (when --jobs allows); standard
// input from a pipe once this much has come.
constexpr std::size_t kLongInput = std::size_t{4} << 20;

// True when more input can be read at once, without waiting for its writer.
bool input_ready(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

// Reads an input to its end into `run` (a ParallelRun, or a structured run), unless a stop
// signal comes or an output fails: what has been decoded is shown before a read that would
// wait for a writer. False, with `error`, when the input cannot be read.
template <typename Run>
bool read_input(Run& run, const Options& opt, const std::string& input, int fd, tarn::cli::Outputs& outputs,
                bool& stopped, std::string& error) {
    // Not cleared first: read() fills what is used.
    constexpr std::size_t kChunk = std::size_t{1} << 16;
    const std::unique_ptr<char[]> chunk(new char[kChunk]);
    while (!outputs.failed()) {
        if (tarn::cli::stop_signal() != 0) {
            stopped = true;
            break;
        }
        const ssize_t got = ::read(fd, chunk.get(), kChunk);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            error = cannot_read(input, std::strerror(errno));
            return false;
        }
        run.feed(std::string_view(chunk.get(), static_cast<std::size_t>(got)));
        if (static_cast<std::size_t>(got) < kChunk && !input_ready(fd)) {
            run.flush();
            if (opt.output.screen) Screen::out().flush();
        }
    }
    return true;
}

// A structured run as read_input takes it: each message is delivered as it ends.
struct StructuredRun {
    tarn::MultiRun& run;
    void feed(std::string_view text) { run.feed(text); }
    void flush() {}
};

// Decodes one input as one multi-message run, streaming it in bounded memory: the text
// report of a long input in pieces on several threads, written in its order. A stop signal
// ends the run after the reports decoded so far (a message whose groups are still being
// read is not decoded: its end is not known); the report still gets its end mark.
bool decode_input(const Options& opt, const std::string& input, int fd, tarn::cli::Outputs& outputs,
                  tarn::cli::StructuredOutput& structured, std::string& error) {
    tarn::Settings settings;
    settings.lang = opt.lang;
    settings.input = tarn::InputMode::File;
    bool stopped = false;
    if (opt.format != tarn::Format::Text) {
        // JSON objects or summary rows, no heading and no end mark; one thread, as the rows
        // are numbered across the messages.
        tarn::Session session;
        session.settings = settings;
        bool dropped = false;
        tarn::MultiRun run = structured.run(session, heading_path(input), [&](std::string&& lines) {
            if (dropped || outputs.failed()) return;
            structured.write(lines);
            dropped = tarn::cli::stop_signal() != 0;
        });
        StructuredRun reader{run};
        if (!read_input(reader, opt, input, fd, outputs, stopped, error)) return false;
        if (!outputs.failed() && !stopped) run.finish();
        return true;
    }
    // The run is delivered once its buffer holds more than one character.
    tarn::cli::StreamedReport report(outputs, tarn::file_heading(opt.lang, heading_path(input)), 2);
    unsigned jobs = opt.jobs == 0 ? default_jobs(opt) : opt.jobs;
    tarn::ParallelRun::Limits limits;
    limits.serial_below = kLongInput;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        // A file's length is known: a long one is cut into pieces from its start.
        if (static_cast<std::size_t>(st.st_size) < kLongInput) jobs = 1;
        limits.serial_below = 0;
    }
    tarn::ParallelRun run(
        settings, jobs,
        [&](std::string_view reports) {
            if (!outputs.failed()) report.add(reports);
        },
        limits);
    if (!read_input(run, opt, input, fd, outputs, stopped, error)) return false;
    if (outputs.failed()) return true;
    if (stopped) {
        run.stop();
    } else {
        run.finish();
    }
    report.finish();
    return true;
}

int decode_inputs(const Options& opt) {
    for (const std::string& input : opt.inputs) {
        if (std::string err = check_input(input); !err.empty()) return fail(err);
    }
    tarn::cli::Outputs outputs(opt.output);
    if (std::string err = outputs.open(); !err.empty()) return fail(err);
    tarn::cli::StructuredOutput structured(outputs, opt.format);
    for (const std::string& input : opt.inputs) {
        if (tarn::cli::stop_signal() != 0 || outputs.failed()) break;
        // Each input is opened once, when its turn comes.
        const int fd = input == "-" ? STDIN_FILENO : ::open(input.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) {
            if (errno == EINTR && tarn::cli::stop_signal() != 0)
                break;  // stopped waiting for a FIFO's writer
            return fail(cannot_read(input, std::strerror(errno)));
        }
        std::string error;
        const bool ok = decode_input(opt, input, fd, outputs, structured, error);
        if (fd != STDIN_FILENO) ::close(fd);
        if (!ok) return fail(error);
    }
    return conclude(outputs);
}

// A standard descriptor closed at start would be taken by the first file the tool opens
// (the output file's temporary file would then get the screen's text): each closed one is
// held by /dev/null, and a closed standard output counts as failed.
void hold_standard_descriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
        if (::open("/dev/null", O_RDWR) != fd) std::_Exit(1);
        if (fd == STDOUT_FILENO) Screen::out().closed_at_start();
    }
}

// A report goes into a pipe in large writes; a pipe of 1 MB instead of 64 KB lets the tool
// and its reader each go on for longer before the other must run (about a tenth off the
// time of a long report into `| cat` on two cores). Where the system refuses, the pipe
// stays as it is.
void widen_output_pipe() {
    struct stat st {};
    if (::fstat(STDOUT_FILENO, &st) == 0 && S_ISFIFO(st.st_mode))
        ::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
}

}  // namespace

int main(int argc, char** argv) {
    hold_standard_descriptors();
    widen_output_pipe();
    try {
        const Options opt = parse(argc, argv);
        tarn::cli::install_stop_handlers();
        if (opt.feed)
            return tarn::cli::run_feed({opt.feed_address, opt.filter, opt.lang, opt.output, opt.format},
                                       argv[0]);
        return opt.have_message ? decode_message(opt) : decode_inputs(opt);
    } catch (const std::bad_alloc&) {
        // The output file's delivery has been given up on the way out.
        return fail("out of memory");
    }
}
