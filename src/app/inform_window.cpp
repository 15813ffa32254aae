#include "app/inform_window.hpp"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/fonts.hpp"

namespace tarn::app {

InformWindow::InformWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("INFORM"));
    setWindowTitle(QStringLiteral("Information : Single message"));
    txtScreen_ = new QPlainTextEdit(this);
    txtScreen_->setObjectName(QStringLiteral("txtScreen"));
    txtScreen_->setReadOnly(true);
    txtScreen_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtScreen_->setFont(fixedFont(11.25, false));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtScreen_);
    resize(600, 433);  // 9000 by 6500 twips
}

void InformWindow::deliver(std::string_view report, bool keep) {
    buffer_.deliver(report, keep);
    refresh();
}

void InformWindow::clearScreen() {
    buffer_.clear();
    refresh();
}

void InformWindow::refresh() {
    QString shown = QString::fromUtf8(buffer_.text().data(), static_cast<qsizetype>(buffer_.text().size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtScreen_->setPlainText(shown);
    txtScreen_->moveCursor(QTextCursor::End);
}

}  // namespace tarn::app
