// The window's feed against a local QTcpServer on the loopback interface.
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "app/vantix_link.hpp"
#include "fake_prompts.hpp"
#include "report/report.hpp"

class FeedWindowTest : public QObject {
    Q_OBJECT

private slots:
    void reportsFramedByStxAndEtxAcrossChunks() {
        // Two ISUP messages of the sample observation report, each a report of its own.
        const QByteArray anm = " ANM  RECEIVED\r\n    C581400030D30009 012D02010000FFFF\r\n";
        const QByteArray rlc = " RLC  SENT\r\n    C501402030D30010 00FFFFFFFFFFFFFF\r\n";
        auto shown = [](const QByteArray& report) {
            return QString::fromLatin1(report).replace("\r\n", "\n");
        };
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        Harness h;
        QFile ini(h.dir.filePath("Tarn.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Vantix]\r\nRemoteHost=127.0.0.1\r\nRemotePort=" +
                  QByteArray::number(server.serverPort()));
        ini.close();
        QSignalSpy runs(&h.window, &tarn::app::DecoderWindow::runFinished);
        h.act("mnuKeep")->trigger();
        h.act("mnuVantix")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(server.hasPendingConnections(), 5000);
        std::unique_ptr<QTcpSocket> peer(server.nextPendingConnection());
        QTRY_VERIFY(h.window.vantix()->socket()->state() == QAbstractSocket::ConnectedState);
        QCOMPARE(h.box(), QStringLiteral(" Connect"));
        // Sends a chunk and waits for `want` decoding runs in all, or a moment when none is due.
        auto send = [&](const QByteArray& chunk, qsizetype want) {
            peer->write(chunk);
            peer->flush();
            if (want > runs.size()) QTRY_COMPARE_WITH_TIMEOUT(runs.size(), want, 5000);
            QTest::qWait(100);
            QCOMPARE(runs.size(), want);
            h.window.showPending();
        };
        send("\x02" + anm.left(10), 0);
        send(anm.mid(10, 20), 0);
        QCOMPARE(h.box(), QStringLiteral(" Connect"));
        // the ANM's end, then a whole RLC and the start of a report in one chunk
        send(anm.mid(30) + "\x03\r\n\x02" + rlc + "\x03\x02 unfinished", 2);
        QCOMPARE(h.box(), shown(rlc));
        QVERIFY(runs.at(0)[0].toBool() && runs.at(1)[0].toBool());
        // each report on the screen under the feed's heading and with its end mark
        const std::string heading =
            "   Vantix: " +
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
        QCOMPARE(h.screen().rfind(heading + "  ", 0), 0u);
        QCOMPARE(count(h.screen(), heading + "  "), 2u);
        QCOMPARE(count(h.screen(), tarn::kReportEnd), 2u);
        send(" tail\x03", 3);
        QCOMPARE(h.box(), QStringLiteral(" unfinished tail"));
        // the server goes away: the watch tells it and connects again at its next tick
        h.window.vantix()->timer()->setInterval(100);
        peer->disconnectFromHost();
        QTRY_COMPARE_WITH_TIMEOUT(h.box(), QStringLiteral(" Disconnect"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(server.hasPendingConnections(), 5000);
        peer.reset(server.nextPendingConnection());
        QTRY_COMPARE_WITH_TIMEOUT(h.box(), QStringLiteral(" Connect"), 5000);
        send("\x02" + anm + "\x03", 4);
    }
};

QTEST_MAIN(FeedWindowTest)
#include "feed_window_test.moc"
