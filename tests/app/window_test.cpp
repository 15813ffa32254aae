// The main window driven through its menus on the offscreen platform.
#include <QFile>
#include <QtTest>

#include "app/help_window.hpp"
#include "fake_prompts.hpp"
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

    void unwritableOutputFileIsNamedAndNothingIsLost() {
        const QString bad = h->dir.filePath("no-such-folder/report.txt");
        chooseFile(kSample);
        h->prompts->saveAnswer = bad;
        h->act("mnuOutFile")->trigger();
        h->act("mnuDecoding")->trigger();
        QVERIFY(h->prompts->asked.last().startsWith("notice ") &&
                h->prompts->asked.last().contains(QDir::toNativeSeparators(bad)));
        QCOMPARE(count(h->screen(), tarn::kReportEnd), 1u);  // the screen still got the report
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
