// Draws the main window and the screen window with the sample observation report
// decoded, side by side, into one PNG: tarn_screenshot OUTPUT.png (under xvfb-run).
#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include "app/decoder_window.hpp"
#include "app/inform_window.hpp"
#include "fake_prompts.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    auto prompts = std::make_unique<FakePrompts>();
    prompts->openAnswer = QStringLiteral(TARN_SOURCE_DIR "/examples/rrn121-call.txt");
    tarn::app::DecoderWindow window(std::move(prompts));
    window.resize(640, 560);
    window.show();
    window.findChild<QAction*>("mnuEnglish")->trigger();
    window.findChild<QAction*>("mnuInFile")->trigger();
    QTimer::singleShot(300, [&] {
        window.findChild<QAction*>("mnuDecoding")->trigger();
        window.inform()->resize(760, 560);
        window.inform()->move(window.x() + window.frameGeometry().width() + 10, window.y());
        QTimer::singleShot(300, [&] {
            const QPixmap main = window.grab();
            const QPixmap inform = window.inform()->grab();
            QPixmap both(main.width() + inform.width() + 12, std::max(main.height(), inform.height()));
            both.fill(Qt::darkGray);
            QPainter painter(&both);
            painter.drawPixmap(0, 0, main);
            painter.drawPixmap(main.width() + 12, 0, inform);
            painter.end();
            QApplication::exit(both.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1);
        });
    });
    return QApplication::exec();
}
