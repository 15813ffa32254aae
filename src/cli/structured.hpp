// tarn-decode --format json|summary: the structured renderings written to standard output
// and/or the output file in place of the text report.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/output.hpp"
#include "run/structured.hpp"

namespace tarn::cli {

// The format named by --format, or nothing for an unknown name.
std::optional<Format> parse_format(std::string_view name);

// True when the output file will be appended to and already holds something: a summary
// header is not written into it again.
bool appends_to_text(const OutputOptions& output);

// One invocation's structured output over its inputs: the summary's header goes out
// before the first row (to the output file only when it does not already hold rows), and
// the summary rows are numbered across all inputs.
class StructuredOutput {
public:
    StructuredOutput(Outputs& outputs, Format format)
        : outputs_(outputs), rendering_(format), header_to_file_(!appends_to_text(outputs.options())) {}

    // The multi-message run of one input named `file` ("-": standard input); each message's
    // rendering goes to `deliver`, which writes it (or not, once the run is stopped).
    MultiRun run(Session& session, const std::string& file, MultiRun::Sink deliver);

    // A typed message (`cut`: after the bound of a message): false when its characters are
    // rejected.
    bool typed(Session& session, std::string& box, bool cut);

    void write(std::string_view rendered);
    // True once anything has been written.
    bool started() const { return started_; }

private:
    Outputs& outputs_;
    Rendering rendering_;
    bool header_to_file_;
    bool started_ = false;
    std::string file_;
    MessageSource source_;
};

}  // namespace tarn::cli
