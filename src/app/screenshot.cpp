// Draws the main window and the screen window with the sample observation report
// decoded, side by side, into one PNG: tarn_screenshot OUTPUT.png [REPORT.txt] (under
// xvfb-run); the bundled sample report when no report file is given.
#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>

#include "app/decoder_window.hpp"
#include "app/inform_window.hpp"
#include "app/prompts.hpp"

namespace {

// Dialogs that answer by themselves: the input file dialog gives the report, nothing else is asked.
struct ScriptedPrompts final : tarn::app::Prompts {
    explicit ScriptedPrompts(QString report) : report_(std::move(report)) {}
    QString openFileName(QWidget*, const QString&) override { return report_; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    tarn::app::SaveChoice saveAs(QWidget*, const QString&, const QStringList&, int) override { return {}; }
    std::optional<QString> text(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    void warning(QWidget*, const QString&, const QString&) override {}
    void information(QWidget*, const QString&, const QString&) override {}
    void notice(QWidget*, const QString&, const QString&) override {}

private:
    QString report_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) return 2;
    auto prompts = std::make_unique<ScriptedPrompts>(
        argc == 3 ? QString::fromLocal8Bit(argv[2])
                  : QStringLiteral(TARN_SOURCE_DIR "/examples/rrn121-call.txt"));
    tarn::app::DecoderWindow window(std::move(prompts));
    window.resize(640, 560);
    window.show();
    window.findChild<QAction*>("mnuEnglish")->trigger();
    window.findChild<QAction*>("mnuInFile")->trigger();
    QTimer::singleShot(300, [&] {
        window.findChild<QAction*>("mnuDecoding")->trigger();
        window.inform()->resize(760, 560);
        window.inform()->move(window.x() + window.frameGeometry().width() + 10, window.y());
        window.inform()->txtScreen()->moveCursor(QTextCursor::Start);
        QTimer::singleShot(300, [&] {
            // Each window under a plain title bar with its title.
            const int bar = 26;
            auto framed = [bar](QWidget* w) {
                const QPixmap inside = w->grab();
                QPixmap out(inside.width(), inside.height() + bar);
                out.fill(QColor(0x2b, 0x57, 0x9a));
                QPainter p(&out);
                p.setPen(Qt::white);
                p.drawText(QRect(8, 0, out.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft,
                           w->windowTitle());
                p.drawPixmap(0, bar, inside);
                return out;
            };
            const QPixmap main = framed(&window);
            const QPixmap inform = framed(window.inform());
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
