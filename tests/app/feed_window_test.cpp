// The window's feed against a local QTcpServer on the loopback interface.
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "app/vantix_link.hpp"
#include "fake_prompts.hpp"
#include "feed/framing.hpp"
#include "report/report.hpp"

namespace {

// Two ISUP messages of the sample observation report, each a report of its own.
const QByteArray kAnm = " ANM  RECEIVED\r\n    C581400030D30009 012D02010000FFFF\r\n";
const QByteArray kRlc = " RLC  SENT\r\n    C501402030D30010 00FFFFFFFFFFFFFF\r\n";

QString shown(const QByteArray& report) {
    return QString::fromLatin1(report).replace("\r\n", "\n");
}

}  // namespace

class FeedWindowTest : public QObject {
    Q_OBJECT
    std::optional<Harness> h;
    QTcpServer server_;
    QTcpSocket* peer_ = nullptr;
    std::optional<QSignalSpy> runs_;

    // Tarn.INI naming this machine, with `port` as its port line; nothing: no file.
    void writeIni(const std::optional<QByteArray>& port) {
        QFile ini(h->dir.filePath("Tarn.INI"));
        if (!port) {
            ini.remove();
            return;
        }
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Vantix]\r\nRemoteHost=127.0.0.1\r\n" + *port + "\r\n");
    }
    void accept() {
        QTRY_VERIFY_WITH_TIMEOUT(server_.hasPendingConnections(), 5000);
        peer_ = server_.nextPendingConnection();
        QTRY_VERIFY(h->window.vantix()->socket()->state() == QAbstractSocket::ConnectedState);
    }
    void send(const QByteArray& chunk) {
        peer_->write(chunk);
        peer_->flush();
    }
    // Waits for `runs` decoding runs in all, or a moment when none is due; then what is
    // shown only at the next redraw is shown.
    void settle(qsizetype runs) {
        if (runs > runs_->size()) QTRY_COMPARE_WITH_TIMEOUT(runs_->size(), runs, 5000);
        QTest::qWait(100);
        QCOMPARE(runs_->size(), runs);
        h->window.showPending();
    }

private slots:
    void init() {
        QVERIFY(server_.listen(QHostAddress::LocalHost));
        h.emplace();
        writeIni("RemotePort=" + QByteArray::number(server_.serverPort()));
        runs_.emplace(&h->window, &tarn::app::DecoderWindow::runFinished);
        h->act("mnuVantix")->trigger();
        QCOMPARE(h->box(), QStringLiteral(" Connect"));
        accept();
    }
    void cleanup() {
        runs_.reset();
        h.reset();
        delete peer_;
        peer_ = nullptr;
        server_.close();
    }

    void reportInThreeChunksIsDecodedOnce() {
        send("\x02" + kAnm.left(10));
        settle(0);
        send(kAnm.mid(10, 20));
        settle(0);
        QCOMPARE(h->box(), QStringLiteral(" Connect"));
        send(kAnm.mid(30) + "\x03");
        settle(1);
        QCOMPARE(h->box(), shown(kAnm));
    }

    void twoReportsInOneChunkAndTheTailWithoutEtxKept() {
        send(kAnm + "\x03\r\n\x02" + kRlc + "\x03\x02 unfinished");
        settle(2);
        QCOMPARE(h->box(), shown(kRlc));
        QVERIFY(runs_->at(0)[0].toBool() && runs_->at(1)[0].toBool());
        send(" tail\x03");
        settle(3);
        QCOMPARE(h->box(), QStringLiteral(" unfinished tail"));
    }

    void filterInEitherCaseAndTheFeedHeading() {
        h->act("mnuKeep")->trigger();
        const std::string date =
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
        for (const char* filter : {"c581400030d30009", "C581400030D30009"}) {
            h->prompts->textAnswer = QString::fromLatin1(filter);
            h->act("mnuFilter")->trigger();
            h->window.inform()->clearScreen();
            send(kRlc + "\x03" + kAnm + "\x03" + kRlc + "\x03");
            settle(runs_->size() + 3);
            QCOMPARE(count(h->screen(), tarn::kReportEnd), 1u);
            QCOMPARE(h->screen().rfind("   Vantix: " + date + "  ", 0), 0u);
        }
        h->prompts->textAnswer.reset();  // cancelled: the filter goes off
        h->act("mnuFilter")->trigger();
        send(kRlc + "\x03");
        settle(runs_->size() + 1);
        QVERIFY(runs_->last()[0].toBool());
    }

    void serverDownThenUpReconnects() {
        const quint16 port = server_.serverPort();
        server_.close();
        h->window.vantix()->timer()->setInterval(100);
        h->act("mnuSingle")->trigger();
        h->act("mnuVantix")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h->box(), QStringLiteral(" Disconnect"), 5000);
        QVERIFY(server_.listen(QHostAddress::LocalHost, port));
        accept();
        QTRY_COMPARE_WITH_TIMEOUT(h->box(), QStringLiteral(" Connect"), 5000);
        send(kAnm + "\x03");
        settle(1);
    }

    void mendedTarnIniIsReadAgainAndConnects_data() {
        QTest::addColumn<std::optional<QByteArray>>("broken");  // the port line; nothing: no file
        QTest::addColumn<bool>("byTheMenu");  // "Vantix" chosen again, or the watch's next tick
        QTest::addColumn<QString>("told");
        QTest::newRow("file missing, Vantix again")
            << std::optional<QByteArray>() << true << "Не найден файл настроек ";
        QTest::newRow("file missing, the watch")
            << std::optional<QByteArray>() << false << "Не найден файл настроек ";
        QTest::newRow("bad port, Vantix again") << std::optional<QByteArray>("RemotePort=7x") << true << "В ";
        QTest::newRow("bad port, the watch") << std::optional<QByteArray>("RemotePort=7x") << false << "В ";
    }
    void mendedTarnIniIsReadAgainAndConnects() {
        QFETCH(std::optional<QByteArray>, broken);
        QFETCH(bool, byTheMenu);
        QFETCH(QString, told);
        const QByteArray good =
            "RemotePort = " + QByteArray::number(server_.serverPort()) + " ; the test server";
        h->act("mnuSingle")->trigger();
        writeIni(broken);
        h->prompts->asked.clear();
        h->window.vantix()->timer()->setInterval(100);
        h->act("mnuVantix")->trigger();
        QCOMPARE(h->box(), QStringLiteral(" Disconnect"));
        QCOMPARE(h->prompts->asked.size(), 1);
        QVERIFY(h->prompts->asked[0].startsWith("warning Vantix|" + told));
        QTest::qWait(300);  // the watch reads the broken file again, quietly, and stays unconnected
        QCOMPARE(h->prompts->asked.size(), 1);
        QVERIFY(!server_.hasPendingConnections());
        QVERIFY(h->window.feedStatus().contains(" Повторная проверка каждые 9 с"));
        writeIni(good);
        if (byTheMenu) {
            h->window.vantix()->timer()->setInterval(60000);  // only the menu can connect now
            h->act("mnuVantix")->trigger();
            QCOMPARE(h->box(), QStringLiteral(" Connect"));
        }
        accept();
        QTRY_COMPARE_WITH_TIMEOUT(h->box(), QStringLiteral(" Connect"), 5000);
        QCOMPARE(h->prompts->asked.size(), 1);
        send(kAnm + "\x03");
        settle(1);
        // chosen again while connected: nothing happens
        h->act("mnuVantix")->trigger();
        QTest::qWait(100);
        QVERIFY(!server_.hasPendingConnections());
        QCOMPARE(h->window.vantix()->socket()->state(), QAbstractSocket::ConnectedState);
    }

    void statusBarCountsWhatTheServerSent() {
        const QString where = "Vantix 127.0.0.1:" + QString::number(server_.serverPort()) + " | ";
        h->window.showPending();
        QVERIFY(h->window.statusBar()->isVisibleTo(&h->window));
        QVERIFY(h->window.feedStatus().startsWith(where + "подключено с "));
        h->prompts->textAnswer = QStringLiteral("c581400030d30009");  // the ANM's first group
        h->act("mnuFilter")->trigger();
        // two filtered out, one shown, one without any message, one shown
        send(kRlc + "\x03" + kAnm + "\x03" + kRlc + "\x03 no message here\x03" + kAnm + "\x03");
        settle(5);
        QVERIFY(h->window.feedStatus().endsWith(" | принято: 5, выведено: 2, отброшено фильтром: 2"));
        QCOMPARE(h->window.findChild<QLabel*>("feedStatus")->text(), h->window.feedStatus());
        peer_->disconnectFromHost();  // the server goes away
        QTRY_VERIFY_WITH_TIMEOUT(h->window.feedStatus().startsWith(where + "нет связи с "), 5000);
        h->window.showPending();
        QCOMPARE(h->window.findChild<QLabel*>("feedStatus")->text(), h->window.feedStatus());
        h->act("mnuSingle")->trigger();  // the status bar is the feed's
        QVERIFY(!h->window.statusBar()->isVisibleTo(&h->window));
    }

    void oversizedUnframedTextIsDroppedWithOneNotice() {
        send(QByteArray(int(tarn::feed::ReportFramer::kMaxUnframed), 'A'));
        QTest::qWait(200);
        QVERIFY(h->prompts->asked.isEmpty());
        // beyond the limit, and on for two limits more: dropped piece by piece, told once
        for (int k = 0; k < 3; ++k) send(QByteArray(int(tarn::feed::ReportFramer::kMaxUnframed), 'B'));
        QTRY_VERIFY_WITH_TIMEOUT(!h->prompts->asked.isEmpty(), 5000);
        QTest::qWait(300);
        QCOMPARE(h->prompts->asked.size(), 1);
        QVERIFY(h->prompts->asked[0].startsWith("notice Vantix|Vantix: отброшено "));
        send("rest of it\x03" + kAnm + "\x03");
        settle(1);
        QCOMPARE(h->box(), shown(kAnm));
        // after a whole report, the next oversized one is told again
        send(QByteArray(int(tarn::feed::ReportFramer::kMaxUnframed) + 1, 'C'));
        QTRY_COMPARE_WITH_TIMEOUT(h->prompts->asked.size(), 2, 5000);
    }
};

QTEST_MAIN(FeedWindowTest)
#include "feed_window_test.moc"
