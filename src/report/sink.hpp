// The structured side of the line builders. A Context with a sink attached tells it, as
// each report line is made, what the line builder already knows: a field's bit column,
// label and value, an element's identifier, length and contents, a MISTAKE text. The
// frames add the few facts no single line carries (point codes, CIC, call reference).
// Without a sink the builders do nothing more than write the text report.
#pragma once

#include <cstdint>
#include <string_view>

#include "report/element.hpp"
#include "report/text.hpp"

namespace tarn {

enum class Protocol : std::uint8_t { None, Isup, Dss1 };

// What the frame decoders know of the message beyond its lines; -1 where the message
// ends before the octets that hold it.
struct FrameFacts {
    // ISUP: service information octet and routing label (Q.704), circuit (Q.763 1.2)
    int network_indicator = -1;  // bits 8-7 of the service information octet
    long dpc = -1;
    long opc = -1;
    int sls = -1;
    long cic = -1;
    // DSS1: call reference (ETS 300 102-1 4.3)
    int call_reference_length = -1;  // octets, as octet 2 gives it
    long call_reference = -1;        // the value without the flag
    int flag = -1;                   // bit 8 of the first value octet
};

// One field line: the bit column as printed (8 positions, fewer for a cut octet),
// its label in the report's language and in English, the integer of the field's bits when
// all of them are there (-1 otherwise, and for whole-octet lines), the value text.
struct FieldLine {
    std::string_view column;
    std::string_view label;
    std::string_view label_en;  // empty when the line did not come with its Text
    long raw = -1;
    std::string_view text;
};

class LineSink {
public:
    virtual ~LineSink() = default;

    // A message of `protocol` begins (its title lines are written).
    virtual void message(Protocol protocol, Lang lang) = 0;
    virtual void frame(const FrameFacts& facts) = 0;
    // The message type line: the frame is complete.
    virtual void message_type(unsigned code, std::string_view name, std::string_view acronym) = 0;

    // The walk hands `e` to its decoder; every line until leave() belongs to it.
    virtual void enter(const Element& e) = 0;
    virtual void leave() = 0;

    // The opening lines of an element, as the decoder writes them.
    virtual void identification(const Element& e, std::string_view name, bool mandatory) = 0;
    virtual void title(std::string_view name) = 0;
    virtual void length(const Element& e) = 0;

    virtual void field(const FieldLine& line) = 0;
    virtual void mistake(std::string_view text) = 0;
    // Any other line, as printed (without CR LF).
    virtual void line(std::string_view text) = 0;
};

}  // namespace tarn
