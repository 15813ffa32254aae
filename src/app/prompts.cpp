#include "app/prompts.hpp"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>

namespace tarn::app {

namespace {

class SystemPrompts final : public Prompts {
public:
    QString openFileName(QWidget* parent, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, {}, {}, filter);
    }
    QString saveFileName(QWidget* parent, const QString& proposed, const QString& filter) override {
        // The output file need not exist, and with "Keep date" an existing one is appended to.
        return QFileDialog::getSaveFileName(parent, {}, proposed, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
    SaveChoice saveAs(QWidget* parent, const QString& proposed, const QStringList& filters,
                      int preferred) override {
        QString selected = filters.value(preferred);
        const QString path =
            QFileDialog::getSaveFileName(parent, {}, proposed, filters.join(QStringLiteral(";;")), &selected);
        return {path, std::max<int>(0, static_cast<int>(filters.indexOf(selected)))};
    }
    std::optional<QString> text(QWidget* parent, const QString& title, const QString& label,
                                const QString& proposed) override {
        bool ok = false;
        const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, proposed, &ok);
        if (!ok) return std::nullopt;
        return answer;
    }
    void warning(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox::warning(parent, title, text);
    }
    void information(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox::information(parent, title, text);
    }
    void notice(QWidget* parent, const QString& title, const QString& text) override {
        auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    }
};

}  // namespace

std::unique_ptr<Prompts> systemPrompts() {
    return std::make_unique<SystemPrompts>();
}

}  // namespace tarn::app
