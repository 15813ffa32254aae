// The built tool's delivery end to end: what happens to the output file, to standard output
// when it fails or its reader goes away, on SIGINT and SIGTERM, with FIFO inputs, and how
// much memory a run takes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "cli/tool.hpp"

namespace tarn::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMessage = "0801010D";  // DSS1 SETUP ACKNOWLEDGE: a few lines
const std::string kEnd = "\r\n\x03\r\n";      // the end mark of a file report
// One ANM of the sample observation report; in the report file every message has a heading.
const std::string kAnm = " ANM  RECEIVED\r\n    C581400030D30009 012D02010000FFFF\r\n";

std::string repeated(const std::string& text, std::size_t times) {
    std::string all;
    all.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i) all += text;
    return all;
}

class Delivery : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("tarn-delivery-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        // Open to the user nobody, whom the tests run as root use to see a refusal.
        fs::permissions(dir_, fs::perms::all);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    // The names in the folder: a temporary file left behind shows here.
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_)) found.insert(entry.path().filename().string());
        return found;
    }
    fs::path dir_;
};

mode_t mode_of(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

mode_t current_umask() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

TEST_F(Delivery, OutputFileTargets) {
    const std::string report = run_tool({"--lang", "en", "-m", kMessage}).out;
    ASSERT_GT(report.size(), 100u);
    using Dir = const fs::path&;
    const struct {
        const char* name;
        void (*setup)(Dir dir);
        std::vector<std::string> options;  // before -o out.txt
        std::string input;                 // standard input, for "-"
        int exit_code;
        const char* err;  // what standard error holds
        const char*
            out_text;  // what out.txt holds afterwards, "R" standing for the report; nullptr: no out.txt
        std::set<std::string> names;
        void (*check)(Dir dir);  // what else must hold afterwards
    } cases[] = {
        {"a new file gets the usual mode",
         [](Dir) {},
         {"-m", kMessage},
         "",
         0,
         "",
         "R",
         {"out.txt"},
         [](Dir d) { EXPECT_EQ(mode_of((d / "out.txt").string()) & 07777, 0666 & ~current_umask()); }},
        {"a replaced file keeps its mode",
         [](Dir d) {
             write_file((d / "out.txt").string(), "old\r\n");
             ::chmod((d / "out.txt").c_str(), 0600);
         },
         {"-m", kMessage},
         "",
         0,
         "",
         "R",
         {"out.txt"},
         [](Dir d) { EXPECT_EQ(mode_of((d / "out.txt").string()) & 07777, 0600u); }},
        {"a symbolic link is followed and stays a link",
         [](Dir d) {
             write_file((d / "target.txt").string(), "old\r\n");
             fs::create_symlink("target.txt", d / "out.txt");
         },
         {"-m", kMessage},
         "",
         0,
         "",
         "R",
         {"out.txt", "target.txt"},
         [](Dir d) { EXPECT_TRUE(fs::is_symlink(d / "out.txt")); }},
        {"a hard link keeps seeing the file",
         [](Dir d) {
             write_file((d / "out.txt").string(), "old\r\n");
             fs::create_hard_link(d / "out.txt", d / "other.txt");
         },
         {"-m", kMessage},
         "",
         0,
         "",
         "R",
         {"other.txt", "out.txt"},
         [](Dir d) { EXPECT_TRUE(fs::equivalent(d / "out.txt", d / "other.txt")); }},
        {"a link to nothing is refused",
         [](Dir d) { fs::create_symlink("missing.txt", d / "out.txt"); },
         {"-m", kMessage},
         "",
         1,
         "it is a symbolic link to a file that does not exist",
         nullptr,
         {"out.txt"},
         nullptr},
        {"a file without a message leaves the file as it was",
         [](Dir d) { write_file((d / "out.txt").string(), "old\r\n"); },
         {"-"},
         "OBSERVATION/CALL SAMPLING RRN=121\r\n no groups\r\n",
         0,
         "",
         "old\r\n",
         {"out.txt"},
         nullptr},
        {"empty standard input creates no file", [](Dir) {}, {"-"}, "", 0, "", nullptr, {}, nullptr},
        {"--keep with nothing to append creates no file",
         [](Dir) {},
         {"--keep", "-"},
         "\r\n",
         0,
         "",
         nullptr,
         {},
         nullptr},
        {"--keep with nothing to append leaves the file",
         [](Dir d) { write_file((d / "out.txt").string(), "old\r\n"); },
         {"--keep", "-m", "0101"},
         "",
         0,
         "",
         "old\r\n",
         {"out.txt"},
         nullptr},
        {"--keep appends",
         [](Dir d) { write_file((d / "out.txt").string(), "old\r\n"); },
         {"--keep", "-m", kMessage},
         "",
         0,
         "",
         "old\r\nR",
         {"out.txt"},
         nullptr},
    };
    for (const auto& c : cases) {
        for (const std::string& name : names()) fs::remove(dir_ / name);
        c.setup(dir_);
        std::vector<std::string> args = {"--lang", "en", "--no-screen"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {"-o", path("out.txt")});
        const ToolResult r = run_tool(args, c.input);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.name << ": " << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.name << ": " << r.err;
        EXPECT_EQ(names(), c.names) << c.name;
        if (c.out_text == nullptr) {
            EXPECT_FALSE(fs::exists(path("out.txt"))) << c.name;
        } else {
            std::string expected = c.out_text;
            if (expected.back() == 'R') expected.replace(expected.size() - 1, 1, report + "\r\n");
            EXPECT_EQ(read_file(path("out.txt")), expected) << c.name;
        }
        if (c.check != nullptr) {
            SCOPED_TRACE(c.name);
            c.check(dir_);
        }
    }
}

TEST_F(Delivery, OwnerOfAReplacedFileIsKeptByRoot) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another owner";
    write_file(path("out.txt"), "old\r\n");
    ASSERT_EQ(::chown(path("out.txt").c_str(), 65534, 65534), 0);
    ASSERT_EQ(run_tool({"--no-screen", "-m", kMessage, "-o", path("out.txt")}).exit_code, 0);
    struct stat st {};
    ::stat(path("out.txt").c_str(), &st);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
}

TEST_F(Delivery, FileTheUserMayNotWriteIsRefused) {
    write_file(path("out.txt"), "old\r\n");
    ::chmod(path("out.txt").c_str(), 0444);
    ToolRun how;
    how.as_nobody = true;  // root may write any file, as cp may
    const ToolResult r = run_tool({"-m", kMessage, "-o", path("out.txt")}, how);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err,
              "tarn-decode: cannot write the output file \"" + path("out.txt") + "\": Permission denied\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(read_file(path("out.txt")), "old\r\n");
    EXPECT_EQ(names(), std::set<std::string>{"out.txt"});
}

TEST_F(Delivery, FileInAFolderClosedToNewFilesIsRewrittenInPlace) {
    // The user may write the file but not make a temporary file beside it.
    const fs::path closed = dir_ / "closed";
    fs::create_directory(closed);
    const std::string out = (closed / "out.txt").string();
    write_file(out, "old\r\n");
    ::chmod(out.c_str(), 0666);
    ::chmod(closed.c_str(), ::geteuid() == 0 ? 0755 : 0555);  // root's folder is closed to nobody
    ToolRun how;
    how.as_nobody = true;
    const ToolResult r = run_tool({"--lang", "en", "-m", kMessage, "-o", out}, how);
    ::chmod(closed.c_str(), 0755);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(read_file(out), r.out + "\r\n");
    EXPECT_GT(r.out.size(), 100u);
    std::set<std::string> in_closed;
    for (const auto& entry : fs::directory_iterator(closed))
        in_closed.insert(entry.path().filename().string());
    EXPECT_EQ(in_closed, std::set<std::string>{"out.txt"});
}

// A FIFO's writer that writes its text at once and closes.
std::thread quick_writer(const std::string& fifo, const std::string& text) {
    return std::thread([fifo, text] {
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        if (fd < 0) return;
        [[maybe_unused]] const ssize_t put = ::write(fd, text.data(), text.size());
        ::close(fd);
    });
}

// Frees a writer still waiting for a reader of `fifo` when the tool never opened it.
void release_writer(const std::string& fifo) {
    const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
}

std::string read_available(int fd) {
    std::string got;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) got.append(buffer, std::size_t(n));
    return got;
}

TEST_F(Delivery, FifoInputIsReadOnceAndFifoOutputWrittenInPlace) {
    const std::string in = path("in.fifo");
    const std::string out = path("out.fifo");
    ASSERT_EQ(::mkfifo(in.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(out.c_str(), 0600), 0);
    const std::string expected = run_tool({"--lang", "en", "-"}, kAnm).out;
    ASSERT_NE(expected.find("C581400030D30009"), std::string::npos);
    const std::string heading = "   REPORT (File: -)\r\n";
    const std::string body = expected.substr(heading.size());
    for (int attempt = 0; attempt < 6; ++attempt) {
        // The output FIFO's reader is there before the tool: the report fits in the pipe.
        const int reader = ::open(out.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        std::thread writer = quick_writer(in, kAnm);
        ToolRun how;
        how.timeout_ms = 5000;
        const ToolResult r = run_tool({"--lang", "en", "-o", out, in}, how);
        release_writer(in);
        writer.join();
        const std::string got = read_available(reader);
        ::close(reader);
        EXPECT_EQ(r.exit_code, 0) << "attempt " << attempt << ": " << r.err;
        EXPECT_EQ(r.out, "   REPORT (File: " + in + ")\r\n" + body) << "attempt " << attempt;
        EXPECT_EQ(got, r.out + "\r\n") << "attempt " << attempt;
        // Still a FIFO, not a regular file in its place.
        ASSERT_TRUE(S_ISFIFO(mode_of(out))) << "attempt " << attempt;
    }
    EXPECT_EQ(names(), (std::set<std::string>{"in.fifo", "out.fifo"}));
}

TEST_F(Delivery, StandardOutputThatFailsOrGoesAway) {
    write_file(path("big.txt"), repeated(kAnm, 20000));
    const struct {
        const char* name;
        const char* stdout_path;  // standard output goes there ("": a pipe)
        std::size_t close_after;  // the reader goes away after this many bytes (0: never)
        std::vector<std::string> args;
        int exit_code;
        std::string err;
    } cases[] = {
        {"a full device",
         "/dev/full",
         0,
         {"-m", kMessage, "-o", path("out.txt")},
         1,
         "tarn-decode: cannot write to standard output: No space left on device\n"},
        {"a full device, report file",
         "/dev/full",
         0,
         {"-o", path("out.txt"), path("big.txt")},
         1,
         "tarn-decode: cannot write to standard output: No space left on device\n"},
        {"a closed descriptor",
         "closed",
         0,
         {"-m", kMessage, "-o", path("out.txt")},
         1,
         "tarn-decode: cannot write to standard output: Bad file descriptor\n"},
        {"a full device, help text",
         "/dev/full",
         0,
         {"--help"},
         1,
         "tarn-decode: cannot write to standard output\n"},
        // | head: the tool ends at once and quietly, as by SIGPIPE (141 in a shell).
        {"a reader that goes away", "", 1000, {"-o", path("out.txt"), path("big.txt")}, 128 + SIGPIPE, ""},
    };
    for (const auto& c : cases) {
        write_file(path("out.txt"), "old\r\n");
        ToolRun how;
        how.stdout_path = c.stdout_path;
        how.close_after = c.close_after;
        const ToolResult r = run_tool(c.args, how);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.name << ": " << r.err;
        EXPECT_EQ(r.err, c.err) << c.name;
        // A failed run leaves the output file as it was, and no temporary file.
        EXPECT_EQ(read_file(path("out.txt")), "old\r\n") << c.name;
        EXPECT_EQ(names(), (std::set<std::string>{"big.txt", "out.txt"})) << c.name;
    }
}

TEST_F(Delivery, StopSignalDeliversWhatWasDecoded) {
    const std::string one = run_tool({"--lang", "en", "-"}, kAnm).out;
    const std::string heading = "   REPORT (File: -)\r\n";
    ASSERT_GT(one.size(), heading.size() + kEnd.size());
    const std::string message = one.substr(heading.size(), one.size() - heading.size() - kEnd.size());
    const std::size_t total = 20000;
    const std::string input = repeated(kAnm, total);
    const struct {
        const char* name;
        int signal;
        bool input_stays_open;  // the tool waits for more input when the signal comes
        int exit_code;
    } cases[] = {
        {"SIGINT while decoding", SIGINT, false, 130},
        {"SIGTERM while decoding", SIGTERM, false, 143},
        {"SIGINT while waiting for input", SIGINT, true, 130},
    };
    for (const auto& c : cases) {
        for (const std::string& name : names()) fs::remove(dir_ / name);
        ToolRun how;
        how.input = c.input_stays_open ? repeated(kAnm, 10) : input;
        how.keep_input_open = c.input_stays_open;
        how.signal = c.signal;
        how.signal_after = c.input_stays_open ? heading.size() + 9 * message.size() : 100000;
        how.timeout_ms = 10000;
        const ToolResult r = run_tool({"--lang", "en", "-o", path("out.txt"), "-"}, how);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.name << ": " << r.err;
        // Heading, whole message reports, the end mark; the output file the same and CR LF.
        ASSERT_GT(r.out.size(), heading.size() + kEnd.size()) << c.name;
        const std::size_t body = r.out.size() - heading.size() - kEnd.size();
        const std::size_t reports = body / message.size();
        EXPECT_EQ(r.out, heading + repeated(message, reports) + kEnd) << c.name;
        EXPECT_GT(reports, 0u) << c.name;
        EXPECT_LT(reports, c.input_stays_open ? 10u : total) << c.name;
        EXPECT_EQ(read_file(path("out.txt")), r.out + "\r\n") << c.name;
        EXPECT_EQ(names(), std::set<std::string>{"out.txt"}) << c.name;
    }
}

TEST_F(Delivery, LongTypedMessageIsCutLikeAMessageOfAReport) {
    std::string typed = "C581400030D3000901";
    while (typed.size() < 8200) typed += "11020000";  // 8202 digits: 4101 octets
    const ToolResult r = run_tool({"--lang", "en", "-m", typed});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    const std::string cut = " MISTAKE: Message too long: cut after 4096 octets\r\n";
    ASSERT_GT(r.out.size(), cut.size());
    EXPECT_EQ(r.out.substr(r.out.size() - cut.size()), cut);
    // The title line shows the typed text up to the 8192nd digit.
    EXPECT_NE(r.out.find(": " + typed.substr(0, 8192) + "\r\n"), std::string::npos);
    // At the bound exactly nothing is cut.
    EXPECT_EQ(run_tool({"--lang", "en", "-m", typed.substr(0, 8192)}).out.find("MISTAKE: Message too long"),
              std::string::npos);
}

TEST_F(Delivery, MemoryStaysBoundedForEndlessMessages) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves far more address space than any limit here";
#else
    const std::string acm = "C581400030D30006 16140129010100FF";
    // Groups that never end: 2 million of them, 34 MB.
    std::string endless =
        "C581400030D30009 " + repeated("0102030405060708 ", 2000000) + "\r\nX " + acm + "\r\n";
    // One ANM of 16 MB whose optional part is Backward call indicators over and over.
    std::string digits = "C581400030D3000901" + repeated("11020000", 2000000);
    digits.resize(digits.size() / 16 * 16);
    std::string parameters;
    for (std::size_t i = 0; i < digits.size(); i += 16) parameters += digits.substr(i, 16) + " ";
    parameters += "X " + acm;
    const struct {
        const char* name;
        const std::string& input;
    } cases[] = {{"endless groups", endless}, {"many optional parameters", parameters}};
    for (const auto& c : cases) {
        ToolRun how;
        how.input = c.input;
        how.memory_limit = 16ul << 20;  // the whole address space, libraries included
        for (const char* lang : {"en", "ru"}) {
            const ToolResult r = run_tool({"--lang", lang, "-"}, how);
            EXPECT_EQ(r.exit_code, 0) << c.name << ": " << r.err;
            const std::string cut =
                std::string(lang) == "en"
                    ? " MISTAKE: Message too long: cut after 4096 octets\r\n"
                    : " ОШИБКА: сообщение слишком длинное - обрезано после 4096 октетов\r\n";
            const std::size_t at = r.out.find(cut);
            EXPECT_NE(at, std::string::npos) << c.name;
            EXPECT_EQ(r.out.find(cut, at + 1), std::string::npos) << c.name;
            // The run goes on with the next message.
            EXPECT_NE(r.out.find(" C581400030D30006 16140129010100FF ", at), std::string::npos) << c.name;
        }
    }
#endif
}

}  // namespace
}  // namespace tarn::test
