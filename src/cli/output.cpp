#include "cli/output.hpp"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "report/report.hpp"

namespace tarn::cli {

namespace fs = std::filesystem;

namespace {

std::string cannot_write(const std::string& path, const std::string& why) {
    return "cannot write the output file \"" + path + "\": " + why;
}

}  // namespace

Outputs::~Outputs() {
    if (file_.is_open()) file_.close();
    if (!temp_.empty()) {
        std::error_code ec;
        fs::remove(temp_, ec);
    }
}

std::string Outputs::open() {
    if (options_.out_path.empty()) return {};
    const std::string& path = options_.out_path;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return cannot_write(path, "it is a folder");
    if (options_.keep && fs::exists(path, ec)) {
        std::ofstream probe(path, std::ios::binary | std::ios::app);
        if (!probe) return cannot_write(path, std::strerror(errno));
    }
    temp_ = fs::path(path);
    temp_ += ".tarn-tmp";
    file_.open(temp_, std::ios::binary | std::ios::trunc);
    if (!file_) {
        const std::string why = std::strerror(errno);
        temp_.clear();
        return cannot_write(path, why);
    }
    return {};
}

void Outputs::screen(std::string_view utf8) {
    if (!options_.screen) return;
    const std::string bytes = encode(utf8, options_.encoding);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void Outputs::file(std::string_view utf8) {
    if (!file_.is_open()) return;
    const std::string bytes = encode(utf8, options_.encoding);
    file_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file_) failed_ = true;
}

std::string Outputs::commit() {
    if (!file_.is_open()) return {};
    const std::string& path = options_.out_path;
    file_.flush();
    const bool ok = static_cast<bool>(file_) && !failed_;
    file_.close();
    if (!ok) return cannot_write(path, "write failed");
    std::error_code ec;
    if (options_.keep) {
        std::ifstream in(temp_, std::ios::binary);
        std::ofstream out(path, std::ios::binary | std::ios::app);
        if (!in || !out) return cannot_write(path, std::strerror(errno));
        out << in.rdbuf();
        out.flush();
        if (!out) return cannot_write(path, "write failed");
        in.close();
        fs::remove(temp_, ec);
    } else {
        fs::rename(temp_, path, ec);
        if (ec) return cannot_write(path, ec.message());
    }
    temp_.clear();
    return {};
}

void StreamedReport::both(std::string_view text) {
    outputs_.screen(text);
    outputs_.file(text);
}

void StreamedReport::add(std::string_view message_report) {
    if (!started_) {
        // The run is delivered once its buffer holds more than one character.
        pending_ += message_report;
        if (pending_.size() <= 1) return;
        started_ = true;
        both(heading_);
        both("\r\n");
        both(pending_);
        pending_.clear();
        return;
    }
    both(message_report);
}

void StreamedReport::finish() {
    if (!started_) return;
    outputs_.screen(kReportEnd);
    // The output file gets every delivered report followed by one more CR LF.
    std::string end(kReportEnd);
    end += "\r\n";
    outputs_.file(end);
}

}  // namespace tarn::cli
