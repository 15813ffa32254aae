// Structured output of a run: every message decoded through the same calls as for the text
// report, with a sink on its context. The JSON Lines sink writes each message's object as
// its lines are made; the summary reads the message as the recorder keeps it. The text
// report itself is written only where something reads it (the feed's filter).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "report/record.hpp"
#include "report/render.hpp"
#include "run/run.hpp"
#include "run/session.hpp"

namespace tarn {

enum class Format { Text, Json, Summary };

class Rendering {
public:
    explicit Rendering(Format format) : format_(format) {}

    Format format() const { return format_; }
    // The line that opens the output: the summary's column names; nothing for JSON.
    std::string_view header() const {
        return format_ == Format::Summary ? summary_header() : std::string_view{};
    }
    // Summary rows written so far: the rows are numbered across everything rendered.
    std::size_t rows() const { return rows_; }

    // Decodes one message (its digits, and the title its report shows) and appends its
    // rendering to `out` when a decoder recognised it; its text report to `text` when given.
    // `cut`: the message's digits went on beyond the bound of a message (kMaxMessageDigits).
    void decode(Session& session, std::string_view message, std::string title, bool single,
                const MessageSource& at, std::string& out, std::string* text = nullptr, bool cut = false);

    // A typed message: false, with nothing rendered, when decode_single rejects it.
    bool single(Session& session, std::string& box, std::string& out, bool cut = false);

    // A multi-message run over a text given in pieces; each message's rendering goes to
    // `sink` as soon as the message has ended. `input` names the text (file, index and line
    // are filled in per message) and must outlive the run.
    MultiRun multi(Session& session, const MessageSource& input, MultiRun::Sink sink);

private:
    Format format_;
    Recorder recorder_;
    JsonLines json_;
    std::string screen_;  // the text report's buffer, kept from message to message
    std::size_t rows_ = 0;
};

}  // namespace tarn
