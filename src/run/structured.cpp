#include "run/structured.hpp"

#include "report/report.hpp"

namespace tarn {

void Rendering::decode(Session& session, std::string_view message, std::string title, bool single,
                       const MessageSource& at, std::string& out, std::string* text) {
    // The text report is written only for whom wants it (the feed's filter reads it).
    Context ctx(session.settings.lang, single, std::move(title), std::move(screen_));
    const std::string* report = text != nullptr ? &ctx.screen() : nullptr;
    if (format_ == Format::Json) {
        json_.begin(report);
        ctx.attach(&json_, text != nullptr);
        ProtocolDispatch(ctx, message);
        json_.end(out, message, at);
    } else {
        recorder_.clear(report);
        ctx.attach(&recorder_, text != nullptr);
        ProtocolDispatch(ctx, message);
        const MessageRecord& record = recorder_.finish();
        if (record.protocol != Protocol::None && format_ == Format::Summary)
            append_summary(out, record, ++rows_);
    }
    if (text != nullptr) *text += ctx.screen();
    screen_ = ctx.take_screen();
}

bool Rendering::single(Session& session, std::string& box, std::string& out) {
    box = std::string(trim_text(box));
    const std::optional<std::string> message = single_message_digits(box);
    if (!message) return false;
    MessageSource at;
    at.index = 1;
    at.line = 1;
    decode(session, *message, box, true, at, out);
    return true;
}

MultiRun Rendering::multi(Session& session, const MessageSource& input, MultiRun::Sink sink) {
    return MultiRun(session, std::move(sink),
                    [this, &session, &input](std::string_view message, const MessageAt& at) {
                        MessageSource source = input;
                        source.index = at.index;
                        source.line = at.line;
                        std::string out;
                        decode(session, message, {}, false, source, out);  // no text report, no title
                        return out;
                    });
}

bool Rendering::feed_report(Session& session, std::string_view text, long report, std::string& out) {
    MessageSource source;
    source.report = report;
    const std::size_t out_size = out.size();
    const std::size_t rows = rows_;
    session.txtBuffer.clear();
    MultiRun run(
        session, [](std::string&&) {},
        [this, &session, &source, &out](std::string_view message, const MessageAt& at) {
            source.index = at.index;
            source.line = at.line;
            decode(session, message, FormatOutMessage(message), false, source, out, &session.txtBuffer);
            return std::string();
        });
    run.feed(text);
    run.finish();
    // Delivered or dropped as its text report would be (START_DECODING, OUTSET).
    const bool deliver = session.txtBuffer.size() > 1 && OUTSET(session, {}).deliver;
    session.txtBuffer.clear();
    if (!deliver) {  // nothing of a dropped report is kept, nor counted
        out.resize(out_size);
        rows_ = rows;
    }
    return deliver;
}

}  // namespace tarn
