#include "app/decoder_window.hpp"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTime>

#include "app/fonts.hpp"
#include "app/help_window.hpp"
#include "app/inform_window.hpp"
#include "app/vantix_link.hpp"
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

}  // namespace

DecoderWindow::DecoderWindow(std::unique_ptr<Prompts> prompts, QString programDir, QWidget* parent)
    : QMainWindow(parent),
      prompts_(std::move(prompts)),
      programDir_(programDir.isEmpty() ? QCoreApplication::applicationDirPath() : std::move(programDir)) {
    setObjectName(QStringLiteral("DECODER"));
    setWindowTitle(QStringLiteral("Tarn decoder (version %1.%2.%3)").arg(2).arg(0).arg(0));
    txtMessage_ = new QPlainTextEdit(this);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setFont(fixedFont(18, true));
    setCentralWidget(txtMessage_);  // fills the whole client area

    inform_ = new InformWindow(this);
    vantix_ = new VantixLink(this);
    connect(vantix_, &VantixLink::reportReceived, this, &DecoderWindow::feedReport);
    connect(vantix_, &VantixLink::watched, this, &DecoderWindow::feedWatched);
    connect(vantix_, &VantixLink::unframedDropped, this, [this](qulonglong bytes) {
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

    QMenu* output = menuBar()->addMenu(QStringLiteral("&Output"));
    mnuScreen_ = item(output, "mnuScreen", QStringLiteral("Screen"), true);
    mnuOutFile_ = item(output, "mnuOutFile", QStringLiteral("File ..."), true);
    output->addSeparator();
    mnuKeep_ = item(output, "mnuKeep", QStringLiteral("Keep date"), true);

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
    mnuEnglish_->setChecked(s.lang == Lang::English);
    mnuRussian_->setChecked(s.lang == Lang::Russian);
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
    const QString chosen = prompts_->openFileName(this, QStringLiteral("Text (*.txt*)"));
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
        return;
    }
    switchInput(InputMode::Feed);
    setMessageFontSize(11);
    inform_->setWindowTitle(fromUtf8(feed::feed_title()));
    const QString ini = QDir(programDir_).filePath(QStringLiteral("Tarn.INI"));
    const feed::FeedAddress address = feed::read_feed_address(QDir::toNativeSeparators(ini).toStdString());
    if (!address.ok()) {
        // The feed stays unconnected; choosing "Vantix" again after mending the file retries.
        txtMessage_->setPlainText(QStringLiteral(" Disconnect"));
        prompts_->warning(this, QStringLiteral("Vantix"),
                          fromUtf8(feed::describe_problem(
                              address, QDir::toNativeSeparators(ini).toStdString(), Lang::Russian)));
        return;
    }
    vantix_->start(fromUtf8(address.host), address.port);
    txtMessage_->setPlainText(QStringLiteral(" Connect"));
}

void DecoderWindow::feedWatched(bool connected) {
    if (!connected) {
        txtMessage_->setPlainText(QStringLiteral(" Disconnect"));
    } else if (txtMessage_->toPlainText() == QStringLiteral(" Disconnect")) {
        txtMessage_->setPlainText(QStringLiteral(" Connect"));
    }
}

void DecoderWindow::feedReport(const QByteArray& raw) {
    if (session_.settings.input != InputMode::Feed) return;
    txtMessage_->setPlainText(
        shown(feed::received_text(std::string_view(raw.constData(), static_cast<std::size_t>(raw.size())))));
    const QLocale locale = QLocale::system();
    startDecoding(feed_heading(locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString(),
                               locale.toString(QTime::currentTime(), QLocale::ShortFormat).toStdString()));
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

void DecoderWindow::startDecoding(const std::string& feedHeading) {
    BusyCursor busy;
    std::string box = boxText(txtMessage_);
    const RunResult result = START_DECODING(session_, box, feedHeading);
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
        inform_->show();
    }
    if (s.out_file) {
        if (!s.screen) inform_->hide();
        const std::string error =
            write_report_file(QFile::encodeName(outPath_).toStdString(), output.report, s.keep);
        if (!error.empty()) {
            // The file keeps what it had; the report stays on the screen when shown there.
            prompts_->notice(this, QStringLiteral("Вывод в файл"),
                             QStringLiteral("Не удалось записать отчет в файл %1.\n%2")
                                 .arg(QDir::toNativeSeparators(outPath_), fromUtf8(error)));
        }
    }
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
}

void DecoderWindow::mnuHelp_Click() {
    if (help_ == nullptr) help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
}

}  // namespace tarn::app
