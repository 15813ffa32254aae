#include "report/file_output.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <random>

#include "report/convert.hpp"

namespace tarn {

std::string encode(std::string_view utf8, Encoding encoding) {
    return encoding == Encoding::Cp1251 ? utf8_to_cp1251(utf8) : std::string(utf8);
}

namespace {

constexpr std::size_t kBufferBytes = std::size_t{1} << 16;

// For a call whose failure leaves nothing more to do.
void unchecked(int /*result*/) {}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Creates a new file "<folder>/<name>.tarn-XXXXXX" with a random, unused suffix; the fd,
// or -1 with errno set. `made` receives its path.
int make_temp(const std::string& folder, const std::string& name, mode_t mode, std::string& made) {
    static std::mt19937_64 random(
        std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = (folder == "/" ? "" : folder) + "/" + name + ".tarn-";
        for (int i = 0; i < 6; ++i) path += kLetters[random() % (sizeof kLetters - 1)];
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (fd >= 0) {
            made = std::move(path);
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

// An unnamed temporary file that holds a report until it is copied into its target: made
// in the target's folder (the same file system), else, for a target that exists already,
// in TMPDIR.
int make_holding_file(const std::string& folder, const std::string& name, bool elsewhere) {
    std::string made;
    int fd = make_temp(folder, name, 0600, made);
    if (fd < 0 && elsewhere && (errno == EACCES || errno == EPERM)) {
        const char* tmp = std::getenv("TMPDIR");
        fd = make_temp(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp", "tarn", 0600, made);
    }
    if (fd >= 0) ::unlink(made.c_str());  // gone with the process, whatever ends it
    return fd;
}

}  // namespace

int write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(put));
        } else if (put < 0 && errno == EINTR) {
            continue;
        } else if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, -1);
        } else {
            return put < 0 ? errno : EIO;
        }
    }
    return 0;
}

std::string ReportFile::refuse(const char* why, int error_number) {
    error_ = "cannot write the output file \"" + path_ + "\": " + why;
    error_number_ = error_number;
    return error_;
}

std::string ReportFile::refuse(int error_number) {
    return refuse(std::strerror(error_number), error_number);
}

std::string ReportFile::open(const std::string& path, bool keep) {
    discard();
    path_ = path;
    error_.clear();
    error_number_ = 0;
    struct stat st {};
    bool exists = true;
    if (::stat(path.c_str(), &st) != 0) {
        const int err = errno;
        struct stat link {};
        if (err == ENOENT && ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
            return refuse("it is a symbolic link to a file that does not exist");
        if (err != ENOENT) return refuse(err);
        exists = false;
        target_ = path;
    } else if (S_ISDIR(st.st_mode)) {
        return refuse("it is a folder", EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        // A device, a FIFO, a terminal, a socket: there is nothing to replace, the report
        // goes straight into it.
        fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY);
        if (fd_ < 0) return refuse(errno);
        target_ = path;
        mode_ = Mode::InPlace;
        return {};
    } else {
        char* real = ::realpath(path.c_str(), nullptr);
        if (real == nullptr) return refuse(errno);
        target_ = real;
        std::free(real);
        // The file itself must be writable by this user, as for cp.
        const int probe = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (probe < 0) return refuse(errno);
        ::close(probe);
    }
    const std::string folder = folder_of(target_);
    const std::string name = name_of(target_);
    if (keep || (exists && st.st_nlink > 1)) {
        fd_ = make_holding_file(folder, name, exists);
        if (fd_ < 0) return refuse(errno);
        mode_ = keep ? Mode::Append : Mode::Rewrite;
        return {};
    }
    // A new file gets the usual mode (0666 less the umask); a replaced one keeps its own.
    fd_ = make_temp(folder, name, exists ? 0600 : 0666, temp_);
    if (fd_ < 0) {
        if (!exists || (errno != EACCES && errno != EPERM)) return refuse(errno);
        // The folder is closed to new files but the file may be written: rewrite it.
        fd_ = make_holding_file(folder, name, true);
        if (fd_ < 0) return refuse(errno);
        mode_ = Mode::Rewrite;
        return {};
    }
    if (exists) {
        // Another owner can be given by root only; the group by a member of it. Either may
        // fail without harm: the file is then the user's, with the old mode.
        if (::fchown(fd_, st.st_uid, st.st_gid) != 0)
            unchecked(::fchown(fd_, static_cast<uid_t>(-1), st.st_gid));
        ::fchmod(fd_, st.st_mode & 07777);
    }
    mode_ = Mode::Replace;
    return {};
}

bool ReportFile::write(std::string_view bytes) {
    if (mode_ == Mode::Closed || failed()) return false;
    written_ += bytes.size();
    if (buffer_.size() + bytes.size() < kBufferBytes) {
        buffer_ += bytes;
        return true;
    }
    if (!flush()) return false;
    if (bytes.size() < kBufferBytes) {
        buffer_ += bytes;
        return true;
    }
    if (const int err = write_all(fd_, bytes); err != 0) {
        refuse(err);
        return false;
    }
    return true;
}

bool ReportFile::flush() {
    if (failed()) return false;
    const int err = write_all(fd_, buffer_);
    buffer_.clear();
    if (err != 0) refuse(err);
    return err == 0;
}

std::string ReportFile::copy_into_target() {
    const int flags =
        O_WRONLY | O_CLOEXEC | O_NOCTTY | (mode_ == Mode::Append ? O_APPEND | O_CREAT : O_TRUNC);
    const int out = ::open(target_.c_str(), flags, 0666);
    if (out < 0) return refuse(errno);
    struct stat st {};
    const off_t before = ::fstat(out, &st) == 0 ? st.st_size : 0;
    int err = ::lseek(fd_, 0, SEEK_SET) == 0 ? 0 : errno;
    std::string chunk(kBufferBytes, '\0');
    while (err == 0) {
        const ssize_t got = ::read(fd_, chunk.data(), chunk.size());
        if (got == 0) break;
        if (got < 0) {
            if (errno != EINTR) err = errno;
            continue;
        }
        err = write_all(out, std::string_view(chunk.data(), static_cast<std::size_t>(got)));
    }
    // An append that did not go through is taken back, so the file keeps what it had.
    if (err != 0 && mode_ == Mode::Append) unchecked(::ftruncate(out, before));
    if (::close(out) != 0 && err == 0) err = errno;
    return err == 0 ? std::string() : refuse(err);
}

std::string ReportFile::commit() {
    if (mode_ == Mode::Closed) return error_;
    if (!flush()) {
        discard();
        return error_;
    }
    std::string error;
    switch (mode_) {
        case Mode::InPlace:
            if (::close(fd_) != 0) error = refuse(errno);
            fd_ = -1;
            break;
        case Mode::Replace:
            if (written_ == 0) break;  // nothing decoded: the old file stays
            if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
                error = refuse(errno);
            } else if (::rename(temp_.c_str(), target_.c_str()) != 0) {
                error = refuse(errno);
            } else {
                temp_.clear();
            }
            fd_ = -1;
            break;
        case Mode::Rewrite:
        case Mode::Append:
            if (written_ > 0) error = copy_into_target();
            break;
        case Mode::Closed:
            break;
    }
    discard();
    error_ = error;
    return error;
}

void ReportFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
    buffer_.clear();
    written_ = 0;
    mode_ = Mode::Closed;
}

std::string write_report_file(const std::string& path, std::string_view report, bool keep,
                              Encoding encoding) {
    ReportFile file;
    if (std::string error = file.open(path, keep); !error.empty()) {
        errno = file.error_number();
        return error;
    }
    std::string bytes = encode(report, encoding);
    bytes += "\r\n";
    file.write(bytes);
    std::string error = file.commit();
    errno = file.error_number();  // the cause, for a caller that words it itself
    return error;
}

}  // namespace tarn
