// The built tool's delivery end to end: what happens to the output file, to standard output
// when it fails or its reader goes away, on SIGINT and SIGTERM, with FIFOs, and how much
// memory a run takes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <thread>

#include "cli/tool.hpp"

namespace tarn::test {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

const std::string kHeading = "   REPORT (File: -)\r\n", kEnd = "\r\n\x03\r\n";  // of a file report
// One ANM of the sample observation report; in the report file every message has a heading.
const std::string kAnm = " ANM  RECEIVED\r\n    C581400030D30009 012D02010000FFFF\r\n";

std::string repeated(const std::string& text, std::size_t times) {
    std::string all;
    for (std::size_t i = 0; i < times; ++i) all += text;
    return all;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> all;
    for (std::size_t from = 0, to; from < text.size(); from = to + 1) {
        to = std::min(text.find(' ', from), text.size());
        all.push_back(text.substr(from, to - from));
    }
    return all;
}

class Delivery : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::permissions(dir_, fs::perms::all);  // open to nobody, whom the tests run as root use
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    // The names in the folder: a temporary file left behind shows here.
    Names names() const {
        Names found;
        for (const auto& entry : fs::directory_iterator(dir_)) found.insert(entry.path().filename().string());
        return found;
    }
    const fs::path dir_ = fs::temp_directory_path() / ("tarn-delivery-" + std::to_string(::getpid()));
};

TEST_F(Delivery, OutputFileTargets) {
    const std::string report = run_tool({"--lang", "en", "-m", "0801010D"}).out;
    const mode_t umask_was = ::umask(022), new_mode = 0666 & ~umask_was;
    ::umask(umask_was);
    const bool root = ::geteuid() == 0;
    const struct {
        std::string before;  // old: out.txt holds "old\r\n"; link: out.txt -> target.txt; owned: by nobody
        mode_t mode;         // given to out.txt before, kept after (0: a new file's)
        bool as_nobody;      // root may write any file, as cp may: a refusal needs another user
        std::string options, input;  // before -o out.txt; standard input, for "-"
        int exit_code;
        std::string err;
        std::string out_text;  // out.txt afterwards, "R" standing for the report; "": no file
    } cases[] = {
        {"", 0, false, "-m 0801010D", "", 0, "", "R"},
        {"link", 0, false, "-m 0801010D", "", 0, "", "R"},
        {"hard", 0, false, "-m 0801010D", "", 0, "", "R"},
        {"old owned", 0640, false, "-m 0801010D", "", 0, "", "R"},
        // a run without a message or with a missing input leaves the file as it was
        {"old", 0, false, "-", "OBSERVATION/CALL SAMPLING RRN=121\r\n", 0, "", "old\r\n"},
        {"old", 0, false, "- /no/such/input.txt", kAnm, 1, "\"/no/such/input.txt\"", "old\r\n"},
        {"", 0, false, "-", "", 0, "", ""},
        {"old", 0, false, "--keep -m 0101", "", 0, "", "old\r\n"},
        {"old", 0, false, "--keep -m 0801010D", "", 0, "", "old\r\nR"},
        {"old", 0444, true, "-m 0801010D", "", 1, "cannot write the output file \"", "old\r\n"},
        // the user may write the file but not make a temporary file beside it
        {"old closed", 0666, true, "-m 0801010D", "", 0, "", "R"},
    };
    const fs::path out = dir_ / "out.txt";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before + " " + c.options);
        if (c.before == "old owned" && !root) continue;  // only root may give a file away
        for (const std::string& name : names()) fs::remove(dir_ / name);
        if (c.before.starts_with("old") || c.before == "hard") write_file(out, "old\r\n");
        if (c.before == "link")
            write_file(path("target.txt"), "old\r\n"), fs::create_symlink("target.txt", out);
        if (c.before == "hard") fs::create_hard_link(out, dir_ / "other.txt");
        ASSERT_EQ(c.before == "old owned" ? ::chown(out.c_str(), 65534, 65534) : 0, 0);
        if (c.mode != 0) ::chmod(out.c_str(), c.mode);
        if (c.before == "old closed") ::chmod(dir_.c_str(), root ? 0755 : 0555);
        Names after = names();  // and no temporary file
        if (!c.out_text.empty()) after.insert("out.txt");
        const ToolResult r = run_tool(words("--lang en --no-screen " + c.options + " -o " + out.string()),
                                      {.input = c.input, .as_nobody = c.as_nobody});
        ::chmod(dir_.c_str(), 0777);
        EXPECT_EQ(r.exit_code, c.exit_code) << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_EQ(names(), after);
        std::string expected = c.out_text;
        if (expected.ends_with('R')) expected.replace(expected.size() - 1, 1, report + "\r\n");
        EXPECT_EQ(read_file(out.string()), expected);
        struct stat st {};
        if (expected.empty() || ::stat(out.c_str(), &st) != 0) continue;
        EXPECT_EQ(st.st_mode & 07777, c.mode != 0 ? c.mode : new_mode);
        EXPECT_EQ(st.st_uid, c.before == "old owned" ? 65534u : ::geteuid());
        EXPECT_TRUE(c.before != "link" || fs::is_symlink(out));
        EXPECT_TRUE(c.before != "hard" || fs::equivalent(out, dir_ / "other.txt"));
    }
}

TEST_F(Delivery, FifoInputIsReadOnceAndFifoOutputWrittenInPlace) {
    const std::string in = path("in.fifo"), out = path("out.fifo");
    ASSERT_EQ(::mkfifo(in.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(out.c_str(), 0600), 0);
    const std::string body = run_tool({"--lang", "en", "-"}, {.input = kAnm}).out.substr(kHeading.size());
    for (int attempt = 0; attempt < 3; ++attempt) {
        // The output FIFO's reader is there before the tool: the report fits in the pipe.
        const int reader = ::open(out.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        std::thread writer([&in] {
            const int fd = ::open(in.c_str(), O_WRONLY);
            if (fd < 0) return;
            [[maybe_unused]] const ssize_t put = ::write(fd, kAnm.data(), kAnm.size());
            ::close(fd);
        });
        const ToolResult r = run_tool({"--lang", "en", "-o", out, in}, {.timeout_ms = 5000});
        ::close(::open(in.c_str(), O_RDONLY | O_NONBLOCK));  // frees a writer the tool never met
        writer.join();
        std::string got(65536, '\0');
        got.resize(std::max<ssize_t>(0, ::read(reader, got.data(), got.size())));
        ::close(reader);
        EXPECT_EQ(r.exit_code, 0) << r.err;
        EXPECT_EQ(r.out, "   REPORT (File: " + in + ")\r\n" + body) << attempt;
        EXPECT_EQ(got, r.out + "\r\n") << attempt;
        ASSERT_EQ(fs::status(out).type(), fs::file_type::fifo) << attempt;  // not a regular file in its place
    }
    EXPECT_EQ(names(), (Names{"in.fifo", "out.fifo"}));
}

TEST_F(Delivery, StandardOutputThatFailsOrGoesAway) {
    write_file(path("big.txt"), repeated(kAnm, 20000));
    const std::string cannot = "tarn-decode: cannot write to standard output";
    const struct {
        const char* stdout_path;  // standard output goes there ("": a pipe; "closed": none)
        std::size_t close_after;  // the reader goes away after this many bytes (0: never)
        std::string args;
        int exit_code;
        std::string err;
    } cases[] = {
        {"/dev/full", 0, "-o out.txt big.txt", 1, cannot + ": No space left on device\n"},
        {"closed", 0, "-m 0801010D -o out.txt", 1, cannot + ": Bad file descriptor\n"},
        {"/dev/full", 0, "--help", 1, cannot + "\n"},
        // | head: the tool ends at once and quietly, as by SIGPIPE (141 in a shell).
        {"", 1000, "-o out.txt big.txt", 128 + SIGPIPE, ""},
    };
    const fs::path was = fs::current_path();
    fs::current_path(dir_);  // the names in `args` are the folder's
    for (const auto& c : cases) {
        write_file(path("out.txt"), "old\r\n");
        const ToolResult r =
            run_tool(words(c.args), {.stdout_path = c.stdout_path, .close_after = c.close_after});
        EXPECT_EQ(r.exit_code, c.exit_code) << c.args << ": " << r.err;
        EXPECT_EQ(r.err, c.err) << c.args;
        // A failed run leaves the output file as it was, and no temporary file.
        EXPECT_EQ(read_file(path("out.txt")), "old\r\n");
        EXPECT_EQ(names(), (Names{"big.txt", "out.txt"}));
    }
    fs::current_path(was);
}

TEST_F(Delivery, StopSignalDeliversWhatWasDecoded) {
    const std::string one = run_tool({"--lang", "en", "-"}, {.input = kAnm}).out;
    const std::string message = one.substr(kHeading.size(), one.size() - kHeading.size() - kEnd.size());
    const struct {
        int signal, exit_code;
        bool input_stays_open;  // the tool waits for more input when the signal comes
        std::size_t total, signal_after;
    } cases[] = {
        {SIGINT, 130, false, 20000, 100000},
        {SIGTERM, 143, false, 20000, 100000},
        {SIGINT, 130, true, 10, kHeading.size() + 9 * message.size()},
    };
    for (const auto& c : cases) {
        fs::remove(path("out.txt"));
        const ToolResult r =
            run_tool({"--lang", "en", "-o", path("out.txt"), "-"},
                     {.input = repeated(kAnm, c.total),
                      .keep_input_open = c.input_stays_open,
                      .signal = c.signal,
                      .signal_when = [&c](const ToolResult& r) { return r.out.size() >= c.signal_after; },
                      .timeout_ms = 10000});
        EXPECT_EQ(r.exit_code, c.exit_code) << r.err;
        // Heading, whole message reports, the end mark; the output file the same and CR LF.
        ASSERT_GT(r.out.size(), kHeading.size() + kEnd.size()) << c.exit_code;
        const std::size_t reports = (r.out.size() - kHeading.size() - kEnd.size()) / message.size();
        EXPECT_EQ(r.out, kHeading + repeated(message, reports) + kEnd) << c.exit_code;
        EXPECT_TRUE(reports > 0 && reports < c.total) << reports;
        EXPECT_EQ(read_file(path("out.txt")), r.out + "\r\n");
        EXPECT_EQ(names(), Names{"out.txt"});
    }
}

TEST_F(Delivery, MemoryStaysBoundedForEndlessMessages) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves far more address space than any limit here";
#else
    const std::string acm = "X C581400030D30006 16140129010100FF\r\n";
    // Groups that never end: 2 million of them, 34 MB.
    const std::string endless = "C581400030D30009 " + repeated("0102030405060708 ", 2000000) + "\r\n" + acm;
    // One ANM of 16 MB whose optional part is Backward call indicators over and over.
    const std::string digits = "C581400030D3000901" + repeated("11020000", 2000000);
    std::string parameters;
    for (std::size_t i = 0; i + 16 <= digits.size(); i += 16) parameters += digits.substr(i, 16) + " ";
    for (const std::string& input : {endless, parameters + acm}) {
        // the limit is the whole address space, libraries included
        const ToolResult r = run_tool({"--lang", "en", "-"}, {.input = input, .memory_limit = 16ul << 20});
        EXPECT_EQ(r.exit_code, 0) << r.err;
        const std::string cut = " MISTAKE: Message too long: cut after 4096 octets\r\n";
        EXPECT_EQ(count(r.out, cut), 1u);
        // The run goes on with the next message.
        EXPECT_NE(r.out.find(" C581400030D30006 16140129010100FF ", r.out.find(cut)), std::string::npos);
    }
#endif
}

}  // namespace
}  // namespace tarn::test
