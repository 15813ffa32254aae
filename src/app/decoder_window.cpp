#include "app/decoder_window.hpp"

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTime>
#include <cerrno>

#include "app/coalescer.hpp"
#include "app/fonts.hpp"
#include "app/help_window.hpp"
#include "app/inform_window.hpp"
#include "app/write_failure.hpp"
#include "feed/filter.hpp"
#include "feed/framing.hpp"
#include "feed/ini.hpp"
#include "report/file_output.hpp"
#include "report/report.hpp"
#include "run/run.hpp"

namespace tarn::app {

namespace {

QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The hourglass for as long as a run or a file read lasts.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { release(); }
    void release() {
        if (busy_) QGuiApplication::restoreOverrideCursor();
        busy_ = false;
    }

private:
    bool busy_ = true;
};

// A text box's text with the CR LF line ends of the report world, and back.
std::string boxText(const QPlainTextEdit* box) {
    QString text = box->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}
QString shown(std::string_view text) {
    QString s = fromUtf8(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

// Heading of a report decoded from the clipboard, beside the file heading.
std::string clipboard_heading(Lang lang) {
    return lang == Lang::English ? "   REPORT (Clipboard)" : "   ОТЧЕТ (Буфер обмена)";
}

}  // namespace

DecoderWindow::DecoderWindow(std::unique_ptr<Prompts> prompts, QString programDir, QWidget* parent)
    : QMainWindow(parent),
      prompts_(std::move(prompts)),
      programDir_(programDir.isEmpty() ? QCoreApplication::applicationDirPath() : std::move(programDir)) {
    setObjectName(QStringLiteral("DECODER"));
    // The title carries the version numbers of the project (2.0.0).
    setWindowTitle(QStringLiteral("Tarn decoder (version " TARN_VERSION ")"));
    txtMessage_ = new QPlainTextEdit(this);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setFont(fixedFont(18, true));
    setCentralWidget(txtMessage_);  // fills the whole client area

    inform_ = new InformWindow(this, *prompts_, programDir_);
    vantix_ = new VantixLink(this);
    viewer_ = new Coalescer(this, [this] { refreshView(); });
    feedStatus_ = new QLabel(this);
    feedStatus_->setObjectName(QStringLiteral("feedStatus"));
    statusBar()->addWidget(feedStatus_, 1);
    statusBar()->hide();
    connect(vantix_, &VantixLink::reportReceived, this, &DecoderWindow::feedReport);
    connect(vantix_, &VantixLink::watched, this, &DecoderWindow::feedWatched);
    connect(vantix_, &VantixLink::stateChanged, viewer_, &Coalescer::request);
    connect(vantix_, &VantixLink::unframedDropped, this, [this](qulonglong bytes) {
        // An oversized report is dropped piece by piece as it comes: told once, and again
        // only after a report has come whole.
        if (unframedTold_) return;
        unframedTold_ = true;
        prompts_->notice(this, QStringLiteral("Vantix"),
                         fromUtf8(feed::dropped_notice(bytes, Lang::Russian)));
    });

    buildMenus();
    syncMenus();
    resize(800, 500);
}

DecoderWindow::~DecoderWindow() = default;

QAction* DecoderWindow::item(QMenu* menu, const char* name, const QString& caption, bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

void DecoderWindow::buildMenus() {
    QMenu* input = menuBar()->addMenu(QStringLiteral("&Input"));
    mnuSingle_ = item(input, "mnuSingle", QStringLiteral("Single message"), true);
    mnuInFile_ = item(input, "mnuInFile", QStringLiteral("File ..."), true);
    mnuVantix_ = item(input, "mnuVantix", QStringLiteral("Vantix"), true);
    mnuFilter_ = item(input, "mnuFilter", QStringLiteral("Filter"), true);
    auto* inputs = new QActionGroup(this);
    inputs->setExclusive(true);
    for (QAction* a : {mnuSingle_, mnuInFile_, mnuVantix_}) inputs->addAction(a);
    input->addSeparator();
    mnuClipboard_ = item(input, "mnuClipboard", QStringLiteral("Decode clipboard"), false);
    mnuClipboard_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));

    QMenu* output = menuBar()->addMenu(QStringLiteral("&Output"));
    mnuScreen_ = item(output, "mnuScreen", QStringLiteral("Screen"), true);
    mnuOutFile_ = item(output, "mnuOutFile", QStringLiteral("File ..."), true);
    output->addSeparator();
    mnuKeep_ = item(output, "mnuKeep", QStringLiteral("Keep date"), true);
    mnuCp1251_ = item(output, "mnuCp1251", QStringLiteral("Windows-1251"), true);
    output->addSeparator();
    mnuShowScreen_ = item(output, "mnuShowScreen", QStringLiteral("Show report window"), false);
    mnuShowScreen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    QMenu* language = menuBar()->addMenu(QStringLiteral("&Language"));
    mnuEnglish_ = item(language, "mnuEnglish", QStringLiteral("English"), true);
    mnuRussian_ = item(language, "mnuRussian", QStringLiteral("Russian"), true);
    auto* languages = new QActionGroup(this);
    languages->setExclusive(true);
    languages->addAction(mnuEnglish_);
    languages->addAction(mnuRussian_);

    mnuDecoding_ = menuBar()->addAction(QStringLiteral("&Decoding"));
    mnuDecoding_->setObjectName(QStringLiteral("mnuDecoding"));
    mnuHelp_ = menuBar()->addAction(QStringLiteral("Hel&p"));
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));

    connect(mnuDecoding_, &QAction::triggered, this, [this] { mnuDecoding_Click(); });
    connect(mnuSingle_, &QAction::triggered, this, &DecoderWindow::mnuSingle_Click);
    connect(mnuInFile_, &QAction::triggered, this, &DecoderWindow::mnuInFile_Click);
    connect(mnuVantix_, &QAction::triggered, this, &DecoderWindow::mnuVantix_Click);
    connect(mnuFilter_, &QAction::triggered, this, &DecoderWindow::mnuFilter_Click);
    connect(mnuOutFile_, &QAction::triggered, this, &DecoderWindow::mnuOutFile_Click);
    connect(mnuHelp_, &QAction::triggered, this, &DecoderWindow::mnuHelp_Click);
    connect(mnuClipboard_, &QAction::triggered, this, &DecoderWindow::mnuClipboard_Click);
    connect(mnuShowScreen_, &QAction::triggered, this, &DecoderWindow::mnuShowScreen_Click);
    connect(mnuCp1251_, &QAction::triggered, this, [this] {
        encoding_ = encoding_ == Encoding::Cp1251 ? Encoding::Utf8 : Encoding::Cp1251;
        inform_->setPreferredEncoding(encoding_);
        syncMenus();
    });
    connect(mnuScreen_, &QAction::triggered, this, [this] {
        session_.settings.screen = !session_.settings.screen;
        syncMenus();
    });
    connect(mnuKeep_, &QAction::triggered, this, [this] {
        session_.settings.keep = !session_.settings.keep;
        syncMenus();
    });
    connect(mnuEnglish_, &QAction::triggered, this, [this] {
        session_.settings.lang = Lang::English;
        syncMenus();
    });
    connect(mnuRussian_, &QAction::triggered, this, [this] {
        session_.settings.lang = Lang::Russian;
        syncMenus();
    });
}

// The check marks and enabled states always show the session's settings.
void DecoderWindow::syncMenus() {
    const Settings& s = session_.settings;
    mnuSingle_->setChecked(s.input == InputMode::Single);
    mnuInFile_->setChecked(s.input == InputMode::File);
    mnuVantix_->setChecked(s.input == InputMode::Feed);
    mnuFilter_->setChecked(s.filter);
    mnuFilter_->setEnabled(s.input == InputMode::Feed);
    mnuDecoding_->setEnabled(s.input != InputMode::Feed);
    mnuScreen_->setChecked(s.screen);
    mnuOutFile_->setChecked(s.out_file);
    mnuKeep_->setChecked(s.keep);
    mnuCp1251_->setChecked(encoding_ == Encoding::Cp1251);
    mnuEnglish_->setChecked(s.lang == Lang::English);
    mnuRussian_->setChecked(s.lang == Lang::Russian);
    statusBar()->setVisible(s.input == InputMode::Feed);
}

void DecoderWindow::resizeEvent(QResizeEvent* event) {
    inform_->hide();
    if (help_ != nullptr) help_->hide();
    QMainWindow::resizeEvent(event);
}

void DecoderWindow::closeEvent(QCloseEvent* event) {
    inform_->close();
    if (help_ != nullptr) help_->close();
    vantix_->stop();
    QMainWindow::closeEvent(event);
}

// --- input ---

// What choosing an input that is not yet checked does.
void DecoderWindow::switchInput(InputMode mode) {
    session_.settings.input = mode;
    boxDue_.reset();
    txtMessage_->clear();
    txtMessage_->setReadOnly(mode != InputMode::Single);
    vantix_->stop();
    syncMenus();
}

void DecoderWindow::setMessageFontSize(int points) {
    QFont font = txtMessage_->font();
    font.setPointSize(points);
    txtMessage_->setFont(font);
}

void DecoderWindow::mnuSingle_Click() {
    if (session_.settings.input != InputMode::Single) switchInput(InputMode::Single);
    setMessageFontSize(18);
    txtMessage_->setFocus();
    inform_->setWindowTitle(QStringLiteral("Information: Single message"));
}

void DecoderWindow::mnuInFile_Click() {
    if (session_.settings.input != InputMode::File) switchInput(InputMode::File);
    setMessageFontSize(11);
    readInputFile();
}

void DecoderWindow::readInputFile() {
    // Exchange outputs are often .log or .prn files.
    const QString chosen = prompts_->openFileName(this, QStringLiteral("Text (*.txt*);;All files (*)"));
    if (!chosen.isEmpty()) {
        QFile file(chosen);
        QByteArray bytes;
        bool read = file.open(QIODevice::ReadOnly);
        if (read) {
            BusyCursor busy;
            bytes = file.read(kMaxInputBytes + 1);  // one byte more tells a file over the limit
            read = file.error() == QFileDevice::NoError;
        }
        if (!read) {
            // The box keeps the text of the file read before, and the heading its name.
            prompts_->warning(
                this, QStringLiteral("Ошибка чтения файла"),
                QStringLiteral("Не удалось прочитать файл %1:\n%2").arg(chosen, file.errorString()));
        } else if (bytes.size() > kMaxInputBytes) {
            inPath_ = chosen;
            prompts_->information(this, QStringLiteral("Tarn"),
                                  QStringLiteral("Размер исходного файла не должен превышать 64 KB."));
            txtMessage_->clear();
        } else {
            inPath_ = chosen;
            txtMessage_->setPlainText(shown(feed::received_text(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))));
        }
    }
    session_.settings.input_path = QDir::toNativeSeparators(inPath_).toStdString();
    inform_->setWindowTitle(QStringLiteral("Information: File ") + QDir::toNativeSeparators(inPath_));
}

void DecoderWindow::mnuVantix_Click() {
    if (session_.settings.input == InputMode::Feed) {
        syncMenus();
        if (vantix_->connected()) return;
        // Not connected: Tarn.INI is read again (it may have been mended) and connected at once.
    } else {
        switchInput(InputMode::Feed);
        setMessageFontSize(11);
        inform_->setWindowTitle(fromUtf8(feed::feed_title()));
        counts_ = {};
    }
    connectFeed();
}

void DecoderWindow::connectFeed() {
    const std::optional<VantixLink::Address> address = feedAddress();
    // Without a usable address the feed stays unconnected; the watch reads Tarn.INI again at
    // every tick and connects once the file is mended.
    vantix_->start(address, [this] { return feedAddress(); });
    setBox(address ? QStringLiteral(" Connect") : QStringLiteral(" Disconnect"));
    viewer_->request();
    if (!address) prompts_->warning(this, QStringLiteral("Vantix"), feedProblem_);
}

std::optional<VantixLink::Address> DecoderWindow::feedAddress() {
    const std::string ini =
        QDir::toNativeSeparators(QDir(programDir_).filePath(QStringLiteral("Tarn.INI"))).toStdString();
    const feed::FeedAddress address = feed::read_feed_address(ini);
    feedProblem_ = fromUtf8(feed::describe_problem(address, ini, Lang::Russian));
    if (!address.ok()) return std::nullopt;
    return VantixLink::Address{fromUtf8(address.host), address.port};
}

void DecoderWindow::feedWatched(bool connected) {
    if (!connected) {
        setBox(QStringLiteral(" Disconnect"));
    } else if (!boxDue_ && txtMessage_->toPlainText() == QStringLiteral(" Disconnect")) {
        setBox(QStringLiteral(" Connect"));
    }
}

// The feed heading's date and time, made once a second.
std::string DecoderWindow::feedHeading() {
    const QDateTime now = QDateTime::currentDateTime();
    if (now.toSecsSinceEpoch() != headingSecond_) {
        headingSecond_ = now.toSecsSinceEpoch();
        const QLocale locale = QLocale::system();
        heading_ = feed_heading(locale.toString(now.date(), QLocale::ShortFormat).toStdString(),
                                locale.toString(now.time(), QLocale::ShortFormat).toStdString());
    }
    return heading_;
}

// A report from the feed: decoded at once as a multi-message run; the message box shows
// it with the next redraw.
void DecoderWindow::feedReport(const QByteArray& raw) {
    if (session_.settings.input != InputMode::Feed) return;
    ++counts_.received;
    unframedTold_ = false;
    boxDue_ = feed::received_text(std::string_view(raw.constData(), static_cast<std::size_t>(raw.size())));
    // START_DECODING's multi-message run, step by step, so that the filter's verdict can
    // be counted: a report that had lines and was not put out was dropped by the filter.
    session_.txtBuffer.clear();
    decode_multi(session_, *boxDue_);
    const bool lines = !is_empty_report(session_.txtBuffer);
    Output output;
    if (session_.txtBuffer.size() > 1) output = OUTSET(session_, {}, feedHeading());
    session_.txtBuffer.clear();
    if (output.deliver) {
        ++counts_.delivered;
    } else if (lines && session_.settings.filter) {
        ++counts_.filtered;
    }
    deliver(output);
    viewer_->request();
    emit runFinished(output.deliver);
}

void DecoderWindow::mnuFilter_Click() {
    const std::optional<QString> answer = prompts_->text(this, QStringLiteral("Set Filter"),
                                                         QStringLiteral("Select context for output message"),
                                                         fromUtf8(session_.settings.filter_text));
    feed::set_filter(session_.settings, answer.value_or(QString()).toStdString());
    syncMenus();
    inform_->setWindowTitle(fromUtf8(feed::filter_title(session_.settings)));
}

// --- decoding and output ---

void DecoderWindow::mnuDecoding_Click() {
    startDecoding();
}

void DecoderWindow::startDecoding() {
    BusyCursor busy;
    std::string box = boxText(txtMessage_);
    const RunResult result = START_DECODING(session_, box);
    if (session_.settings.input == InputMode::Single && box != boxText(txtMessage_)) {
        txtMessage_->setPlainText(shown(box));  // the trimmed text goes back into the box
    }
    if (!result.valid) {
        busy.release();
        prompts_->warning(this, fromUtf8(kBadInputTitle), fromUtf8(kBadInputText));
        txtMessage_->setFocus();
        emit runFinished(false);
        return;
    }
    deliver(result.output);
    emit runFinished(result.output.deliver);
}

void DecoderWindow::deliver(const Output& output) {
    const Settings& s = session_.settings;
    if (output.clear_screen) inform_->clearScreen();
    if (!output.deliver) return;
    if (s.screen) {
        inform_->deliver(output.report, s.keep);
        inform_->present();
    }
    if (s.out_file) {
        if (!s.screen) inform_->hide();
        writeOutputFile(output.report);
    }
}

// The one call of the report file writer. A failure is told once; the next is told only
// after a write has succeeded again (or another output file was chosen), so that a feed
// writing to a lost folder does not open one box per report.
void DecoderWindow::writeOutputFile(const std::string& report) {
    errno = 0;
    const std::string error = write_report_file(QFile::encodeName(outPath_).toStdString(), report,
                                                session_.settings.keep, encoding_);
    const int code = errno;
    if (error.empty()) {
        outputFailing_ = false;
        return;
    }
    if (outputFailing_) return;
    outputFailing_ = true;
    // The file keeps what it had; the report stays on the screen when shown there.
    prompts_->notice(this, QStringLiteral("Вывод в файл"), outputFailureText(outPath_, code));
}

void DecoderWindow::mnuOutFile_Click() {
    Settings& s = session_.settings;
    if (s.out_file) {
        s.out_file = false;
        syncMenus();
        return;
    }
    s.out_file = true;
    syncMenus();
    if (!s.screen) inform_->hide();
    const QString fallback = QDir(programDir_).filePath(QStringLiteral("Tarn_report.txt"));
    const QString chosen =
        prompts_->saveFileName(this, QDir::toNativeSeparators(fallback), QStringLiteral("Text (*.txt)"));
    outPath_ = chosen.isEmpty() ? fallback : chosen;
    outputFailing_ = false;  // a new file: its first failure is told
}

// A report copied from another program, decoded as one multi-message run without saving
// it first; its heading says where it came from. The message box is left as it is.
void DecoderWindow::mnuClipboard_Click() {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.size() > kMaxInputBytes) {
        prompts_->information(this, QStringLiteral("Tarn"),
                              QStringLiteral("Размер текста в буфере обмена не должен превышать 64 KB."));
        return;
    }
    BusyCursor busy;
    session_.txtBuffer.clear();
    decode_multi(session_, text.toStdString());
    Output output;
    if (session_.txtBuffer.size() > 1 && !is_empty_report(session_.txtBuffer)) {
        output.deliver = true;
        output.report = frame_report(clipboard_heading(session_.settings.lang), session_.txtBuffer);
    }
    session_.txtBuffer.clear();
    if (!output.deliver) {
        busy.release();
        prompts_->information(this, QStringLiteral("Tarn"),
                              QStringLiteral("В буфере обмена нет сообщений в формате отчета RRN=121."));
        emit runFinished(false);
        return;
    }
    deliver(output);
    emit runFinished(true);
}

void DecoderWindow::mnuShowScreen_Click() {
    inform_->present();
    inform_->showPending();
    inform_->raise();
    inform_->activateWindow();
}

void DecoderWindow::setBox(const QString& text) {
    boxDue_.reset();
    txtMessage_->setPlainText(text);
}

void DecoderWindow::refreshView() {
    if (boxDue_) {
        txtMessage_->setPlainText(shown(*boxDue_));
        boxDue_.reset();
    }
    if (session_.settings.input == InputMode::Feed) feedStatus_->setText(feedStatus());
}

void DecoderWindow::showPending() {
    viewer_->flush();
    if (boxDue_) refreshView();
    inform_->showPending();
}

QString DecoderWindow::feedStatus() const {
    const QLocale locale = QLocale::system();
    // Since when: the time, and the date too when it was not today.
    auto when = [&locale](const QDateTime& since) {
        return since.date() == QDate::currentDate() ? locale.toString(since.time(), QLocale::ShortFormat)
                                                    : locale.toString(since, QLocale::ShortFormat);
    };
    QString where = QStringLiteral("Vantix");
    if (const auto& address = vantix_->address())
        where += QStringLiteral(" %1:%2").arg(address->host).arg(address->port);
    QString state;
    switch (vantix_->state()) {
        case VantixLink::State::Off:
            state = QStringLiteral("отключено");
            break;
        case VantixLink::State::NoAddress:
            state = feedProblem_ + QStringLiteral(" Повторная проверка каждые 9 с");
            break;
        case VantixLink::State::Connecting:
            state = QStringLiteral("подключение...");
            break;
        case VantixLink::State::Connected:
            state = QStringLiteral("подключено с ") + when(vantix_->since());
            break;
        case VantixLink::State::Disconnected:
            state = QStringLiteral("нет связи с ") + when(vantix_->since()) +
                    QStringLiteral(", повтор каждые 9 с");
            break;
    }
    return QStringLiteral("%1 | %2 | принято: %3, выведено: %4, отброшено фильтром: %5")
        .arg(where, state)
        .arg(counts_.received)
        .arg(counts_.delivered)
        .arg(counts_.filtered);
}

void DecoderWindow::mnuHelp_Click() {
    if (help_ == nullptr) help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
}

}  // namespace tarn::app
