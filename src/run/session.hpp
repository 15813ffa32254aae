// What lives between decoding runs: the operator's settings (the menus' check marks),
// and the report buffer of the run under way. Nothing of one message is kept for the next.
#pragma once

#include <string>

#include "report/context.hpp"
#include "report/text.hpp"

namespace tarn {

enum class InputMode { Single, File, Feed };

struct Settings {
    Lang lang = Lang::Russian;
    InputMode input = InputMode::Single;
    bool screen = true;     // output to the screen window
    bool out_file = false;  // output to the output file
    bool keep = false;      // "Keep date": append instead of replace
    bool filter = false;    // feed filter on
    std::string filter_text;
    std::string input_path;  // input file as chosen, shown in the file heading
};

struct Session {
    Settings settings;
    std::string txtBuffer;  // reports of the messages of the run under way
};

}  // namespace tarn
