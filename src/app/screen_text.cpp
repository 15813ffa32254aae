#include "app/screen_text.hpp"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "report/convert.hpp"

namespace tarn::app {

QString ScreenText::shown(std::string_view report) {
    QString s = QString::fromUtf8(report.data(), static_cast<qsizetype>(report.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

void ScreenText::deliver(std::string_view report, bool keep) {
    const Entry added{report.size(), utf8_length(report), -1};
    if (!keep) {
        text_.assign(report);
        entries_.assign(1, added);
        chars_ = added.chars;
        reset_ = true;
        dropShown_ = 0;
        fresh_ = 1;
        return;
    }
    std::size_t cut = 0;  // drop the oldest reports, then erase their bytes at once
    while (!entries_.empty() && chars_ + added.chars > kLimit) {
        const Entry& oldest = entries_.front();
        if (oldest.shown >= 0) {
            dropShown_ += oldest.shown;
        } else {
            --fresh_;
        }
        cut += oldest.bytes;
        chars_ -= oldest.chars;
        entries_.pop_front();
    }
    text_.erase(0, cut);
    text_ += report;
    chars_ += added.chars;
    entries_.push_back(added);
    ++fresh_;
}

void ScreenText::clear() {
    text_.clear();
    entries_.clear();
    chars_ = 0;
    reset_ = true;
    dropShown_ = 0;
    fresh_ = 0;
}

void ScreenText::show(QPlainTextEdit* box) {
    if (!stale()) return;
    // The text of the last `count` reports as the box shows it; each learns its length.
    auto last = [this](std::size_t count) {
        std::size_t at = text_.size();
        for (std::size_t k = entries_.size() - count; k < entries_.size(); ++k) at -= entries_[k].bytes;
        QString part;
        for (std::size_t k = entries_.size() - count; k < entries_.size(); ++k) {
            const QString one = shown(std::string_view(text_).substr(at, entries_[k].bytes));
            entries_[k].shown = one.size();
            at += entries_[k].bytes;
            part += one;
        }
        return part;
    };
    if (reset_) {
        const QString all = last(entries_.size());
        box->setPlainText(all);
        inBox_ = all.size();
    } else {
        QTextCursor cursor(box->document());
        cursor.beginEditBlock();
        if (dropShown_ > 0) {
            cursor.setPosition(0);
            cursor.setPosition(std::min(dropShown_, inBox_), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            inBox_ -= std::min(dropShown_, inBox_);
        }
        if (fresh_ > 0) {
            const QString part = last(fresh_);
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(part);
            inBox_ += part.size();
        }
        cursor.endEditBlock();
    }
    reset_ = false;
    dropShown_ = 0;
    fresh_ = 0;
}

qsizetype ScreenText::newestStart() const {
    if (entries_.empty() || entries_.back().shown < 0) return 0;
    return inBox_ - entries_.back().shown;
}

}  // namespace tarn::app
