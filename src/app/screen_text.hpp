// The screen window's text: the delivered reports, at most kLimit characters, the oldest
// reports dropped whole first. With "Keep date" every report is kept as a unit of its own,
// so single-message reports (which carry no ETX) are dropped one by one like file and
// feed reports. A report that alone is longer than the limit is still kept whole.
//
// The text box follows by dropping its first reports and appending the new ones; its
// whole text is set only when a report replaces everything (no "Keep date") or the
// screen is cleared. Reports dropped before the box was brought up to date never reach it.
#pragma once

#include <QString>
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace tarn::app {

class ScreenText {
public:
    static constexpr std::size_t kLimit = 30000;

    // Appended with `keep`, otherwise replacing the text.
    void deliver(std::string_view report, bool keep);
    void clear();

    // The text as delivered: UTF-8, CR LF line ends, ETX end marks.
    const std::string& text() const { return text_; }
    std::size_t chars() const { return chars_; }
    std::size_t reports() const { return entries_.size(); }

    // True while the box does not show the text yet.
    bool stale() const { return reset_ || dropShown_ > 0 || fresh_ > 0; }
    // Brings `box` up to date.
    void show(QPlainTextEdit* box);
    // Where the newest report begins in the box (after show); 0 when empty.
    qsizetype newestStart() const;

    // A report as the box shows it: LF line ends.
    static QString shown(std::string_view report);

private:
    struct Entry {
        std::size_t bytes;
        std::size_t chars;  // characters counted against the limit (CR LF counts two)
        qsizetype shown;    // its length in the box; -1 while not in the box
    };

    std::string text_;
    std::deque<Entry> entries_;
    std::size_t chars_ = 0;
    qsizetype inBox_ = 0;      // length of the box's text
    qsizetype dropShown_ = 0;  // characters at the start of the box to remove
    std::size_t fresh_ = 0;    // reports at the end that the box has not got yet
    bool reset_ = false;       // the box's whole text is to be set again
};

}  // namespace tarn::app
