// The screen window INFORM on its own: the size limit, where a delivery leaves the view,
// Find, Save as, Copy, Clear, its size and place. The offscreen screen here is 1600 pixels
// wide, so that a whole report line fits.
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>
#include <fstream>

#include "app/screen_text.hpp"
#include "fake_prompts.hpp"

namespace {

using tarn::app::ScreenText;

// A report of `chars` characters counted as the screen counts them (CR LF is two): its
// number, then `fill` up to the length, then CR LF.
std::string report(int number, int chars, QChar fill = QLatin1Char('x')) {
    QString text = QStringLiteral("R%1 ").arg(number);
    text += QString(chars - 2 - text.size(), fill);
    return (text + QStringLiteral("\r\n")).toStdString();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ScreenWindowTest : public QObject {
    Q_OBJECT
    std::optional<Harness> h;

    tarn::app::InformWindow* inform() { return h->window.inform(); }
    // Delivers reports and shows them; the screen window is up to date afterwards.
    void deliver(const std::string& text, bool keep = true) {
        inform()->deliver(text, keep);
        inform()->showPending();
    }
    int selectionStart() { return inform()->txtScreen()->textCursor().selectionStart(); }

private slots:
    void init() { h.emplace(); }
    void cleanup() { h.reset(); }

    void limitDropsTheOldestReportsOneByOne_data() {
        QTest::addColumn<QList<int>>("sizes");  // characters of each report, in delivery order
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QList<int>>("kept");  // which of them the screen holds at the end
        QTest::addColumn<QChar>("fill");
        QTest::addColumn<bool>("showEach");  // the box brought up to date after every delivery
        const QChar x = QLatin1Char('x'), zhe = QChar(0x0416);
        QTest::newRow("20000 and 9000, then 5000: the oldest goes")
            << QList{20000, 9000, 5000} << true << QList{1, 2} << x << true;
        QTest::newRow("single-message reports, no ETX: one by one")
            << QList{10000, 10000, 10000, 10000, 10000} << true << QList{2, 3, 4} << x << true;
        QTest::newRow("exactly 30000 stays") << QList{15000, 15000} << true << QList{0, 1} << x << true;
        QTest::newRow("30001 drops one") << QList{15000, 15001} << true << QList{1} << x << true;
        QTest::newRow("a report over the limit is shown whole")
            << QList{100, 40000} << true << QList{1} << x << true;
        QTest::newRow("the next report drops it") << QList{40000, 100} << true << QList{1} << x << true;
        QTest::newRow("Cyrillic letters count one each")
            << QList{20000, 10000} << true << QList{0, 1} << zhe << true;
        QTest::newRow("without Keep date the newest replaces all")
            << QList{100, 200} << false << QList{1} << x << true;
        QTest::newRow("reports dropped before the box was shown")
            << QList{10000, 10000, 10000, 10000, 10000, 10000, 10000} << true << QList{4, 5, 6} << x << false;
    }
    void limitDropsTheOldestReportsOneByOne() {
        QFETCH(QList<int>, sizes);
        QFETCH(bool, keep);
        QFETCH(QList<int>, kept);
        QFETCH(QChar, fill);
        QFETCH(bool, showEach);
        ScreenText screen;
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
        QCOMPARE(box.toPlainText(), ScreenText::shown(expected));
    }

    void deliveryShowsTheStartOfTheNewestReport() {
        inform()->show();
        QVERIFY(QTest::qWaitForWindowExposed(inform()));
        auto lines = [](const char* title, int count) {
            std::string text = std::string(title) + "\r\n";
            for (int k = 0; k < count; ++k)
                text += " line " + std::to_string(k) + std::string(100, '.') + "\r\n";
            return text;
        };
        deliver(lines("   first report", 80));
        deliver(lines("   second report", 80));
        const QPlainTextEdit* box = inform()->txtScreen();
        QCOMPARE(box->cursorForPosition(QPoint(1, 1)).block().text(), QStringLiteral("   second report"));
        QCOMPARE(box->horizontalScrollBar()->value(), 0);
        QCOMPARE(box->textCursor().block().text(), QStringLiteral("   second report"));
        // a short newest report: the view ends at the end of the text, its start in sight
        deliver(lines("   third report", 2));
        const QTextBlock top = box->cursorForPosition(QPoint(1, 1)).block();
        const QTextBlock third = box->document()->findBlockByNumber(2 * 81);
        QCOMPARE(third.text(), QStringLiteral("   third report"));
        QVERIFY(top.blockNumber() <= third.blockNumber());
        QVERIFY(box->cursorForPosition(QPoint(1, box->viewport()->height() - 2)).blockNumber() >=
                third.blockNumber());
    }

    void findGoesToTheNextMatch_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("keys");  // one letter a step: n next (F3), p previous (Shift+F3)
        QTest::addColumn<QList<int>>("starts");
        // the screen holds "alpha ОТЧЕТ", "beta отчет", "gamma Отчет": lines begin at 0, 12, 23
        QTest::newRow("Cyrillic in any case, going round")
            << QStringLiteral("отчет") << "nnnn" << QList{6, 17, 29, 6};
        QTest::newRow("backwards from the start goes round to the end")
            << QStringLiteral("ОТЧЕТ") << "ppp" << QList{29, 17, 6};
        QTest::newRow("next then previous") << QStringLiteral("Отчет") << "nnp" << QList{6, 17, 6};
        QTest::newRow("Latin in any case") << QStringLiteral("BETA") << "nn" << QList{12, 12};
        QTest::newRow("nowhere: the cursor stays") << QStringLiteral("дельта") << "n" << QList{0};
    }
    void findGoesToTheNextMatch() {
        QFETCH(QString, what);
        QFETCH(QString, keys);
        QFETCH(QList<int>, starts);
        deliver("alpha ОТЧЕТ\r\nbeta отчет\r\ngamma Отчет\r\n", false);
        inform()->show();
        QVERIFY(QTest::qWaitForWindowExposed(inform()));
        inform()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(inform()));
        QTest::keyClick(inform(), Qt::Key_F, Qt::ControlModifier);  // the find bar takes the text
        QVERIFY(inform()->findText()->hasFocus());
        inform()->findText()->setText(what);
        for (int k = 0; k < keys.size(); ++k) {
            QTest::keyClick(inform(), Qt::Key_F3,
                            keys[k] == QLatin1Char('p') ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(selectionStart(), starts[k]);
        }
        const bool nowhere = what == QStringLiteral("дельта");
        QCOMPARE(inform()->txtScreen()->textCursor().hasSelection(), !nowhere);
        QCOMPARE(inform()->findStatus(), nowhere ? QStringLiteral("Не найдено") : QString());
    }

    void enterInTheFindTextGoesOn() {
        deliver("alpha ОТЧЕТ\r\nbeta отчет\r\n", false);
        inform()->openFind();
        inform()->findText()->setText(QStringLiteral("отчет"));
        QTest::keyClick(inform()->findText(), Qt::Key_Return);
        QCOMPARE(selectionStart(), 6);
        QTest::keyClick(inform()->findText(), Qt::Key_Return);
        QCOMPARE(selectionStart(), 17);
        QTest::keyClick(inform()->findText(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(selectionStart(), 6);
        QTest::keyClick(inform()->findText(), Qt::Key_Escape);  // closes the find bar
        QVERIFY(!inform()->findText()->isVisible());
    }

    void saveAsWritesTheBytesOfTheChosenEncoding_data() {
        QTest::addColumn<int>("filter");  // 0: UTF-8, 1: Windows-1251
        QTest::addColumn<QByteArray>("bytes");
        // Ж is U+0416, ё U+0451; the end mark and the CR LF line ends are kept
        QTest::newRow("UTF-8") << 0 << QByteArray("\xD0\x96 \xD1\x91 Hex\r\n\x03\r\n");
        QTest::newRow("Windows-1251") << 1 << QByteArray("\xC6 \xB8 Hex\r\n\x03\r\n");
    }
    void saveAsWritesTheBytesOfTheChosenEncoding() {
        QFETCH(int, filter);
        QFETCH(QByteArray, bytes);
        const QString path = h->dir.filePath("saved.txt");
        QFile old(path);  // an existing file is replaced
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old contents, longer than the report") > 0);
        old.close();
        deliver("Ж ё Hex\r\n\x03\r\n");
        h->prompts->saveAsAnswer = {path, filter};
        inform()->findChild<QAction*>("actSaveAs")->trigger();
        QCOMPARE(readAll(path), bytes);
        QVERIFY(h->prompts->asked.last().endsWith("|Text, UTF-8 (*.txt);;Text, Windows-1251 (*.txt)|0"));
    }

    void saveAsOffersTheOutputEncodingAndTellsAFailure() {
        deliver("report\r\n");
        h->act("mnuCp1251")->trigger();
        const QString bad = h->dir.filePath("gone/saved.txt");
        h->prompts->saveAsAnswer = {bad, 1};
        inform()->saveAs();
        QCOMPARE(h->prompts->asked.size(), 2);
        QVERIFY(h->prompts->asked[0].startsWith(
            "save as " + QDir::toNativeSeparators(h->dir.filePath("Tarn_screen.txt")) + "|"));
        QVERIFY(h->prompts->asked[0].endsWith("|1"));
        QCOMPARE(h->prompts->asked[1], "warning Сохранение отчета|Не удалось сохранить отчет в файл " +
                                           QDir::toNativeSeparators(bad) + ".\nПапка " +
                                           QDir::toNativeSeparators(h->dir.filePath("gone")) +
                                           " не существует.");
        h->prompts->saveAsAnswer = {};  // cancelled: nothing written, nothing told
        inform()->saveAs();
        QCOMPARE(h->prompts->asked.size(), 3);
    }

    void copyTakesTheSelectionOrEverything() {
        deliver("first line\r\nsecond line\r\n\x03\r\n");
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        inform()->findChild<QAction*>("actCopy")->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("first line\nsecond line\n\x03\n"));
        QTextCursor cursor = inform()->txtScreen()->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(17, QTextCursor::KeepAnchor);
        inform()->txtScreen()->setTextCursor(cursor);
        QTest::keyClick(inform()->txtScreen(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("line\nsecond"));
    }

    void clearEmptiesTheWindow() {
        deliver("a report\r\n");
        inform()->findChild<QAction*>("actClear")->trigger();
        inform()->showPending();
        QVERIFY(inform()->text().empty());
        QVERIFY(inform()->txtScreen()->toPlainText().isEmpty());
        deliver("next\r\n");  // Keep date appends to nothing
        QCOMPARE(inform()->text(), "next\r\n");
    }

    void opensWideEnoughForAReportLineAndKeepsItsPlace() {
        const QPlainTextEdit* box = inform()->txtScreen();
        inform()->present();
        QVERIFY(QTest::qWaitForWindowExposed(inform()));
        const int line = box->fontMetrics().horizontalAdvance(QString(120, QLatin1Char('0')));
        QVERIFY2(box->viewport()->width() >= line, qPrintable(QString::number(box->viewport()->width())));
        const QRect placed(130, 120, 900, 500);
        inform()->setGeometry(placed);
        QTRY_COMPARE(inform()->geometry(), placed);
        h->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h->window));
        h->window.resize(h->window.width() + 30, h->window.height() + 20);  // hides it
        QTRY_VERIFY(!inform()->isVisible());
        h->act("mnuShowScreen")->trigger();  // brought back where the operator had put it
        QVERIFY(inform()->isVisible());
        QCOMPARE(inform()->geometry(), placed);
        inform()->hide();
        h->window.txtMessage()->setPlainText("08 01 01 05");  // a delivery shows it there too
        h->act("mnuDecoding")->trigger();
        QVERIFY(inform()->isVisible());
        QCOMPARE(inform()->geometry(), placed);
    }
};

int main(int argc, char** argv) {
    // A screen wide enough for a whole report line.
    const QString config =
        QDir::temp().filePath(QStringLiteral("tarn-screens-%1.json").arg(QCoreApplication::applicationPid()));
    std::ofstream(config.toStdString()) << R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1600,
                                            "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    QFile::remove(config);
    ScreenWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screen_window_test.moc"
