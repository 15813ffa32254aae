#include "run/structured.hpp"

#include "report/convert.hpp"
#include "report/report.hpp"

namespace tarn {

void Rendering::decode(Session& session, std::string_view message, std::string title, bool single,
                       const MessageSource& at, std::string& out, std::string* text, bool cut) {
    // The text report is written only for whom wants it.
    Context ctx(session.settings.lang, single, std::move(title), std::move(screen_));
    const std::string* report = text != nullptr ? &ctx.screen() : nullptr;
    // A message cut at the bound ends, as its report does, with the line saying so.
    auto dispatch = [&] {
        if (ProtocolDispatch(ctx, message) && cut) {
            std::string line = message_cut_line(session.settings.lang, message.size() / 2);
            line.resize(line.size() - kCrLf.size());
            ctx.line(line);
        }
    };
    if (format_ == Format::Json) {
        json_.begin(report);
        ctx.attach(&json_, text != nullptr);
        dispatch();
        json_.end(out, message, at);
    } else {
        recorder_.clear(report);
        ctx.attach(&recorder_, text != nullptr);
        dispatch();
        const MessageRecord& record = recorder_.finish();
        if (record.protocol != Protocol::None && format_ == Format::Summary)
            append_summary(out, record, ++rows_);
    }
    if (text != nullptr) *text += ctx.screen();
    screen_ = ctx.take_screen();
}

bool Rendering::single(Session& session, std::string& box, std::string& out, bool cut) {
    box = std::string(trim(box, " "));
    const std::optional<std::string> message = single_message_digits(box);
    if (!message) return false;
    MessageSource at;
    at.index = 1;
    at.line = 1;
    decode(session, *message, box, true, at, out, nullptr, cut);
    return true;
}

MultiRun Rendering::multi(Session& session, const MessageSource& input, MultiRun::Sink sink) {
    // The renderings go to `sink` from here: what the run hands its own sink is a text
    // report, to which it would add the cut line.
    return MultiRun(
        session, [](std::string&&) {},
        [this, &session, &input, sink = std::move(sink)](std::string_view message, const MessageAt& at) {
            MessageSource source = input;
            source.index = at.index;
            source.line = at.line;
            std::string out;
            decode(session, message, {}, false, source, out, nullptr, at.cut);  // no text, no title
            if (!out.empty()) sink(std::move(out));
            return std::string();
        });
}

}  // namespace tarn
