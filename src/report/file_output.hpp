// Writing delivered reports to the output file.
#pragma once

#include <string>
#include <string_view>

namespace tarn {

// Reports are built in UTF-8; report files kept on Russian Windows systems are often in
// Windows-1251, so the output may be written in either.
enum class Encoding { Utf8, Cp1251 };

std::string encode(std::string_view utf8, Encoding encoding);

// Writes `report` followed by CR LF to `path`: appended with `keep`, otherwise replacing
// the old contents. A replacement is written to a temporary file beside the target and
// renamed over it, so a failed write leaves the old file whole. Returns an empty string
// on success, else a message that names the file.
std::string write_report_file(const std::string& path, std::string_view report, bool keep,
                              Encoding encoding = Encoding::Utf8);

}  // namespace tarn
