// tarn: the desktop window of the decoder.
#include <QApplication>

#include "app/decoder_window.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarn"));
    QApplication::setApplicationVersion(QStringLiteral(TARN_VERSION));
    tarn::app::DecoderWindow window;
    window.show();
    return QApplication::exec();
}
