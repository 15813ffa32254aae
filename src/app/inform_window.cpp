#include "app/inform_window.hpp"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>

#include "app/coalescer.hpp"
#include "app/fonts.hpp"
#include "app/prompts.hpp"
#include "app/write_failure.hpp"

namespace tarn::app {

namespace {

const QStringList& saveTypes() {
    static const QStringList types{QStringLiteral("Text, UTF-8 (*.txt)"),
                                   QStringLiteral("Text, Windows-1251 (*.txt)")};
    return types;
}

}  // namespace

InformWindow::InformWindow(QWidget* parent, Prompts& prompts, QString programDir)
    : QWidget(parent, Qt::Window), prompts_(prompts), programDir_(std::move(programDir)) {
    setObjectName(QStringLiteral("INFORM"));
    setWindowTitle(QStringLiteral("Information : Single message"));
    txtScreen_ = new QPlainTextEdit(this);
    txtScreen_->setObjectName(QStringLiteral("txtScreen"));
    txtScreen_->setReadOnly(true);
    txtScreen_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtScreen_->setFont(fixedFont(11.25, false));
    txtScreen_->setUndoRedoEnabled(false);  // a feed would pile up every change
    txtScreen_->installEventFilter(this);

    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    connect(command(file, "actSaveAs", QStringLiteral("Save as..."), QKeySequence::Save), &QAction::triggered,
            this, &InformWindow::saveAs);
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    connect(command(edit, "actCopy", QStringLiteral("Copy"), QKeySequence::Copy), &QAction::triggered, this,
            &InformWindow::copy);
    connect(command(edit, "actClear", QStringLiteral("Clear"), {}), &QAction::triggered, this,
            &InformWindow::clearScreen);
    edit->addSeparator();
    connect(command(edit, "actFind", QStringLiteral("Find..."), QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, &InformWindow::openFind);
    connect(command(edit, "actFindNext", QStringLiteral("Find next"), QKeySequence(Qt::Key_F3)),
            &QAction::triggered, this, [this] { findNext(false); });
    connect(command(edit, "actFindPrevious", QStringLiteral("Find previous"),
                    QKeySequence(Qt::SHIFT | Qt::Key_F3)),
            &QAction::triggered, this, [this] { findNext(true); });

    findBar_ = new QWidget(this);
    txtFind_ = new QLineEdit(findBar_);
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    txtFind_->installEventFilter(this);
    findStatus_ = new QLabel(findBar_);
    auto* next = new QPushButton(QStringLiteral("Next"), findBar_);
    auto* previous = new QPushButton(QStringLiteral("Previous"), findBar_);
    next->setAutoDefault(false);
    previous->setAutoDefault(false);
    connect(next, &QPushButton::clicked, this, [this] { findNext(false); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });
    connect(txtFind_, &QLineEdit::returnPressed, this,
            [this] { findNext(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)); });
    auto* row = new QHBoxLayout(findBar_);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(new QLabel(QStringLiteral("Find:"), findBar_));
    row->addWidget(txtFind_, 1);
    row->addWidget(next);
    row->addWidget(previous);
    row->addWidget(findStatus_);
    findBar_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(txtScreen_, 1);
    layout->addWidget(findBar_);

    painter_ = new Coalescer(this, [this] { refresh(); });

    // Wide enough for a whole report line where the screen allows; 6500 twips high.
    const int line = txtScreen_->fontMetrics().horizontalAdvance(QString(kLineChars, QLatin1Char('0')));
    const int chrome = 2 * txtScreen_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                       2 * static_cast<int>(txtScreen_->document()->documentMargin()) + 4;
    int width = std::max(600, line + chrome);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        width = std::min(width, screen->availableGeometry().width() - 40);
    }
    resize(std::max(width, 600), 433 + bar->sizeHint().height());
}

QAction* InformWindow::command(QMenu* menu, const char* name, const QString& caption,
                               const QKeySequence& keys) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

void InformWindow::deliver(std::string_view report, bool keep) {
    screen_.deliver(report, keep);
    painter_->request();
}

void InformWindow::clearScreen() {
    screen_.clear();
    painter_->request();
}

void InformWindow::showPending() {
    painter_->flush();
}

// The box takes what was delivered since the last time and shows the start of the newest
// report at its top (as near as the end of the text allows).
void InformWindow::refresh() {
    if (!screen_.stale()) return;
    screen_.show(txtScreen_);
    const QTextBlock newest = txtScreen_->document()->findBlock(static_cast<int>(screen_.newestStart()));
    QTextCursor cursor(newest);
    txtScreen_->setTextCursor(cursor);
    txtScreen_->verticalScrollBar()->setValue(newest.blockNumber());
    txtScreen_->horizontalScrollBar()->setValue(0);
}

void InformWindow::present() {
    if (isVisible()) return;
    if (!placed_.isEmpty()) restoreGeometry(placed_);
    show();
}

void InformWindow::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) placed_ = saveGeometry();
    QWidget::hideEvent(event);
}

bool InformWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!key) return QWidget::eventFilter(watched, event);
    auto* press = static_cast<QKeyEvent*>(event);
    if (watched == txtScreen_ && press->matches(QKeySequence::Copy)) {
        // The box would copy only a selection; the window's command copies all without one.
        event->accept();
        if (event->type() == QEvent::KeyPress) copy();
        return true;
    }
    if (watched == txtFind_ && press->key() == Qt::Key_Escape) {
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            findBar_->hide();
            txtScreen_->setFocus();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void InformWindow::openFind() {
    findBar_->show();
    txtFind_->setFocus();
    txtFind_->selectAll();
}

bool InformWindow::findNext(bool backward) {
    const QString what = txtFind_->text();
    if (what.isEmpty()) {
        openFind();
        return false;
    }
    showPending();
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = txtScreen_->find(what, flags);
    if (!found) {  // go round from the other end
        const QTextCursor before = txtScreen_->textCursor();
        QTextCursor from(txtScreen_->document());
        from.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        txtScreen_->setTextCursor(from);
        found = txtScreen_->find(what, flags);
        if (!found) txtScreen_->setTextCursor(before);
    }
    findStatus_->setText(found ? QString() : QStringLiteral("Не найдено"));
    return found;
}

QString InformWindow::findStatus() const {
    return findStatus_->text();
}

void InformWindow::copy() {
    showPending();
    const QTextCursor cursor = txtScreen_->textCursor();
    if (cursor.hasSelection()) {
        txtScreen_->copy();
    } else {
        QGuiApplication::clipboard()->setText(txtScreen_->toPlainText());
    }
}

void InformWindow::saveAs() {
    const QString proposed =
        savedPath_.isEmpty()
            ? QDir::toNativeSeparators(QDir(programDir_).filePath(QStringLiteral("Tarn_screen.txt")))
            : savedPath_;
    const SaveChoice choice =
        prompts_.saveAs(this, proposed, saveTypes(), preferred_ == Encoding::Cp1251 ? 1 : 0);
    if (choice.path.isEmpty()) return;
    const std::string bytes = encode(screen_.text(), choice.filter == 1 ? Encoding::Cp1251 : Encoding::Utf8);
    QSaveFile file(choice.path);
    errno = 0;
    const bool saved =
        file.open(QIODevice::WriteOnly) &&
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
        file.commit();
    // Qt tells a full disk apart as a resource error; other reasons are read off the system.
    const int error = file.error() == QFileDevice::ResourceError ? ENOSPC : errno;
    if (!saved) {
        prompts_.warning(
            this, QStringLiteral("Сохранение отчета"),
            QStringLiteral("Не удалось сохранить отчет в файл %1.\n%2")
                .arg(QDir::toNativeSeparators(choice.path),
                     writeProblemText(classifyWriteFailure(choice.path, error), choice.path, error)));
        return;
    }
    savedPath_ = choice.path;
}

}  // namespace tarn::app
