// The main window driven through its menus on the offscreen platform.
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>
#include <cerrno>

#include "app/screen_text.hpp"
#include "app/write_failure.hpp"
#include "fake_prompts.hpp"
#include "report/report.hpp"

namespace {

const QString kSample = QStringLiteral(TARN_SOURCE_DIR "/examples/rrn121-call.txt");

// Report `number` of `chars` characters as the screen counts them (CR LF is two), ending CR LF.
std::string report(int number, int chars, QChar fill = QLatin1Char('x')) {
    QString text = QStringLiteral("R%1 ").arg(number);
    text += QString(chars - 2 - text.size(), fill);
    return (text + QStringLiteral("\r\n")).toStdString();
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
    std::optional<Harness> h;

    void chooseFile(const QString& path) {
        h->prompts->openAnswer = path;
        h->act("mnuInFile")->trigger();
    }
    tarn::app::InformWindow* inform() { return h->window.inform(); }
    QAction* command(const char* name) { return inform()->findChild<QAction*>(name); }

private slots:
    void init() { h.emplace(); }
    void cleanup() { h.reset(); }

    void menusFollowTheInputAndTheLanguage_data() {
        QTest::addColumn<QString>("steps");  // items chosen in order, the box holding "0801" before each
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("title");  // after "Information: "
        QTest::newRow("File, dialog cancelled") << "English InFile" << true << "" << 11 << "File ";
        QTest::newRow("Vantix") << "English English Vantix" << true << " Disconnect" << 11 << "Vantix";
        QTest::newRow("Single") << "English Russian InFile Single" << false << "" << 18 << "Single message";
    }
    void menusFollowTheInputAndTheLanguage() {
        QFETCH(QString, steps);
        QFETCH(bool, english);
        QFETCH(QString, box);
        QFETCH(int, points);
        QFETCH(QString, title);
        for (const QString& step : steps.split(' ')) {
            h->window.txtMessage()->setPlainText("0801");  // a switch clears the box
            h->act(qPrintable("mnu" + step))->trigger();
        }
        const QString input = steps.section(' ', -1);
        for (const char* item : {"Single", "InFile", "Vantix"})
            QCOMPARE(h->act(qPrintable(QStringLiteral("mnu") + item))->isChecked(), input == item);
        QCOMPARE(h->window.txtMessage()->isReadOnly(), input != QStringLiteral("Single"));
        QCOMPARE(h->act("mnuDecoding")->isEnabled(), input != QStringLiteral("Vantix"));
        QCOMPARE(h->act("mnuFilter")->isEnabled(), input == QStringLiteral("Vantix"));
        QCOMPARE(h->window.txtMessage()->font().pointSize(), points);
        QCOMPARE(h->box(), box);
        QCOMPARE(inform()->windowTitle(), "Information: " + title);
        QCOMPARE(h->act("mnuEnglish")->isChecked(), english);
        QCOMPARE(h->act("mnuRussian")->isChecked(), !english);
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
    }

    void inputFileLimitIs64000Characters() {
        for (const int size : {64000, 64001}) {
            const QString path = h->dir.filePath(QString::number(size) + ".txt");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'A')) == size);
            file.close();
            chooseFile(path);
            QCOMPARE(h->box().size(), size == 64000 ? 64000 : 0);
            QCOMPARE(inform()->windowTitle(), "Information: File " + QDir::toNativeSeparators(path));
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
        QTest::newRow("a folder named as the file") << "." << EISDIR << "Это имя папки, а не файла.";
        QTest::newRow("denied") << "r.txt" << EACCES << "Нет прав на запись в этот файл или папку.";
        QTest::newRow("read-only") << "r.txt" << EROFS << "Нет прав на запись в этот файл или папку.";
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
        chooseFile(kSample);
        h->act("mnuOutFile")->trigger();
        h->act("mnuCp1251")->trigger();
        h->act("mnuDecoding")->trigger();
        // "   ОТЧЕТ (Файл: " in Windows-1251
        QVERIFY(readAll(out).startsWith("   \xCE\xD2\xD7\xC5\xD2 (\xD4\xE0\xE9\xEB: "));
        QVERIFY(readAll(out).endsWith("\r\n\x03\r\n\r\n"));
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
        for (const char* title : titles)
            QCOMPARE(count(screen, std::string(" СООБЩЕНИЕ ISDN-ISUP SS#7 (ISUP-R):  ") + title), 1u);
        QCOMPARE(h->box(), QStringLiteral("0801"));  // the message box is left as it was
        // no messages in the clipboard: said so, the screen left as it was
        QGuiApplication::clipboard()->setText("no hex groups here");
        h->act("mnuClipboard")->trigger();
        QCOMPARE(h->prompts->asked.last(),
                 QStringLiteral("information Tarn|В буфере обмена нет сообщений в формате отчета RRN=121."));
        QCOMPARE(h->screen().rfind("   ОТЧЕТ (Буфер обмена)\r\n", 0), 0u);
    }

    void screenDropsTheOldestReportsWhole_data() {
        QTest::addColumn<QList<int>>("sizes");  // characters of each report, in delivery order
        QTest::addColumn<QList<int>>("kept");   // which of them the screen holds at the end
        QTest::addColumn<QChar>("fill");
        QTest::addColumn<bool>("showEach");  // the box brought up to date after every delivery
        QTest::addColumn<bool>("keep");      // Keep date
        const QChar x = QLatin1Char('x');
        QTest::newRow("exactly 30000 stays") << QList{15000, 15000} << QList{0, 1} << x << true << true;
        QTest::newRow("30001 drops the oldest") << QList{15000, 15001} << QList{1} << x << true << true;
        QTest::newRow("a report over the limit is shown whole")
            << QList{100, 40000} << QList{1} << x << true << true;
        QTest::newRow("the next report drops it") << QList{40000, 100} << QList{1} << x << true << true;
        QTest::newRow("Cyrillic letters count one each")
            << QList{20000, 10000} << QList{0, 1} << QChar(0x0416) << true << true;
        QTest::newRow("reports dropped before the box was shown")
            << QList{10000, 10000, 10000, 10000, 10000, 10000, 10000} << QList{4, 5, 6} << x << false << true;
        QTest::newRow("single-message reports, no ETX: one by one")
            << QList{10000, 10000, 10000, 10000, 10000} << QList{2, 3, 4} << x << true << true;
        QTest::newRow("without Keep date the newest replaces all")
            << QList{100, 200} << QList{1} << x << true << false;
    }
    void screenDropsTheOldestReportsWhole() {
        QFETCH(QList<int>, sizes);
        QFETCH(QList<int>, kept);
        QFETCH(QChar, fill);
        QFETCH(bool, showEach);
        QFETCH(bool, keep);
        tarn::app::ScreenText screen;
        QPlainTextEdit box;
        for (int k = 0; k < sizes.size(); ++k) {
            screen.deliver(report(k, sizes[k], fill), keep);
            if (showEach || k == 0) screen.show(&box);
        }
        screen.show(&box);
        std::string expected;
        for (int k : kept) expected += report(k, sizes[k], fill);
        QCOMPARE(screen.text(), expected);
        QCOMPARE(screen.reports(), std::size_t(kept.size()));
        QCOMPARE(box.toPlainText(), tarn::app::ScreenText::shown(expected));
    }

    void findGoesRoundInAnyCase_data() {
        QTest::addColumn<QString>("steps");  // one letter a step: n Find next (F3), p Find previous
        QTest::addColumn<QList<int>>("starts");
        QTest::addColumn<QString>("what");
        // the screen holds "alpha ОТЧЕТ", "beta отчет", "gamma Отчет": lines begin at 0, 12, 23
        QTest::newRow("Cyrillic in any case, going round") << "nnnn" << QList{6, 17, 29, 6} << "отчет";
        QTest::newRow("backwards, going round to the end") << "ppp" << QList{29, 17, 6} << "ОТЧЕТ";
        QTest::newRow("nowhere: the cursor stays") << "n" << QList{0} << "дельта";
    }
    void findGoesRoundInAnyCase() {
        QFETCH(QString, steps);
        QFETCH(QList<int>, starts);
        QFETCH(QString, what);
        inform()->deliver("alpha ОТЧЕТ\r\nbeta отчет\r\ngamma Отчет\r\n", false);
        command("actFind")->trigger();
        inform()->findText()->setText(what);
        for (int k = 0; k < steps.size(); ++k) {
            command(steps[k] == QLatin1Char('p') ? "actFindPrevious" : "actFindNext")->trigger();
            QCOMPARE(inform()->txtScreen()->textCursor().selectionStart(), starts[k]);
        }
        QCOMPARE(inform()->findStatus(), what == "дельта" ? QStringLiteral("Не найдено") : "");
    }

    void saveAsWritesTheBytesOfTheChosenEncoding_data() {
        QTest::addColumn<bool>("cp1251");       // the Output menu's mark: the type offered first
        QTest::addColumn<int>("filter");        // 0: UTF-8, 1: Windows-1251
        QTest::addColumn<QByteArray>("bytes");  // the file afterwards; empty: into a missing folder, told
        // Ж is U+0416, ё U+0451; the end mark and the CR LF line ends are kept
        QTest::newRow("UTF-8") << true << 0 << QByteArray("\xD0\x96 \xD1\x91 Hex\r\n\x03\r\n");
        QTest::newRow("Windows-1251") << false << 1 << QByteArray("\xC6 \xB8 Hex\r\n\x03\r\n");
        QTest::newRow("no such folder") << true << 1 << QByteArray();
    }
    void saveAsWritesTheBytesOfTheChosenEncoding() {
        QFETCH(bool, cp1251);
        QFETCH(int, filter);
        QFETCH(QByteArray, bytes);
        const QString path = h->dir.filePath(bytes.isEmpty() ? "gone/saved.txt" : "saved.txt");
        if (cp1251) h->act("mnuCp1251")->trigger();
        inform()->deliver("Ж ё Hex\r\n\x03\r\n", true);
        h->prompts->saveAsAnswer = {path, filter};
        command("actSaveAs")->trigger();
        QCOMPARE(readAll(path), bytes);
        QStringList asked{"save as " + QDir::toNativeSeparators(h->dir.filePath("Tarn_screen.txt")) +
                          "|Text, UTF-8 (*.txt);;Text, Windows-1251 (*.txt)|" + QString::number(cp1251)};
        if (bytes.isEmpty())
            asked << "warning Сохранение отчета|Не удалось сохранить отчет в файл " +
                         QDir::toNativeSeparators(path) + ".\nПапка " +
                         QDir::toNativeSeparators(h->dir.filePath("gone")) + " не существует.";
        QCOMPARE(h->prompts->asked, asked);
    }

    void copyTakesTheSelectionOrEverythingAndClearEmpties() {
        inform()->deliver("first line\r\nsecond line\r\n\x03\r\n", true);
        command("actCopy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("first line\nsecond line\n\x03\n"));
        QTextCursor cursor = inform()->txtScreen()->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(17, QTextCursor::KeepAnchor);
        inform()->txtScreen()->setTextCursor(cursor);
        QTest::keyClick(inform()->txtScreen(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("line\nsecond"));
        command("actClear")->trigger();
        inform()->deliver("next\r\n", true);  // Keep date appends to nothing
        inform()->showPending();
        QCOMPARE(inform()->text(), "next\r\n");
        QCOMPARE(inform()->txtScreen()->toPlainText(), QStringLiteral("next\n"));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
