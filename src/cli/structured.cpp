#include "cli/structured.hpp"

#include <filesystem>
#include <system_error>

namespace tarn::cli {

std::optional<Format> parse_format(std::string_view name) {
    if (name == "text") return Format::Text;
    if (name == "json") return Format::Json;
    if (name == "summary") return Format::Summary;
    return std::nullopt;
}

bool appends_to_text(const OutputOptions& output) {
    if (!output.keep || output.out_path.empty()) return false;
    std::error_code ec;
    const auto size = std::filesystem::file_size(output.out_path, ec);
    return !ec && size > 0;
}

MultiRun StructuredOutput::run(Session& session, const std::string& file, MultiRun::Sink deliver) {
    file_ = file;
    source_ = MessageSource{};
    source_.has_file = true;
    source_.file = file_;
    return rendering_.multi(session, source_, std::move(deliver));
}

bool StructuredOutput::typed(Session& session, std::string& box, bool cut) {
    std::string rendered;
    if (!rendering_.single(session, box, rendered, cut)) return false;
    write(rendered);
    return true;
}

void StructuredOutput::write(std::string_view rendered) {
    if (rendered.empty()) return;
    if (!started_) {
        started_ = true;
        const std::string_view header = rendering_.header();
        outputs_.screen(header);
        if (header_to_file_) outputs_.file(header);
    }
    outputs_.screen(rendered);
    outputs_.file(rendered);
}

}  // namespace tarn::cli
