#include "run/run.hpp"

#include <cstring>

#include "dss1/dss1.hpp"
#include "isup/isup.hpp"
#include "report/convert.hpp"
#include "report/report.hpp"

namespace tarn {

namespace {

bool is_separator(char c) {
    return c == ' ' || c == '\r' || c == '\n' || c == kEtx;
}

std::string_view trim_blanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

}  // namespace

bool ProtocolDispatch(Context& ctx, std::string_view message) {
    if (message.substr(0, 2) == "08") {
        dss1::DEC_DSS(ctx, message);
        return true;
    }
    if (message.size() >= 2 && message[1] == '5') {
        isup::DEC_SS(ctx, message);
        return true;
    }
    return false;
}

std::string decode_message(Session& session, std::string_view message) {
    Context ctx(session.settings.lang, false, FormatOutMessage(message));
    ProtocolDispatch(ctx, message);
    return ctx.take_screen();
}

std::optional<std::string> single_message_digits(std::string_view box) {
    std::string message;
    message.reserve(box.size());
    for (char c : box) {
        if (c == ' ' || c == '\r' || c == '\n') continue;
        if (!is_hex_digit(c)) return std::nullopt;
        message += (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return message;
}

SingleResult decode_single(Session& session, std::string& box) {
    box = std::string(trim_blanks(box));
    const std::optional<std::string> message = single_message_digits(box);
    if (!message) return {};  // rejected: nothing of it is kept for a later run
    Context ctx(session.settings.lang, true, box);
    ProtocolDispatch(ctx, *message);
    return {true, ctx.take_screen()};
}

std::string message_cut_line(Lang lang, std::size_t octets) {
    // Whole groups are kept, so the count is a multiple of 8 and the genitive plural
    // ("после 4096 октетов") always fits.
    constexpr Text kCut{" MISTAKE: Message too long: cut after ",
                        " ОШИБКА: сообщение слишком длинное - обрезано после "};
    constexpr Text kOctets{" octets", " октетов"};
    std::string line(kCut.pick(lang));
    line += std::to_string(octets);
    line += kOctets.pick(lang);
    line += kCrLf;
    return line;
}

void MultiRun::feed(std::string_view text) {
    const char* const end = text.data() + text.size();
    chunk_ = text.data();
    counted_ = text.data();
    for (const char* p = text.data(); p != end; ++p) {
        const char c = *p;
        if (is_separator(c)) {
            if (!token_.empty()) end_token(p);
        } else if (token_.size() < 17) {
            token_ += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        } else {
            token_long_ = true;  // only its length matters now: it is no group
        }
    }
    if (decode_) line_at(end);  // the lines of the rest of the piece, for the positions
    chunk_ = counted_ = nullptr;
}

std::size_t MultiRun::line_at(const char* at) {
    // Nothing of the piece before `counted_` is left to count; a token begun in an earlier
    // piece holds no line end, so its line is the one the piece began on.
    if (at == nullptr || at <= counted_) return line_;
    for (const char* p = counted_;
         (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(at - p)))) != nullptr;
         ++p)
        ++line_;
    counted_ = at;
    return line_;
}

void MultiRun::end_token(const char* at) {
    if (token_.empty()) return;
    if (token_.size() == 16 && !token_long_ && is_hex(token_)) {
        // The group began 16 characters before the separator `at` (or in an earlier piece).
        if (txtM_.empty() && decode_)
            message_line_ = line_at(at != nullptr && at - chunk_ >= 16 ? at - 16 : chunk_);
        if (txtM_.size() + 16 <= max_digits_) {
            txtM_ += token_;  // one more group of the message being collected
        } else {
            cut_ = true;  // beyond the bound: the message goes on, its digits are dropped
        }
    } else if (!txtM_.empty()) {
        end_message();  // any other token ends the message
    }
    token_.clear();
    token_long_ = false;
}

void MultiRun::end_message() {
    std::string report = decode_ ? decode_(txtM_, MessageAt{messages_ + 1, message_line_, cut_})
                                 : decode_message(session_, txtM_);
    if (cut_ && !report.empty()) report += message_cut_line(session_.settings.lang, txtM_.size() / 2);
    cut_ = false;
    txtM_.clear();
    ++messages_;
    sink_(std::move(report));
}

void MultiRun::finish() {
    end_token(nullptr);
    if (!txtM_.empty()) end_message();
}

void decode_multi(Session& session, std::string_view text) {
    MultiRun run(session, [&session](std::string&& report) { session.txtBuffer += report; });
    run.feed(text);
    run.finish();
}

Output OUTSET(Session& session, std::string screen, std::string_view feed_heading_line) {
    const Settings& s = session.settings;
    Output out;
    if (s.input != InputMode::Single) {
        screen = std::move(session.txtBuffer);
        session.txtBuffer.clear();
        if (s.input == InputMode::Feed && s.filter && !contains_ignoring_case(screen, s.filter_text)) {
            return out;  // the filter drops the report
        }
    } else if (is_empty_report(screen)) {
        out.clear_screen = !s.keep;
        return out;
    }
    if (s.input == InputMode::Feed && is_empty_report(screen)) return out;
    switch (s.input) {
        case InputMode::File:
            out.report = frame_report(file_heading(s.lang, s.input_path), screen);
            break;
        case InputMode::Feed:
            out.report = frame_report(feed_heading_line, screen);
            break;
        case InputMode::Single:
            out.report = std::move(screen);
            break;
    }
    out.deliver = true;
    return out;
}

RunResult START_DECODING(Session& session, std::string& box, std::string_view feed_heading_line) {
    RunResult result;
    if (session.settings.input == InputMode::Single) {
        SingleResult single = decode_single(session, box);
        if (!single.valid) {
            result.valid = false;
            return result;
        }
        result.output = OUTSET(session, std::move(single.report));
        return result;
    }
    session.txtBuffer.clear();
    decode_multi(session, box);
    if (session.txtBuffer.size() > 1) result.output = OUTSET(session, {}, feed_heading_line);
    return result;
}

}  // namespace tarn
