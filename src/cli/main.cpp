// tarn-decode: decodes DSS1 and ISUP messages given as hex text, from a typed message,
// report files or standard input, and writes the same report as the window.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/feed.hpp"
#include "cli/output.hpp"
#include "cli/structured.hpp"
#include "report/report.hpp"
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
    "  -h, --help              show this help\n"
    "      --version           show the version\n";

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
};

[[noreturn]] void usage_error(const std::string& what) {
    std::cerr << "tarn-decode: " << what << "\n\n" << kUsage;
    std::exit(2);
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
            std::cout << kUsage;
            std::exit(0);
        } else if (arg == "--version") {
            std::cout << "tarn-decode " << TARN_VERSION << "\n";
            std::exit(0);
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
    if (opt.have_filter && !opt.feed) usage_error("--filter works with --feed only");
    if (opt.have_message && !opt.inputs.empty()) usage_error("give either a message or files, not both");
    if (!opt.feed && !opt.have_message && opt.inputs.empty()) usage_error("nothing to decode");
    if (opt.format == tarn::Format::Json && opt.output.encoding != Encoding::Utf8)
        usage_error("JSON is written in UTF-8 only");
    return opt;
}

int fail(const std::string& what) {
    std::cout.flush();
    std::fflush(stdout);
    std::cerr << "tarn-decode: " << what << "\n";
    return 1;
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
    if (opt.format != tarn::Format::Text) {
        tarn::cli::Outputs outputs(opt.output);
        if (!tarn::single_message_digits(box)) {
            std::cerr << tarn::kBadInputTitle << ": " << tarn::kBadInputText << "\n";
            return 1;
        }
        if (std::string err = outputs.open(); !err.empty()) return fail(err);
        tarn::cli::StructuredOutput structured(outputs, opt.format);
        structured.typed(session, box);
        if (!structured.started()) return 0;  // not decoded: the output file stays as it was
        if (std::string err = outputs.commit(); !err.empty()) return fail(err);
        return 0;
    }
    tarn::SingleResult result = tarn::decode_single(session, box);
    if (!result.valid) {
        std::cerr << tarn::kBadInputTitle << ": " << tarn::kBadInputText << "\n";
        return 1;
    }
    tarn::cli::Outputs outputs(opt.output);
    if (std::string err = outputs.open(); !err.empty()) return fail(err);
    // No decoder recognised the message: nothing is delivered, the output file stays as it was.
    if (tarn::is_empty_report(result.report)) return 0;
    outputs.screen(result.report);
    outputs.file(result.report);
    outputs.file("\r\n");
    if (std::string err = outputs.commit(); !err.empty()) return fail(err);
    return 0;
}

// The path shown in a file report's heading: the full path of the file.
std::string heading_path(const std::string& input) {
    if (input == "-") return input;
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(input, ec);
    return ec ? input : full.lexically_normal().string();
}

// Decodes one input as one multi-message run, streaming it in bounded memory.
bool decode_input(const Options& opt, const std::string& input, std::istream& in, tarn::cli::Outputs& outputs,
                  tarn::cli::StructuredOutput& structured, std::string& error) {
    tarn::Session session;
    session.settings.lang = opt.lang;
    session.settings.input = tarn::InputMode::File;
    tarn::cli::StreamedReport report(outputs, tarn::file_heading(opt.lang, heading_path(input)));
    tarn::MultiRun run = opt.format != tarn::Format::Text
                             ? structured.run(session, heading_path(input))
                             : tarn::MultiRun(session, [&report](std::string&& lines) { report.add(lines); });
    std::vector<char> chunk(1 << 16);
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        run.feed(std::string_view(chunk.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (in.bad()) {
        error = "cannot read the input file \"" + input + "\"";
        return false;
    }
    run.finish();
    report.finish();
    return true;
}

int decode_inputs(const Options& opt) {
    for (const std::string& input : opt.inputs) {
        if (input == "-") continue;
        std::error_code ec;
        if (std::filesystem::is_directory(input, ec))
            return fail("cannot read the input file \"" + input + "\": it is a folder");
        std::ifstream probe(input, std::ios::binary);
        if (!probe) return fail("cannot read the input file \"" + input + "\": " + std::strerror(errno));
    }
    tarn::cli::Outputs outputs(opt.output);
    if (std::string err = outputs.open(); !err.empty()) return fail(err);
    tarn::cli::StructuredOutput structured(outputs, opt.format);
    for (const std::string& input : opt.inputs) {
        std::string error;
        bool ok = false;
        if (input == "-") {
            ok = decode_input(opt, input, std::cin, outputs, structured, error);
        } else {
            std::ifstream in(input, std::ios::binary);
            if (!in) return fail("cannot read the input file \"" + input + "\": " + std::strerror(errno));
            ok = decode_input(opt, input, in, outputs, structured, error);
        }
        if (!ok) return fail(error);
    }
    std::fflush(stdout);
    if (std::string err = outputs.commit(); !err.empty()) return fail(err);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const Options opt = parse(argc, argv);
    if (opt.feed)
        return tarn::cli::run_feed({opt.feed_address, opt.filter, opt.lang, opt.output, opt.format}, argv[0]);
    return opt.have_message ? decode_message(opt) : decode_inputs(opt);
}
