// The window's feed against a local QTcpServer on the loopback interface.
#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/decoder_window.hpp"
#include "app/inform_window.hpp"
#include "app/vantix_link.hpp"
#include "fake_prompts.hpp"
#include "feed/framing.hpp"
#include "report/report.hpp"

using tarn::app::DecoderWindow;

namespace {

// Two ISUP messages of the sample observation report, each a report of its own.
const QByteArray kAnm = " ANM  RECEIVED\r\n    C581400030D30009 012D02010000FFFF\r\n";
const QByteArray kRlc = " RLC  SENT\r\n    C501402030D30010 00FFFFFFFFFFFFFF\r\n";

std::size_t count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

class FeedWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QTcpServer server_;
    QTcpSocket* peer_ = nullptr;
    FakePrompts* prompts_ = nullptr;
    std::unique_ptr<DecoderWindow> window_;
    std::unique_ptr<QSignalSpy> runs_;

    QAction* act(const char* name) { return window_->findChild<QAction*>(QString::fromLatin1(name)); }
    QString box() { return window_->txtMessage()->toPlainText(); }

    void writeIni(quint16 port) {
        QFile ini(dir_.filePath("Tarn.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Vantix]\r\nRemoteHost=127.0.0.1\r\nRemotePort=" + QByteArray::number(port) + "\r\n");
    }
    // Chooses "Vantix" and waits for the window's connection.
    void connectFeed() {
        act("mnuVantix")->trigger();
        QCOMPARE(box(), QStringLiteral(" Connect"));
        QTRY_VERIFY_WITH_TIMEOUT(server_.hasPendingConnections(), 5000);
        peer_ = server_.nextPendingConnection();
        QTRY_VERIFY(window_->vantix()->socket()->state() == QAbstractSocket::ConnectedState);
    }
    void send(const QByteArray& chunk) {
        peer_->write(chunk);
        peer_->flush();
    }
    // Lets the data arrive: waits for `runs` decoding runs in all, or a moment when none is due.
    void settle(int runs) {
        if (runs > runs_->size()) {
            QTRY_COMPARE_WITH_TIMEOUT(runs_->size(), runs, 5000);
        } else {
            QTest::qWait(200);
            QCOMPARE(runs_->size(), runs);
        }
    }

private slots:
    void init() {
        QVERIFY(server_.listen(QHostAddress::LocalHost));
        writeIni(server_.serverPort());
        auto prompts = std::make_unique<FakePrompts>();
        prompts_ = prompts.get();
        window_ = std::make_unique<DecoderWindow>(std::move(prompts), dir_.path());
        runs_ = std::make_unique<QSignalSpy>(window_.get(), &DecoderWindow::runFinished);
    }
    void cleanup() {
        runs_.reset();
        window_.reset();
        delete peer_;
        peer_ = nullptr;
        server_.close();
    }

    void watchTicksEvery9000Ms() {
        QCOMPARE(window_->vantix()->timer()->interval(), 9000);
        QVERIFY(window_->vantix()->timer()->isActive());  // from program start
        QCOMPARE(window_->vantix()->socket()->objectName(), QStringLiteral("wskVantix"));
        QCOMPARE(window_->vantix()->timer()->objectName(), QStringLiteral("tmrVantix"));
    }

    void reportInThreeChunksIsDecodedOnce() {
        connectFeed();
        send("\x02" + kAnm.left(10));
        settle(0);
        send(kAnm.mid(10, 20));
        settle(0);
        QCOMPARE(box(), QStringLiteral(" Connect"));
        send(kAnm.mid(30) + "\x03");
        settle(1);
        QCOMPARE(box(), QString::fromLatin1(kAnm).replace("\r\n", "\n"));
        settle(1);
    }

    void twoReportsInOneChunkAreBothDecodedInOrder() {
        connectFeed();
        send(kAnm + "\x03\r\n\x02" + kRlc + "\x03\x02 unfinished");
        settle(2);
        QCOMPARE(box(), QString::fromLatin1(kRlc).replace("\r\n", "\n"));
        QCOMPARE(window_->vantix()->socket()->bytesAvailable(), 0);
        send(" tail\x03");
        settle(3);
        QCOMPARE(box(), QStringLiteral(" unfinished tail"));
        if (decodersLinked()) {
            QVERIFY(runs_->at(0)[0].toBool() && runs_->at(1)[0].toBool());
            QVERIFY(!runs_->at(2)[0].toBool());  // no message in it: nothing delivered
        }
    }

    void chunkWithoutEtxIsKept() {
        connectFeed();
        send(kAnm);
        settle(0);
        QCOMPARE(box(), QStringLiteral(" Connect"));
        send("\x03");
        settle(1);
    }

    void feedReportHasItsHeadingAndEndMark() {
        if (!decodersLinked()) QSKIP("no decoder writes report lines in this build");
        act("mnuKeep")->trigger();
        connectFeed();
        send(kAnm + "\x03" + kRlc + "\x03");
        settle(2);
        const std::string& screen = window_->inform()->text();
        QVERIFY(window_->inform()->isVisible());
        const QLocale locale = QLocale::system();
        const std::string date = locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
        QCOMPARE(screen.rfind("   Vantix: " + date + "  ", 0), 0u);
        QCOMPARE(count(screen, "   Vantix: "), 2u);
        QCOMPARE(count(screen, tarn::kReportEnd), 2u);
        QVERIFY(screen.find("C581400030D30009") < screen.find("C501402030D30010"));
    }

    void filterKeepsReportsWithItsTextInEitherCase() {
        if (!decodersLinked()) QSKIP("no decoder writes report lines in this build");
        act("mnuKeep")->trigger();
        connectFeed();
        for (const char* filter : {"c581400030d30009", "C581400030D30009"}) {
            prompts_->textAnswer = QString::fromLatin1(filter);
            act("mnuFilter")->trigger();
            window_->inform()->clearScreen();
            const int before = int(runs_->size());
            send(kRlc + "\x03" + kAnm + "\x03" + kRlc + "\x03");
            settle(before + 3);
            QCOMPARE(runs_->at(before)[0].toBool(), false);
            QCOMPARE(runs_->at(before + 1)[0].toBool(), true);
            QCOMPARE(runs_->at(before + 2)[0].toBool(), false);
            const std::string& screen = window_->inform()->text();
            QCOMPARE(count(screen, tarn::kReportEnd), 1u);
            QCOMPARE(screen.find("C501402030D30010"), std::string::npos);
        }
        prompts_->textAnswer.reset();  // filter off: everything delivered
        act("mnuFilter")->trigger();
        send(kRlc + "\x03");
        settle(int(runs_->size()) + 1);
        QVERIFY(runs_->last()[0].toBool());
    }

    void serverDownThenUpReconnects() {
        const quint16 port = server_.serverPort();
        server_.close();
        window_->vantix()->timer()->setInterval(100);
        act("mnuVantix")->trigger();
        QCOMPARE(box(), QStringLiteral(" Connect"));
        QTRY_COMPARE_WITH_TIMEOUT(box(), QStringLiteral(" Disconnect"), 5000);
        QVERIFY(server_.listen(QHostAddress::LocalHost, port));
        QTRY_VERIFY_WITH_TIMEOUT(server_.hasPendingConnections(), 5000);
        peer_ = server_.nextPendingConnection();
        QTRY_COMPARE_WITH_TIMEOUT(box(), QStringLiteral(" Connect"), 5000);
        send(kAnm + "\x03");
        settle(1);
        // leaving the feed closes the socket and stops the watch
        act("mnuSingle")->trigger();
        QCOMPARE(window_->vantix()->socket()->state(), QAbstractSocket::UnconnectedState);
        QTest::qWait(300);
        QVERIFY(box().isEmpty());
    }

    void oversizedUnframedTextIsDroppedWithAMessage() {
        connectFeed();
        send(QByteArray(int(tarn::feed::ReportFramer::kMaxUnframed), 'A'));
        QTest::qWait(200);
        QVERIFY(prompts_->asked.isEmpty());
        send("BB");
        QTRY_VERIFY_WITH_TIMEOUT(!prompts_->asked.isEmpty(), 5000);
        QVERIFY(prompts_->asked[0].startsWith("notice Vantix|Vantix: отброшено "));
        send("rest of it\x03" + kAnm + "\x03");
        settle(1);
        QCOMPARE(box(), QString::fromLatin1(kAnm).replace("\r\n", "\n"));
    }
};

QTEST_MAIN(FeedWindowTest)
#include "feed_window_test.moc"
