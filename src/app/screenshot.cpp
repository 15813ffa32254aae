// Draws the main window and the screen window side by side into one PNG, with the sample
// observation report received from a feed on this machine and decoded, and the screen
// window's find bar in use: tarn_screenshot OUTPUT.png [REPORT.txt] (under xvfb-run); the
// bundled sample report when no report file is given.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include "app/decoder_window.hpp"
#include "app/inform_window.hpp"
#include "app/prompts.hpp"

namespace {

// Dialogs that answer nothing: the feed needs none.
struct SilentPrompts final : tarn::app::Prompts {
    QString openFileName(QWidget*, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    tarn::app::SaveChoice saveAs(QWidget*, const QString&, const QStringList&, int) override { return {}; }
    std::optional<QString> text(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    void warning(QWidget*, const QString&, const QString&) override {}
    void information(QWidget*, const QString&, const QString&) override {}
    void notice(QWidget*, const QString&, const QString&) override {}
};

// A window under a plain title bar with its title.
QPixmap framed(QWidget* w) {
    const int bar = 26;
    const QPixmap inside = w->grab();
    QPixmap out(inside.width(), inside.height() + bar);
    out.fill(QColor(0x2b, 0x57, 0x9a));
    QPainter p(&out);
    p.setPen(Qt::white);
    p.drawText(QRect(8, 0, out.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft, w->windowTitle());
    p.drawPixmap(0, bar, inside);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) return 2;
    QFile sample(argc == 3 ? QString::fromLocal8Bit(argv[2])
                           : QStringLiteral(TARN_SOURCE_DIR "/examples/rrn121-call.txt"));
    if (!sample.open(QIODevice::ReadOnly)) return 1;
    const QByteArray report = sample.readAll();

    // The Vantix server: this machine, sending the report once the window has connected.
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost)) return 1;
    QTemporaryDir folder;
    QFile ini(folder.filePath(QStringLiteral("Tarn.INI")));
    if (!ini.open(QIODevice::WriteOnly)) return 1;
    ini.write("[Vantix]\r\nRemoteHost=127.0.0.1\r\nRemotePort=" + QByteArray::number(server.serverPort()) +
              "\r\n");
    ini.close();
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* peer = server.nextPendingConnection();
        peer->write("\x02" + report + "\x03");
    });

    tarn::app::DecoderWindow window(std::make_unique<SilentPrompts>(), folder.path());
    window.resize(720, 600);
    window.show();
    window.findChild<QAction*>("mnuEnglish")->trigger();
    window.findChild<QAction*>("mnuKeep")->trigger();
    window.findChild<QAction*>("mnuVantix")->trigger();
    tarn::app::InformWindow* inform = window.inform();
    QObject::connect(&window, &tarn::app::DecoderWindow::runFinished, [&] {
        QTimer::singleShot(300, [&] {
            window.showPending();
            inform->resize(inform->width(), 600);
            inform->move(window.x() + window.frameGeometry().width() + 10, window.y());
            inform->openFind();
            inform->findText()->setText(QStringLiteral("calling party"));
            inform->findNext();
            QTimer::singleShot(300, [&] {
                const QPixmap main = framed(&window);
                const QPixmap screen = framed(inform);
                QPixmap both(main.width() + screen.width() + 12, std::max(main.height(), screen.height()));
                both.fill(Qt::darkGray);
                QPainter painter(&both);
                painter.drawPixmap(0, 0, main);
                painter.drawPixmap(main.width() + 12, 0, screen);
                painter.end();
                QApplication::exit(both.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1);
            });
        });
    });
    QTimer::singleShot(20000, [] { QApplication::exit(1); });  // no report came
    return QApplication::exec();
}
