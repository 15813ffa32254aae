#include "report/file_output.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "report/convert.hpp"

namespace tarn {

std::string encode(std::string_view utf8, Encoding encoding) {
    return encoding == Encoding::Cp1251 ? utf8_to_cp1251(utf8) : std::string(utf8);
}

namespace {

std::string failure(const std::string& path, const char* what) {
    std::string message = "cannot write the output file \"" + path + "\"";
    if (what != nullptr && *what != '\0') message += std::string(": ") + what;
    return message;
}

}  // namespace

std::string write_report_file(const std::string& path, std::string_view report, bool keep,
                              Encoding encoding) {
    std::string bytes = encode(report, encoding);
    bytes += "\r\n";
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return failure(path, "it is a folder");
    if (keep) {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        if (!out) return failure(path, std::strerror(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) return failure(path, std::strerror(errno));
        return {};
    }
    const fs::path target(path);
    fs::path temp = target;
    temp += ".tarn-tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return failure(path, std::strerror(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int saved = errno;
            out.close();
            fs::remove(temp, ec);
            return failure(path, std::strerror(saved));
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return failure(path, "the file cannot be replaced");
    }
    return {};
}

}  // namespace tarn
