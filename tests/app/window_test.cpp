// The main window driven through its menus on the offscreen platform.
#include <QtTest>

#include "app/screen_text.hpp"
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

private slots:
    void init() { h.emplace(); }
    void cleanup() { h.reset(); }

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
            QCOMPARE(h->window.inform()->windowTitle(),
                     "Information: File " + QDir::toNativeSeparators(path));
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

    void screenDropsTheOldestReportsWhole_data() {
        QTest::addColumn<QList<int>>("sizes");  // characters of each report, in delivery order
        QTest::addColumn<QList<int>>("kept");   // which of them the screen holds at the end
        QTest::addColumn<QChar>("fill");
        QTest::addColumn<bool>("showEach");  // the box brought up to date after every delivery
        const QChar x = QLatin1Char('x');
        QTest::newRow("exactly 30000 stays") << QList{15000, 15000} << QList{0, 1} << x << true;
        QTest::newRow("30001 drops the oldest") << QList{15000, 15001} << QList{1} << x << true;
        QTest::newRow("a report over the limit is shown whole") << QList{100, 40000} << QList{1} << x << true;
        QTest::newRow("the next report drops it") << QList{40000, 100} << QList{1} << x << true;
        QTest::newRow("Cyrillic letters count one each")
            << QList{20000, 10000} << QList{0, 1} << QChar(0x0416) << true;
        QTest::newRow("reports dropped before the box was shown")
            << QList{10000, 10000, 10000, 10000, 10000, 10000, 10000} << QList{4, 5, 6} << x << false;
    }
    void screenDropsTheOldestReportsWhole() {
        QFETCH(QList<int>, sizes);
        QFETCH(QList<int>, kept);
        QFETCH(QChar, fill);
        QFETCH(bool, showEach);
        tarn::app::ScreenText screen;
        QPlainTextEdit box;
        for (int k = 0; k < sizes.size(); ++k) {
            screen.deliver(report(k, sizes[k], fill), true);
            if (showEach || k == 0) screen.show(&box);
        }
        screen.show(&box);
        std::string expected;
        for (int k : kept) expected += report(k, sizes[k], fill);
        QCOMPARE(screen.text(), expected);
        QCOMPARE(screen.reports(), std::size_t(kept.size()));
        QCOMPARE(box.toPlainText(), tarn::app::ScreenText::shown(expected));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
