// The main window driven through its menus on the offscreen platform.
#include <QClipboard>
#include <QFile>
#include <QScreen>
#include <QtTest>
#include <cerrno>

#include "app/help_window.hpp"
#include "app/screen_text.hpp"
#include "app/write_failure.hpp"
#include "fake_prompts.hpp"
#include "report/convert.hpp"
#include "report/report.hpp"

namespace {

const QString kSample = QStringLiteral(TARN_SOURCE_DIR "/examples/rrn121-call.txt");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
    std::optional<Harness> h;

    void chooseFile(const QString& path) {
        h->prompts->openAnswer = path;
        h->act("mnuInFile")->trigger();
    }

private slots:
    void init() { h.emplace(); }
    void cleanup() { h.reset(); }

    void languagesAreExclusive() {
        for (const char* item : {"mnuEnglish", "mnuEnglish", "mnuRussian"}) {
            h->act(item)->trigger();
            const bool english = qstrcmp(item, "mnuEnglish") == 0;
            QVERIFY(h->act("mnuEnglish")->isChecked() == english &&
                    h->act("mnuRussian")->isChecked() != english);
            QCOMPARE(h->window.settings().lang == tarn::Lang::English, english);
        }
    }

    void inputModesSetChecksLockItemsFontAndTitle() {
        struct Mode {
            const char *item, *box, *title;
            bool locked, decoding, filter;
            int points;
        };
        const Mode modes[] = {
            {"mnuInFile", "", "Information: File ", true, true, false, 11},              // dialog cancelled
            {"mnuVantix", " Disconnect", "Information: Vantix", true, false, true, 11},  // no Tarn.INI
            {"mnuSingle", "", "Information: Single message", false, true, false, 18},
            {"mnuVantix", " Disconnect", "Information: Vantix", true, false, true, 11},
        };
        for (const Mode& m : modes) {
            h->window.txtMessage()->setPlainText("0801");  // a switch clears the box
            h->act(m.item)->trigger();
            for (const char* item : {"mnuSingle", "mnuInFile", "mnuVantix"})
                QCOMPARE(h->act(item)->isChecked(), qstrcmp(item, m.item) == 0);
            QCOMPARE(h->window.txtMessage()->isReadOnly(), m.locked);
            QCOMPARE(h->act("mnuDecoding")->isEnabled(), m.decoding);
            QCOMPARE(h->act("mnuFilter")->isEnabled(), m.filter);
            QCOMPARE(h->window.txtMessage()->font().pointSize(), m.points);
            QCOMPARE(h->box(), QString::fromLatin1(m.box));
            QCOMPARE(h->title(), QString::fromLatin1(m.title));
        }
        QVERIFY(h->prompts->asked[1].contains(QDir::toNativeSeparators(h->dir.filePath("Tarn.INI"))));
    }

    void keepDateScreenAndFileThroughOneRun() {
        const QString out = h->dir.filePath("Tarn_report.txt");
        const std::string heading =
            "   REPORT (File: " + QDir::toNativeSeparators(kSample).toStdString() + ")\r\n";
        h->act("mnuEnglish")->trigger();
        chooseFile(kSample);
        h->act("mnuOutFile")->trigger();  // the default file
        h->act("mnuKeep")->trigger();
        h->act("mnuDecoding")->trigger();
        h->act("mnuDecoding")->trigger();
        QVERIFY(h->window.inform()->isVisible());
        QCOMPARE(count(h->screen(), heading), 2u);
        QCOMPARE(count(h->screen(), tarn::kReportEnd), 2u);
        // the file holds both reports, each followed by one more CR LF
        QCOMPARE(readAll(out), QByteArray::fromStdString(h->screen()).replace("\x03\r\n", "\x03\r\n\r\n"));
        // without Keep date a report replaces the last one on the screen and in the file
        h->act("mnuKeep")->trigger();
        h->act("mnuDecoding")->trigger();
        QCOMPARE(count(h->screen(), heading), 1u);
        QCOMPARE(readAll(out), QByteArray::fromStdString(h->screen() + "\r\n"));
        // Screen off: the file only, the screen window hidden and left as it was
        h->act("mnuScreen")->trigger();
        h->act("mnuRussian")->trigger();
        h->act("mnuDecoding")->trigger();
        QVERIFY(!h->window.inform()->isVisible());
        QVERIFY(readAll(out).startsWith("   ОТЧЕТ (Файл: "));
        QCOMPARE(count(h->screen(), heading), 1u);
    }

    void outputFileDefaultsToTheProgramFolderWhenCancelled() {
        const QString fallback = h->dir.filePath("Tarn_report.txt");
        h->act("mnuOutFile")->trigger();
        QVERIFY(h->window.settings().out_file);
        QCOMPARE(h->window.outputPath(), fallback);
        QCOMPARE(h->prompts->asked, QStringList{"save " + QDir::toNativeSeparators(fallback)});
        h->act("mnuOutFile")->trigger();  // checked: unchecked without a dialog
        QVERIFY(!h->window.settings().out_file);
        QCOMPARE(h->prompts->asked.size(), 1);
    }

    void inputFileLimitIs64000Characters() {
        for (const int size : {64000, 64001}) {
            const QString path = h->dir.filePath(QString::number(size) + ".txt");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'A')) == size);
            file.close();
            chooseFile(path);
            QCOMPARE(h->box().size(), size == 64000 ? 64000 : 0);
            QCOMPARE(h->title(), "Information: File " + QDir::toNativeSeparators(path));
        }
        QCOMPARE(h->prompts->asked.last(),
                 QStringLiteral("information Tarn|Размер исходного файла не должен превышать 64 KB."));
    }

    void unwritableOutputFileIsToldOncePerFailureInRussian() {
        const QString folder = h->dir.filePath("reports");
        const QString out = folder + "/report.txt";
        const QString told =
            "notice Вывод в файл|Не удалось записать отчет в файл " + QDir::toNativeSeparators(out) +
            ".\nПапка " + QDir::toNativeSeparators(folder) +
            " не существует.\nПока запись не восстановится, это предупреждение больше не появится.";
        chooseFile(kSample);
        h->prompts->saveAnswer = out;
        h->act("mnuOutFile")->trigger();
        h->prompts->asked.clear();
        for (int k = 0; k < 3; ++k) h->act("mnuDecoding")->trigger();
        QCOMPARE(h->prompts->asked, QStringList{told});
        QCOMPARE(count(h->screen(), tarn::kReportEnd), 1u);  // the screen still got the report
        QVERIFY(QDir().mkdir(folder));                       // mended: written, nothing told
        h->act("mnuDecoding")->trigger();
        QCOMPARE(count(readAll(out).toStdString(), tarn::kReportEnd), 1u);
        QCOMPARE(h->prompts->asked.size(), 1);
        QVERIFY(QDir(folder).removeRecursively());  // a new failure after a success is told again
        h->act("mnuDecoding")->trigger();
        h->act("mnuDecoding")->trigger();
        QCOMPARE(h->prompts->asked, (QStringList{told, told}));
    }

    void writeFailureReasons_data() {
        QTest::addColumn<QString>("path");  // under the program folder
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such folder") << "lost/r.txt" << ENOENT << "Папка %1/lost не существует.";
        QTest::newRow("no such folder, no error number")
            << "lost/r.txt" << 0 << "Папка %1/lost не существует.";
        QTest::newRow("a folder named as the file") << "." << EISDIR << "Это имя папки, а не файла.";
        QTest::newRow("permission denied")
            << "r.txt" << EACCES << "Нет прав на запись в этот файл или папку.";
        QTest::newRow("read-only file system")
            << "r.txt" << EROFS << "Нет прав на запись в этот файл или папку.";
        QTest::newRow("disk full") << "r.txt" << ENOSPC << "На диске нет свободного места.";
        QTest::newRow("any other reason by its number") << "r.txt" << EIO << "Ошибка записи (код 5).";
    }
    void writeFailureReasons() {
        QFETCH(QString, path);
        QFETCH(int, error);
        QFETCH(QString, reason);
        const QString file = QDir::cleanPath(h->dir.filePath(path));
        QCOMPARE(tarn::app::writeProblemText(tarn::app::classifyWriteFailure(file, error), file, error),
                 reason.contains("%1") ? reason.arg(QDir::toNativeSeparators(h->dir.path())) : reason);
    }

    void windows1251OutputFile() {
        const QString out = h->dir.filePath("Tarn_report.txt");
        QVERIFY(!h->act("mnuCp1251")->isChecked());
        chooseFile(kSample);
        h->act("mnuOutFile")->trigger();
        h->act("mnuCp1251")->trigger();
        QVERIFY(h->act("mnuCp1251")->isChecked());
        QCOMPARE(h->window.outputEncoding(), tarn::Encoding::Cp1251);
        h->act("mnuDecoding")->trigger();
        // "   ОТЧЕТ (Файл: " in Windows-1251
        QVERIFY(readAll(out).startsWith("   \xCE\xD2\xD7\xC5\xD2 (\xD4\xE0\xE9\xEB: "));
        QVERIFY(readAll(out).endsWith("\r\n\x03\r\n\r\n"));
        h->act("mnuCp1251")->trigger();  // off: UTF-8 again
        h->act("mnuDecoding")->trigger();
        QVERIFY(readAll(out).startsWith("   \xD0\x9E\xD0\xA2\xD0\xA7\xD0\x95\xD0\xA2 (\xD0\xA4"));
    }

    void inputDialogAlsoOffersAllFiles() {
        chooseFile({});
        QCOMPARE(h->prompts->asked, QStringList{"open Text (*.txt*);;All files (*)"});
    }

    void clipboardReportIsDecodedAsOneRun() {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(readAll(kSample)));
        h->window.txtMessage()->setPlainText("0801");
        h->act("mnuClipboard")->trigger();
        const std::string& screen = h->screen();
        QCOMPARE(screen.rfind("   ОТЧЕТ (Буфер обмена)\r\n", 0), 0u);
        QCOMPARE(count(screen, tarn::kReportEnd), 1u);
        const char* titles[] = {
            "C581400030D30001 0020010A00020907 031094153254760A 0683139475560400 \r\n",
            "C581400030D30006 16140129010100FF \r\n", "C581400030D30009 012D02010000FFFF \r\n",
            "C581400030D3000C 0200028090FFFFFF \r\n", "C501402030D30010 00FFFFFFFFFFFFFF \r\n"};
        for (const char* title : titles) {
            QCOMPARE(count(screen, std::string(" СООБЩЕНИЕ ISDN-ISUP SS#7 (ISUP-R):  ") + title), 1u);
        }
        QCOMPARE(h->box(), QStringLiteral("0801"));  // the message box is left as it was
        // the same report read from its file has the same messages' lines
        const std::string clipboard = screen.substr(screen.find("\r\n"));
        chooseFile(kSample);
        h->act("mnuDecoding")->trigger();
        QCOMPARE(h->screen().substr(h->screen().find("\r\n")), clipboard);
        h->act("mnuEnglish")->trigger();
        h->act("mnuClipboard")->trigger();
        QCOMPARE(h->screen().rfind("   REPORT (Clipboard)\r\n", 0), 0u);
        // no messages in the clipboard: said so, the screen left as it was
        QGuiApplication::clipboard()->setText("no hex groups here");
        h->act("mnuClipboard")->trigger();
        QCOMPARE(h->prompts->asked.last(),
                 QStringLiteral("information Tarn|В буфере обмена нет сообщений в формате отчета RRN=121."));
        QCOMPARE(h->screen().rfind("   REPORT (Clipboard)\r\n", 0), 0u);
    }

    void keepDateInSingleMessageModeDropsTheOldestOneByOne() {
        h->act("mnuKeep")->trigger();
        h->window.txtMessage()->setPlainText("08 01 01 05");  // a DSS1 SETUP, call reference 1
        h->act("mnuDecoding")->trigger();
        const std::string one = h->screen();
        QVERIFY(!one.empty());
        const std::size_t fit = tarn::app::ScreenText::kLimit / tarn::utf8_length(one);
        for (std::size_t k = 1; k < fit + 3; ++k) h->act("mnuDecoding")->trigger();
        std::string expected;
        for (std::size_t k = 0; k < fit; ++k) expected += one;
        QCOMPARE(h->screen(), expected);
    }

    void reportWindowFitsTheScreen() {
        // the offscreen screen here is 800 pixels wide, too narrow for a report line
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(h->window.inform()->width() <= screen.width());
        QVERIFY(h->window.inform()->width() >= 600);
    }

    void helpOpensOnceAndResizeHidesTheWindows() {
        h->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h->window));
        h->act("mnuHelp")->trigger();
        h->act("mnuHelp")->trigger();
        QCOMPARE(h->window.findChildren<tarn::app::HelpWindow*>(), QList{h->window.help()});
        QCOMPARE(h->window.help()->txtRRN()->toPlainText().mid(8), QString::fromUtf8(readAll(kSample)));
        h->window.inform()->show();
        QVERIFY(h->window.help()->isVisible());
        h->window.resize(h->window.width() + 40, h->window.height() + 30);
        QTRY_VERIFY(!h->window.help()->isVisible());
        QVERIFY(!h->window.inform()->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
