#include "run/run.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "dss1/dss1.hpp"
#include "isup/isup.hpp"
#include "report/convert.hpp"
#include "report/report.hpp"
#include "run/tokens.hpp"

namespace tarn {

namespace {

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
    std::string report;
    std::string dump;
    decode_message(session, message, report, dump);
    return report;
}

void decode_message(Session& session, std::string_view message, std::string& out, std::string& dump) {
    dump.clear();
    append_message_dump(dump, message);
    Context ctx(session.settings.lang, false, dump, AppendTo{out});
    ProtocolDispatch(ctx, message);
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
    chunk_ = counted_ = text.data();
    scan(text.data(), text.data() + text.size());
    if (decode_) line_at(text.data() + text.size());  // the lines of the rest of the piece, for the positions
    chunk_ = counted_ = nullptr;
}

void MultiRun::scan(const char* p, const char* const end) {
    if (token_size_ > 0) {
        // The token the last feed ended in goes on up to the next separator.
        const char* q = tokens::find_separator(p, end);
        for (; p < q && token_size_ < sizeof token_; ++p) token_[token_size_++] = *p;
        token_size_ += static_cast<std::size_t>(q - p);
        p = q;
        if (p == end) return;
        token(token_, token_size_);
        token_size_ = 0;
    }
    while (p < end) {
        if (tokens::is_separator(*p)) {
            p = tokens::skip_separators(p + 1, end);
            continue;
        }
        // The common token: a whole group followed by its separator.
        if (end - p > static_cast<std::ptrdiff_t>(tokens::kGroup) &&
            tokens::is_separator(p[tokens::kGroup])) {
            if (const tokens::Group g = tokens::group_at(p); g != tokens::Group::None) {
                group(p, g);
                p += tokens::kGroup + 1;
                continue;
            }
        }
        const char* q = tokens::find_separator(p + 1, end);
        const auto size = static_cast<std::size_t>(q - p);
        if (q == end) {
            // Kept for the next feed: only the first 16 characters can matter.
            std::copy(p, p + std::min(size, sizeof token_), token_);
            token_size_ = size;
            return;
        }
        token(p, size);
        p = q + 1;
    }
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

// One whole token: a group joins the message being collected, any other token ends it.
void MultiRun::token(const char* first, std::size_t size) {
    const tokens::Group g = size == tokens::kGroup ? tokens::group_at(first) : tokens::Group::None;
    if (g != tokens::Group::None) {
        group(first, g);
    } else if (!txtM_.empty()) {
        end_message();
    }
}

// `first` is in the piece being fed, or the kept start of a token begun in an earlier one.
void MultiRun::group(const char* first, tokens::Group kind) {
    if (txtM_.empty() && decode_) message_line_ = line_at(first == token_ ? chunk_ : first);
    if (txtM_.size() + tokens::kGroup > max_digits_) {
        cut_ = true;  // beyond the bound: the message goes on, its digits are dropped
        return;
    }
    if (kind == tokens::Group::AsIs) {
        txtM_.append(first, tokens::kGroup);
        return;
    }
    for (std::size_t i = 0; i < tokens::kGroup; ++i) txtM_ += tokens::upper_digit(first[i]);
}

void MultiRun::end_message() {
    const Lang lang = session_.settings.lang;
    if (out_ != nullptr) {
        const std::size_t before = out_->size();
        decode_message(session_, txtM_, *out_, dump_);
        if (cut_ && out_->size() > before) *out_ += message_cut_line(lang, txtM_.size() / 2);
    } else {
        if (decode_) {
            report_ = decode_(txtM_, MessageAt{messages_ + 1, message_line_, cut_});
        } else {
            report_.clear();
            decode_message(session_, txtM_, report_, dump_);
        }
        if (cut_ && !report_.empty()) report_ += message_cut_line(lang, txtM_.size() / 2);
        sink_(std::move(report_));
    }
    cut_ = false;
    txtM_.clear();
    ++messages_;
}

void MultiRun::finish() {
    if (token_size_ > 0) token(token_, token_size_);
    token_size_ = 0;
    if (!txtM_.empty()) end_message();
}

void decode_multi(Session& session, std::string_view text) {
    // Room at once for the usual report of such a text and its frame: the report is not
    // copied as it grows, and the frame finds room where the report stands.
    constexpr std::size_t kFrame = 512;
    session.txtBuffer.reserve(session.txtBuffer.size() + text.size() * kReportPerText + kFrame);
    MultiRun run(session, session.txtBuffer);
    run.feed(text);
    run.finish();
}

namespace {

// The heading of a file or feed run's framed report.
std::string frame_heading(const Settings& s, std::string_view feed_heading_line) {
    return s.input == InputMode::Feed ? std::string(feed_heading_line) : file_heading(s.lang, s.input_path);
}

// Selects and frames the report of a multi-message run, taken from session.txtBuffer,
// whose first `front` bytes already hold the frame's heading and CR LF (0: none yet).
Output multi_output(Session& session, std::size_t front, std::string_view feed_heading_line) {
    const Settings& s = session.settings;
    Output out;
    std::string screen = std::move(session.txtBuffer);
    session.txtBuffer.clear();
    const std::string_view body = std::string_view(screen).substr(front);
    if (s.input == InputMode::Feed && s.filter && !contains_ignoring_case(body, s.filter_text)) {
        return out;  // the filter drops the report
    }
    if (s.input == InputMode::Feed && is_empty_report(body)) return out;
    if (front > 0) {
        screen += kReportEnd;
        out.report = std::move(screen);
    } else {
        out.report = frame_report_in_place(frame_heading(s, feed_heading_line), std::move(screen));
    }
    out.deliver = true;
    return out;
}

}  // namespace

Output OUTSET(Session& session, std::string screen, std::string_view feed_heading_line) {
    if (session.settings.input != InputMode::Single) return multi_output(session, 0, feed_heading_line);
    Output out;
    if (is_empty_report(screen)) {
        out.clear_screen = !session.settings.keep;
        return out;
    }
    out.report = std::move(screen);
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
    // The frame's heading goes in first, so that the report is framed where it stands,
    // without moving it.
    session.txtBuffer = frame_heading(session.settings, feed_heading_line);
    session.txtBuffer += "\r\n";
    const std::size_t front = session.txtBuffer.size();
    decode_multi(session, box);
    if (session.txtBuffer.size() - front > 1) {
        result.output = multi_output(session, front, feed_heading_line);
    } else {
        session.txtBuffer.erase(0, front);  // nothing to deliver: the run's own text, as it was
    }
    return result;
}

}  // namespace tarn
