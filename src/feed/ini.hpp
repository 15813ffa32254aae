// Reading Tarn.INI, the initialisation file that names the Vantix report server.
#pragma once

#include <string>
#include <string_view>

#include "report/text.hpp"

namespace tarn::feed {

// ReadIniString: the value of `key` in `section` of the Windows initialisation file at
// `path`, or `default_text` when the file, the section or the key is missing. Section
// and key names are compared without regard to letter case; the first section and the
// first key of that name count; blanks around names and values are ignored and one pair
// of quotes around a value is removed; lines beginning with ';' are comments. Like the
// 255-character buffer of GetPrivateProfileString, at most 254 characters are returned.
std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view default_text);

// The Vantix server's address from section "Vantix", keys "RemoteHost" and "RemotePort".
// A comment after a value ("RemotePort = 47123 ; main server") is ignored, as Val reads
// the number before it; any other text after the number makes the port invalid.
enum class AddressProblem { None, NoFile, NoHost, BadPort };
struct FeedAddress {
    std::string host;
    unsigned short port = 0;
    AddressProblem problem = AddressProblem::None;
    std::string port_text;  // the port as written
    bool ok() const { return problem == AddressProblem::None; }
};
FeedAddress read_feed_address(const std::string& ini_path);

// "HOST:PORT" as given on a command line ("[::1]:PORT" for an IPv6 address).
FeedAddress parse_feed_address(std::string_view text);

// What is wrong with an address, for the operator; `source` names where it came from
// (the initialisation file's path, or the command line).
std::string describe_problem(const FeedAddress& address, std::string_view source, Lang lang);

// A decimal TCP port 1-65535 (blanks around it allowed); 0 when the text is not one.
unsigned short parse_port(std::string_view text);

}  // namespace tarn::feed
