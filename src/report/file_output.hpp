// Writing delivered reports to the output file: one writer for the window and the tool.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarn {

// Reports are built in UTF-8; report files kept on Russian Windows systems are often in
// Windows-1251, so the output may be written in either.
enum class Encoding { Utf8, Cp1251 };

std::string encode(std::string_view utf8, Encoding encoding);

// Writes all of `bytes` to descriptor `fd`, through interruptions and a descriptor that
// would block; 0, or the errno of the failure.
int write_all(int fd, std::string_view bytes);

// The output file of one delivery. The report is written to it piece by piece and put in
// place only by commit(), so a run that fails or is given up leaves the old file whole.
//
// - A regular file is replaced atomically: the report goes to a temporary file of a unique
//   name in the file's own folder, which takes the old file's mode (and its owner, where
//   the process may give it), and is renamed over the file at commit. A symbolic link is
//   followed: its target is replaced and the link stays.
// - A file with more than one hard link, or one in a folder where no temporary file can be
//   made, is rewritten in place at commit, so that every name of it sees the new report.
// - With `keep` the report is appended to the file at commit; a missing file is created.
// - A file that is not a regular file (a device, a FIFO, a terminal) is written in place as
//   the report goes.
// - open() refuses a file the user may not write, a folder and a link to nothing.
// - A delivery that wrote nothing leaves the file as it was, and creates none.
class ReportFile {
public:
    ReportFile() = default;
    ~ReportFile() { discard(); }
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    // Checks the target and prepares the delivery: "" or a message that names the file.
    std::string open(const std::string& path, bool keep);

    // Adds report bytes, already in the output character set. False once a write failed;
    // error() then says why.
    bool write(std::string_view bytes);

    // Puts what was written in place: "" or a message that names the file (the target then
    // stays as it was, except a special file, which has had what was written).
    std::string commit();

    // Gives the delivery up: the temporary file goes, the target stays as it was.
    void discard();

    bool is_open() const { return mode_ != Mode::Closed; }
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    // The errno of the failure; 0 when none happened or it has none (a link to nothing).
    int error_number() const { return error_number_; }
    std::size_t written() const { return written_; }

private:
    enum class Mode { Closed, InPlace, Replace, Rewrite, Append };

    std::string refuse(const char* why, int error_number = 0);
    std::string refuse(int error_number);
    bool flush();
    std::string copy_into_target();

    Mode mode_ = Mode::Closed;
    std::string path_;    // as given, for the messages
    std::string target_;  // the file that gets the report (a link's target)
    std::string temp_;    // the named temporary file of a replacement
    int fd_ = -1;         // the temporary file, or the target written in place
    std::string buffer_;
    std::size_t written_ = 0;
    std::string error_;
    int error_number_ = 0;
};

// Writes `report` followed by CR LF to `path` in one delivery of a ReportFile: appended
// with `keep`, otherwise replacing the old contents. Returns "" on success, else a message
// that names the file, with errno set to the cause (0 when it has none).
std::string write_report_file(const std::string& path, std::string_view report, bool keep,
                              Encoding encoding = Encoding::Utf8);

}  // namespace tarn
