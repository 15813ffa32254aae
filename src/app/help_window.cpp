#include "app/help_window.hpp"

#include <QFile>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/fonts.hpp"

namespace tarn::app {

QString helpDescription() {
    return QStringLiteral(
        "Программа предназначена для декодирования сообщений сетевого уровня подсистемы "
        "пользователя ISUP системы сигнализации ОКС N 7 и протокола EDSS1.\n"
        "Протокол каждого сообщения распознается автоматически; сообщения других протоколов "
        "игнорируются. Вывод на экран и в файл может быть включен одновременно.\n"
        "\n"
        "Используемые стандарты:\n"
        "  - Q.767 (Белая книга);\n"
        "  - Q.763 (Белая книга);\n"
        "  - ISUP-R: технические требования к ISUP для национальной сети России (1994);\n"
        "  - ETS 300 102-1.\n"
        "\n"
        "Пункты главного меню:\n"
        "  SINGLE - ввод одного сообщения;\n"
        "  INPUT / FILE - выбор исходного файла (текстовый, *.txt, не более 64 КБ) в формате "
        "отчета RRN=121 станции Alcatel 1000 S12 (см. пример);\n"
        "  VANTIX - сетевое подключение к серверу отчетов Vantix; параметры подключения "
        "задаются в файле инициализации Tarn.INI; декодирование выполняется автоматически; "
        "рекомендуется включить KEEP DATE;\n"
        "  SCREEN - вывод на экран; при превышении объема вывода 30 КБ предыдущие сообщения "
        "стираются;\n"
        "  OUTPUT / FILE - выбор файла вывода (текстовый, по умолчанию Tarn_report.txt);\n"
        "  KEEP DATE - сохранение предыдущих данных;\n"
        "  DECODING - запуск декодирования.\n");
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmDESCR"));
    setWindowTitle(QStringLiteral("Help"));
    txtDESCR_ = new QPlainTextEdit(this);
    txtDESCR_->setObjectName(QStringLiteral("txtDESCR"));
    txtDESCR_->setReadOnly(true);
    txtDESCR_->setPlainText(helpDescription());

    QFile sample(QStringLiteral(":/help/rrn121-call.txt"));
    QString example = QStringLiteral("Пример:\n");
    if (sample.open(QIODevice::ReadOnly)) example += QString::fromUtf8(sample.readAll());
    txtRRN_ = new QPlainTextEdit(this);
    txtRRN_->setObjectName(QStringLiteral("txtRRN"));
    txtRRN_->setReadOnly(true);
    txtRRN_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtRRN_->setFont(fixedFont(10, false));
    txtRRN_->setPlainText(example);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(txtDESCR_);
    splitter->addWidget(txtRRN_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(640, 640);
}

}  // namespace tarn::app
