// The window under a flood from the feed, run by hand (`build/feed_flood`, offscreen or on
// a screen): a local server on 127.0.0.1 sends observation reports first at 1000 reports/s,
// then as fast as the socket takes them. It checks that every report is decoded and that
// the screen keeps its limit, and prints what it measured: the reports decoded per second
// and the longest delay of an event (a 5 ms probe timer on the window's thread). The
// figures are printed, not asserted: the machine it runs on decides them.
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "app/screen_text.hpp"
#include "fake_prompts.hpp"
#include "report/convert.hpp"
#include "report/report.hpp"

namespace {

const QString kSample = QStringLiteral(TARN_SOURCE_DIR "/examples/rrn121-call.txt");

// Sends `paced` reports at `perSecond`, then `burst` reports at once, on its own thread.
class FloodServer {
public:
    FloodServer(QByteArray report, int paced, int perSecond, int burst)
        : report_(std::move(report)), paced_(paced), perSecond_(perSecond), burst_(burst) {
        std::promise<quint16> port;
        std::future<quint16> listening = port.get_future();
        thread_ = std::thread([this, p = std::move(port)]() mutable { run(p); });
        port_ = listening.get();
    }
    ~FloodServer() { thread_.join(); }

    quint16 port() const { return port_; }
    // Seconds since the first report was sent, when the burst began and when it was sent.
    double burstStart() const { return burstStart_.load(); }

private:
    void run(std::promise<quint16>& port) {
        QTcpServer server;
        port.set_value(server.listen(QHostAddress::LocalHost) ? server.serverPort() : 0);
        if (!server.waitForNewConnection(10000)) return;
        QTcpSocket* peer = server.nextPendingConnection();
        const QByteArray framed = "\x02" + report_ + "\x03";
        const auto begin = std::chrono::steady_clock::now();
        const int perTick = perSecond_ / 100;  // a batch every 10 ms
        for (int sent = 0; sent < paced_; sent += perTick) {
            for (int k = 0; k < perTick; ++k) peer->write(framed);
            peer->waitForBytesWritten(1000);
            std::this_thread::sleep_until(begin + std::chrono::milliseconds(10 * (sent / perTick + 1)));
        }
        burstStart_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        QByteArray burst;
        for (int k = 0; k < burst_; ++k) burst += framed;
        peer->write(burst);
        while (peer->bytesToWrite() > 0 && peer->waitForBytesWritten(20000)) {
        }
        peer->waitForDisconnected(30000);  // the window closes the connection at the end
        delete peer;
    }

    QByteArray report_;
    int paced_, perSecond_, burst_;
    std::thread thread_;
    quint16 port_ = 0;
    std::atomic<double> burstStart_{0};
};

}  // namespace

class FeedFloodTest : public QObject {
    Q_OBJECT

private slots:
    void keepsUpAndStaysResponsive_data() {
        QTest::addColumn<bool>("toFile");
        QTest::newRow("screen, Keep date") << false;
        QTest::newRow("screen and output file, Keep date") << true;
    }

    void keepsUpAndStaysResponsive() {
        QFETCH(bool, toFile);
        QFile sample(kSample);
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const QByteArray report = sample.readAll();
        const int paced = 3000, burst = 3000;
        FloodServer server(report, paced, 1000, burst);
        QVERIFY(server.port() != 0);

        Harness h;
        QFile ini(h.dir.filePath("Tarn.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Vantix]\r\nRemoteHost=127.0.0.1\r\nRemotePort=" + QByteArray::number(server.port()));
        ini.close();
        h.window.show();
        h.act("mnuKeep")->trigger();
        if (toFile) h.act("mnuOutFile")->trigger();  // Tarn_report.txt in the program folder

        // The probe: the longest time past its due moment that a 5 ms timer fired.
        QElapsedTimer clock;
        qint64 last = 0, longest = 0, longestAt = 0;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            if (now - last - 5'000'000 > longest) {
                longest = now - last - 5'000'000;
                longestAt = now;
            }
            last = now;
        });
        int runs = 0, delivered = 0;
        qint64 firstRun = -1, pacedDone = -1, lastRun = 0;
        connect(&h.window, &tarn::app::DecoderWindow::runFinished, [&](bool shown) {
            const qint64 now = clock.nsecsElapsed();
            if (firstRun < 0) firstRun = now;
            ++runs;
            delivered += shown ? 1 : 0;
            if (runs == paced) pacedDone = now;
            lastRun = now;
        });

        clock.start();
        probe.start(5);
        h.act("mnuVantix")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(runs, paced + burst, 60000);
        probe.stop();
        QCOMPARE(delivered, paced + burst);
        // The screen kept its limit, and the box, changed only by dropping and appending,
        // shows exactly the screen text.
        const std::string& screen = h.window.inform()->text();
        QVERIFY(tarn::utf8_length(screen) <= tarn::app::ScreenText::kLimit);
        QVERIFY(count(screen, tarn::kReportEnd) >= 2);
        h.window.showPending();
        QCOMPARE(h.window.inform()->txtScreen()->toPlainText(), tarn::app::ScreenText::shown(screen));
        if (toFile) {
            QFile out(h.dir.filePath("Tarn_report.txt"));
            QVERIFY(out.open(QIODevice::ReadOnly));
            QCOMPARE(count(out.readAll().toStdString(), tarn::kReportEnd), std::size_t(paced + burst));
        }

        const double pacedSeconds = double(pacedDone - firstRun) / 1e9;
        const double burstSeconds = double(lastRun - pacedDone) / 1e9;
        qInfo("paced part: %d reports at 1000/s decoded in %.2f s (%.0f reports/s)", paced, pacedSeconds,
              paced / pacedSeconds);
        qInfo("burst part: %d reports decoded in %.2f s (%.0f reports/s)", burst, burstSeconds,
              burst / burstSeconds);
        qInfo("longest event delay: %.1f ms (at %.2f s)", double(longest) / 1e6, double(longestAt) / 1e9);
        h.act("mnuSingle")->trigger();  // closes the connection; the server ends
    }
};

QTEST_MAIN(FeedFloodTest)
#include "feed_flood.moc"
