// The window's feed against a local QTcpServer on the loopback interface.
#include <QFile>
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

    void reportsFramedByStxAndEtxAcrossChunks() {
        h->act("mnuKeep")->trigger();
        send("\x02" + kAnm.left(10));
        settle(0);
        send(kAnm.mid(10, 20));
        settle(0);
        QCOMPARE(h->box(), QStringLiteral(" Connect"));
        // the ANM's end, then a whole RLC and the start of a report in one chunk
        send(kAnm.mid(30) + "\x03\r\n\x02" + kRlc + "\x03\x02 unfinished");
        settle(2);
        QCOMPARE(h->box(), shown(kRlc));
        QVERIFY(runs_->at(0)[0].toBool() && runs_->at(1)[0].toBool());
        // each report on the screen under the feed's heading and with its end mark
        const std::string date =
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
        QCOMPARE(h->screen().rfind("   Vantix: " + date + "  ", 0), 0u);
        QCOMPARE(count(h->screen(), "   Vantix: " + date + "  "), 2u);
        QCOMPARE(count(h->screen(), tarn::kReportEnd), 2u);
        send(" tail\x03");
        settle(3);
        QCOMPARE(h->box(), QStringLiteral(" unfinished tail"));
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
