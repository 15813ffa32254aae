// The main window driven through its menus on the offscreen platform.
#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "app/decoder_window.hpp"
#include "app/help_window.hpp"
#include "app/inform_window.hpp"
#include "app/vantix_link.hpp"
#include "fake_prompts.hpp"
#include "report/report.hpp"

using tarn::InputMode;
using tarn::app::DecoderWindow;

namespace {

const QString kSample = QStringLiteral(TARN_SOURCE_DIR "/examples/rrn121-call.txt");

std::size_t count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    FakePrompts* prompts_ = nullptr;
    std::unique_ptr<DecoderWindow> window_;

    QAction* act(const char* name) { return window_->findChild<QAction*>(QString::fromLatin1(name)); }
    QString informTitle() { return window_->inform()->windowTitle(); }
    void chooseFile(const QString& path) {
        prompts_->openAnswer = path;
        act("mnuInFile")->trigger();
    }
    // Checks the item only if it is not checked yet.
    void turnOn(const char* name) {
        if (!act(name)->isChecked()) act(name)->trigger();
    }

private slots:
    void init() {
        auto prompts = std::make_unique<FakePrompts>();
        prompts_ = prompts.get();
        window_ = std::make_unique<DecoderWindow>(std::move(prompts), dir_.path());
    }
    void cleanup() { window_.reset(); }

    void startsWithTheDefaultSettings() {
        QCOMPARE(window_->objectName(), QStringLiteral("DECODER"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tarn decoder (version 2.0.0)"));
        QCOMPARE(window_->centralWidget(), window_->txtMessage());
        QStringList menus;
        for (QAction* a : window_->menuBar()->actions()) menus << a->text();
        QCOMPARE(menus, (QStringList{"&Input", "&Output", "&Language", "&Decoding", "Hel&p"}));
        const QStringList captions{"Single message", "File ...",  "Vantix",  "Filter", "Screen",
                                   "File ...",       "Keep date", "English", "Russian"};
        const char* names[] = {"mnuSingle",  "mnuInFile", "mnuVantix",  "mnuFilter", "mnuScreen",
                               "mnuOutFile", "mnuKeep",   "mnuEnglish", "mnuRussian"};
        const bool checked[] = {true, false, false, false, true, false, false, false, true};
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(act(names[i])->text(), captions[i]);
            QCOMPARE(act(names[i])->isChecked(), checked[i]);
        }
        QVERIFY(!act("mnuFilter")->isEnabled());
        QVERIFY(act("mnuDecoding")->isEnabled());
        QCOMPARE(informTitle(), QStringLiteral("Information : Single message"));
        QCOMPARE(window_->txtMessage()->font().pointSize(), 18);
        QVERIFY(window_->txtMessage()->font().bold());
        QVERIFY(QFontInfo(window_->txtMessage()->font()).fixedPitch());
        const tarn::Settings& s = window_->settings();
        QVERIFY(s.lang == tarn::Lang::Russian && s.input == InputMode::Single && s.screen && !s.out_file &&
                !s.keep && !s.filter);
    }

    void languagesAreExclusive() {
        act("mnuEnglish")->trigger();
        act("mnuEnglish")->trigger();
        QVERIFY(act("mnuEnglish")->isChecked());
        QVERIFY(!act("mnuRussian")->isChecked());
        QVERIFY(window_->settings().lang == tarn::Lang::English);
        act("mnuRussian")->trigger();
        QVERIFY(!act("mnuEnglish")->isChecked());
        QVERIFY(act("mnuRussian")->isChecked());
        QVERIFY(window_->settings().lang == tarn::Lang::Russian);
    }

    void inputModesSetTheirChecksLockAndTitles() {
        chooseFile({});  // the dialog cancelled
        QVERIFY(act("mnuInFile")->isChecked() && !act("mnuSingle")->isChecked() &&
                !act("mnuVantix")->isChecked());
        QVERIFY(window_->settings().input == InputMode::File);
        QVERIFY(window_->txtMessage()->isReadOnly());
        QVERIFY(act("mnuDecoding")->isEnabled());
        QVERIFY(!act("mnuFilter")->isEnabled());
        QCOMPARE(window_->txtMessage()->font().pointSize(), 11);
        QCOMPARE(informTitle(), QStringLiteral("Information: File "));
        QCOMPARE(prompts_->asked, QStringList{"open Text (*.txt*)"});

        act("mnuSingle")->trigger();
        QVERIFY(act("mnuSingle")->isChecked() && !act("mnuInFile")->isChecked());
        QVERIFY(!window_->txtMessage()->isReadOnly());
        QCOMPARE(window_->txtMessage()->font().pointSize(), 18);
        QCOMPARE(informTitle(), QStringLiteral("Information: Single message"));

        // Single message again: the typed text stays, only font and title are set
        window_->txtMessage()->setPlainText("0801");
        QFont small = window_->txtMessage()->font();
        small.setPointSize(9);
        window_->txtMessage()->setFont(small);
        window_->inform()->setWindowTitle("x");
        act("mnuSingle")->trigger();
        QCOMPARE(window_->txtMessage()->toPlainText(), QStringLiteral("0801"));
        QCOMPARE(window_->txtMessage()->font().pointSize(), 18);
        QCOMPARE(informTitle(), QStringLiteral("Information: Single message"));
    }

    void vantixWithoutIniSaysSoAndStaysUnconnected() {
        act("mnuVantix")->trigger();
        QVERIFY(act("mnuVantix")->isChecked() && !act("mnuSingle")->isChecked() &&
                !act("mnuInFile")->isChecked());
        QVERIFY(!act("mnuDecoding")->isEnabled());
        QVERIFY(act("mnuFilter")->isEnabled());
        QVERIFY(window_->txtMessage()->isReadOnly());
        QCOMPARE(window_->txtMessage()->font().pointSize(), 11);
        QCOMPARE(informTitle(), QStringLiteral("Information: Vantix"));
        QCOMPARE(window_->txtMessage()->toPlainText(), QStringLiteral(" Disconnect"));
        QCOMPARE(prompts_->asked.size(), 1);
        QVERIFY(prompts_->asked[0].contains(QDir::toNativeSeparators(dir_.filePath("Tarn.INI"))));
        QVERIFY(!window_->vantix()->active());

        // a bad port is named too
        QFile ini(dir_.filePath("Tarn.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Vantix]\r\nRemoteHost=127.0.0.1\r\nRemotePort=port\r\n");
        ini.close();
        act("mnuSingle")->trigger();
        act("mnuVantix")->trigger();
        QVERIFY(prompts_->asked.last().contains("\"port\""));
        QVERIFY(!window_->vantix()->active());
        QFile::remove(dir_.filePath("Tarn.INI"));

        // choosing it while checked does nothing
        window_->inform()->setWindowTitle("x");
        act("mnuVantix")->trigger();
        QVERIFY(act("mnuVantix")->isChecked());
        QCOMPARE(informTitle(), QStringLiteral("x"));
        QCOMPARE(prompts_->asked.size(), 2);
    }

    void filterAsksAndSetsItsTitle() {
        act("mnuVantix")->trigger();
        prompts_->textAnswer = QStringLiteral("iam");
        act("mnuFilter")->trigger();
        QVERIFY(prompts_->asked.last() == "text Set Filter|Select context for output message|");
        QVERIFY(act("mnuFilter")->isChecked());
        QCOMPARE(informTitle(), QStringLiteral("Information: Vantix (Filter - iam)."));
        QVERIFY(window_->settings().filter && window_->settings().filter_text == "iam");
        prompts_->textAnswer.reset();  // cancelled: the filter goes off
        act("mnuFilter")->trigger();
        QVERIFY(prompts_->asked.last().endsWith("|iam"));
        QVERIFY(!act("mnuFilter")->isChecked());
        QCOMPARE(informTitle(), QStringLiteral("Information: Vantix (Filter - OFF)."));
        QVERIFY(!window_->settings().filter);
    }

    void rejectedMessageWarnsInRussianAndDecodesNothing() {
        window_->txtMessage()->setPlainText("  080G  ");
        QSignalSpy runs(window_.get(), &DecoderWindow::runFinished);
        act("mnuDecoding")->trigger();
        QCOMPARE(runs.size(), 1);
        QCOMPARE(runs[0][0].toBool(), false);
        QCOMPARE(
            prompts_->asked,
            QStringList{"warning Некорректный ввод сообщения|Допустимые информационные символы: 0-9, A-F"});
        QCOMPARE(window_->txtMessage()->toPlainText(),
                 QStringLiteral("080G"));  // trimmed, kept for correction
        QVERIFY(!window_->inform()->isVisible());
    }

    void unrecognisedMessageClearsTheScreenUnlessKept() {
        window_->inform()->deliver("earlier report\r\n", false);
        window_->txtMessage()->setPlainText("0101");
        turnOn("mnuKeep");
        act("mnuDecoding")->trigger();
        QCOMPARE(window_->inform()->text(), std::string("earlier report\r\n"));
        act("mnuKeep")->trigger();
        QVERIFY(!window_->settings().keep);
        act("mnuDecoding")->trigger();
        QCOMPARE(window_->inform()->text(), std::string());
        QVERIFY(prompts_->asked.isEmpty());
    }

    void outputFileDefaultsToTheProgramFolder() {
        act("mnuOutFile")->trigger();  // the dialog cancelled
        const QString fallback = dir_.filePath("Tarn_report.txt");
        QVERIFY(act("mnuOutFile")->isChecked());
        QVERIFY(window_->settings().out_file);
        QCOMPARE(window_->outputPath(), fallback);
        QCOMPARE(prompts_->proposedOutput, QDir::toNativeSeparators(fallback));
        QCOMPARE(prompts_->asked, QStringList{"save Text (*.txt)"});
        act("mnuOutFile")->trigger();  // checked: unchecked, no dialog
        QVERIFY(!act("mnuOutFile")->isChecked() && !window_->settings().out_file);
        QCOMPARE(prompts_->asked.size(), 1);
        prompts_->saveAnswer = dir_.filePath("chosen.txt");
        act("mnuOutFile")->trigger();
        QCOMPARE(window_->outputPath(), dir_.filePath("chosen.txt"));
        act("mnuScreen")->trigger();
        QVERIFY(!act("mnuScreen")->isChecked() && !window_->settings().screen);
    }

    void inputFileLimitIs64000Characters() {
        const QString fits = dir_.filePath("fits.txt");
        const QString over = dir_.filePath("over.txt");
        for (const auto& [path, size] : {std::pair{fits, 64000}, std::pair{over, 64001}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(size, 'A'));
        }
        chooseFile(fits);
        QCOMPARE(window_->txtMessage()->toPlainText().size(), 64000);
        QCOMPARE(informTitle(), "Information: File " + QDir::toNativeSeparators(fits));
        QCOMPARE(window_->settings().input_path, QDir::toNativeSeparators(fits).toStdString());
        chooseFile(over);
        QCOMPARE(prompts_->asked.last(),
                 QStringLiteral("information Tarn|Размер исходного файла не должен превышать 64 KB."));
        QVERIFY(window_->txtMessage()->toPlainText().isEmpty());
        QCOMPARE(informTitle(), "Information: File " + QDir::toNativeSeparators(over));
    }

    void unreadableFileIsNamedAndTheTextKept() {
        chooseFile(kSample);
        const QString sample = window_->txtMessage()->toPlainText();
        QVERIFY(sample.contains("RRN=121"));
        const QString missing = dir_.filePath("missing.txt");
        chooseFile(missing);
        QVERIFY(prompts_->asked.last().startsWith("warning "));
        QVERIFY(prompts_->asked.last().contains(missing));
        QCOMPARE(window_->txtMessage()->toPlainText(), sample);
        QCOMPARE(informTitle(), "Information: File " + QDir::toNativeSeparators(kSample));
        // cancelling keeps the text as well
        chooseFile({});
        QCOMPARE(window_->txtMessage()->toPlainText(), sample);
    }

    void fileReportGoesToScreenAndFileAndKeepDateAccumulates() {
        if (!decodersLinked()) QSKIP("no decoder writes report lines in this build");
        act("mnuEnglish")->trigger();
        chooseFile(kSample);
        const std::string heading =
            "   REPORT (File: " + QDir::toNativeSeparators(kSample).toStdString() + ")\r\n";
        act("mnuOutFile")->trigger();  // default file
        turnOn("mnuKeep");
        QSignalSpy runs(window_.get(), &DecoderWindow::runFinished);
        act("mnuDecoding")->trigger();
        act("mnuDecoding")->trigger();
        QCOMPARE(runs.size(), 2);
        QVERIFY(runs[0][0].toBool());
        const std::string& screen = window_->inform()->text();
        QVERIFY(window_->inform()->isVisible());
        QCOMPARE(count(screen, heading), 2u);
        QCOMPARE(screen.rfind(heading, 0), 0u);
        QCOMPARE(count(screen, tarn::kReportEnd), 2u);
        QVERIFY(screen.ends_with(tarn::kReportEnd));
        for (const char* dump :
             {"C581400030D30001 0020010A00020907 031094153254760A 0683139475560400", "C581400030D30006",
              "C581400030D30009", "C581400030D3000C", "C501402030D30010"}) {
            QCOMPARE(count(screen, dump), 2u);
        }
        // the file holds both reports, each followed by one more CR LF
        const QByteArray file = readAll(dir_.filePath("Tarn_report.txt"));
        QCOMPARE(file, QByteArray::fromStdString(screen).replace("\x03\r\n", "\x03\r\n\r\n"));

        // without Keep date each delivery replaces both
        act("mnuKeep")->trigger();
        act("mnuDecoding")->trigger();
        QCOMPARE(count(window_->inform()->text(), heading), 1u);
        QCOMPARE(readAll(dir_.filePath("Tarn_report.txt")),
                 QByteArray::fromStdString(window_->inform()->text() + "\r\n"));

        // Screen off: the report only goes to the file and the screen window is hidden
        act("mnuScreen")->trigger();
        act("mnuRussian")->trigger();
        act("mnuDecoding")->trigger();
        QVERIFY(!window_->inform()->isVisible());
        QVERIFY(readAll(dir_.filePath("Tarn_report.txt")).startsWith("   ОТЧЕТ (Файл: "));
        QCOMPARE(count(window_->inform()->text(), heading), 1u);
    }

    void unwritableOutputFileIsNamedAndNothingIsLost() {
        if (!decodersLinked()) QSKIP("no decoder writes report lines in this build");
        chooseFile(kSample);
        const QString bad = dir_.filePath("no-such-folder/report.txt");
        prompts_->saveAnswer = bad;
        act("mnuOutFile")->trigger();
        act("mnuDecoding")->trigger();
        QVERIFY(prompts_->asked.last().startsWith("notice "));
        QVERIFY(prompts_->asked.last().contains(QDir::toNativeSeparators(bad)));
        QVERIFY(window_->inform()->isVisible());  // the screen still got the report
        QCOMPARE(count(window_->inform()->text(), tarn::kReportEnd), 1u);
        // a later delivery to a good file works: the program went on
        prompts_->saveAnswer.clear();
        act("mnuOutFile")->trigger();
        act("mnuOutFile")->trigger();
        act("mnuDecoding")->trigger();
        QVERIFY(readAll(dir_.filePath("Tarn_report.txt")).contains("C581400030D30001"));
    }

    void resizeHidesTheSecondaryWindows() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        act("mnuHelp")->trigger();
        window_->inform()->show();
        QVERIFY(window_->help()->isVisible() && window_->inform()->isVisible());
        window_->resize(window_->width() + 40, window_->height() + 30);
        QTRY_VERIFY(!window_->help()->isVisible());
        QVERIFY(!window_->inform()->isVisible());
        QCOMPARE(window_->txtMessage()->geometry(), window_->centralWidget()->geometry());
    }

    void helpOpensOnce() {
        act("mnuHelp")->trigger();
        tarn::app::HelpWindow* first = window_->help();
        QVERIFY(first != nullptr && first->isVisible());
        act("mnuHelp")->trigger();
        QCOMPARE(window_->help(), first);
        QCOMPARE(window_->findChildren<tarn::app::HelpWindow*>().size(), 1);
        QCOMPARE(first->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(first->objectName(), QStringLiteral("frmDESCR"));
        const QString about = first->txtDESCR()->toPlainText();
        for (const char* point :
             {"ISUP", "EDSS1", "автоматически", "Q.767", "Q.763", "ISUP-R", "1994", "ETS 300 102-1", "64 КБ",
              "RRN=121", "Alcatel 1000 S12", "Vantix", "Tarn.INI", "KEEP DATE", "30 КБ", "Tarn_report.txt",
              "DECODING", "SINGLE", "SCREEN"}) {
            QVERIFY2(about.contains(QString::fromUtf8(point)), point);
        }
        const QString example = first->txtRRN()->toPlainText();
        QVERIFY(example.startsWith(QStringLiteral("Пример:\n")));
        QCOMPARE(example.mid(8), QString::fromUtf8(readAll(kSample)));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
