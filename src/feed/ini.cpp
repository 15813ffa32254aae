#include "feed/ini.hpp"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "report/convert.hpp"

namespace tarn::feed {

namespace {

constexpr std::size_t kMaxValue = 254;  // a 255-character buffer less its terminating zero

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower_ascii(a[i]) != lower_ascii(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view default_text) {
    std::ifstream in(path, std::ios::binary);
    std::string result(default_text);
    if (!in) return result.substr(0, kMaxValue);
    bool in_section = false;
    bool first_line = true;
    std::string line;
    while (std::getline(in, line)) {
        std::string_view text(line);
        if (first_line && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // UTF-8 mark
        first_line = false;
        text = trim(text);
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '[') {
            const std::size_t close = text.find(']');
            const std::string_view name =
                trim(text.substr(1, close == std::string_view::npos ? text.size() - 1 : close - 1));
            if (in_section) break;  // the first section of that name is the one read
            in_section = same_name(name, section);
            continue;
        }
        if (!in_section) continue;
        const std::size_t eq = text.find('=');
        if (eq == std::string_view::npos || !same_name(trim(text.substr(0, eq)), key)) continue;
        std::string_view value = trim(text.substr(eq + 1));
        if (value.size() >= 2 && ((value.front() == '"' && value.back() == '"') ||
                                  (value.front() == '\'' && value.back() == '\''))) {
            value = value.substr(1, value.size() - 2);
        }
        result = value;
        break;
    }
    return result.substr(0, kMaxValue);
}

unsigned short parse_port(std::string_view text) {
    text = trim(text);
    if (text.empty() || text.size() > 5) return 0;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value <= 65535 ? static_cast<unsigned short>(value) : 0;
}

namespace {

// GetPrivateProfileString keeps a comment written after a value ("47123 ; main server");
// Val then reads the number before it. A host name or a port holds no ';', so the value
// ends there.
std::string without_comment(std::string_view value) {
    return std::string(trim(value.substr(0, value.find(';'))));
}

// Reads the port and says what is missing or wrong in a host and port pair.
FeedAddress checked(FeedAddress address, std::string_view port) {
    address.port = parse_port(port);
    if (address.host.empty()) {
        address.problem = AddressProblem::NoHost;
    } else if (address.port == 0) {
        address.problem = AddressProblem::BadPort;
    }
    return address;
}

}  // namespace

FeedAddress read_feed_address(const std::string& ini_path) {
    FeedAddress address;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(ini_path, ec)) {
        address.problem = AddressProblem::NoFile;
        return address;
    }
    address.host = without_comment(ReadIniString(ini_path, "Vantix", "RemoteHost", ""));
    address.port_text = ReadIniString(ini_path, "Vantix", "RemotePort", "");
    const std::string port = without_comment(address.port_text);
    return checked(std::move(address), port);
}

FeedAddress parse_feed_address(std::string_view text) {
    FeedAddress address;
    const std::size_t colon = text.rfind(':');
    std::string_view host = colon == std::string_view::npos ? text : text.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    address.host = host;
    address.port_text = colon == std::string_view::npos ? std::string_view{} : text.substr(colon + 1);
    const std::string port = address.port_text;
    return checked(std::move(address), port);
}

std::string describe_problem(const FeedAddress& address, std::string_view source, Lang lang) {
    const bool en = lang == Lang::English;
    const std::string from(source);
    switch (address.problem) {
        case AddressProblem::None:
            return {};
        case AddressProblem::NoFile:
            return en ? "the initialisation file " + from + " is missing: the feed cannot connect"
                      : "Не найден файл настроек " + from + ": подключение к Vantix невозможно.";
        case AddressProblem::NoHost:
            return en ? from + " gives no server host (section [Vantix], key RemoteHost)"
                      : "В " + from + " не задан адрес сервера (раздел [Vantix], ключ RemoteHost).";
        case AddressProblem::BadPort:
            return en ? from + " gives no valid port \"" + address.port_text +
                            "\" (section [Vantix], key RemotePort: a number from 1 to 65535)"
                      : "В " + from + " неверный номер порта \"" + address.port_text +
                            "\" (раздел [Vantix], ключ RemotePort: число от 1 до 65535).";
    }
    return {};
}

}  // namespace tarn::feed
