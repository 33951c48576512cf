#include "ui/key_filter.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

int key_code(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Backspace: return 8;
        default: break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) return 0;
    return int(text.toUcs4().value(0));
}

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit* edit, std::function<bool(const std::string&, int)> accept, std::function<void()> on_enter)
        : QObject(edit), edit_(edit), accept_(std::move(accept)), on_enter_(std::move(on_enter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_) return false;
        if (event->type() == QEvent::KeyPress) {
            const int key = key_code(*static_cast<QKeyEvent*>(event));
            if (key == 0) return false;
            if (key == 13 && on_enter_) {
                on_enter_();
                return true;
            }
            return !accept_(edit_->text().toStdString(), key);
        }
        if (event->type() == QEvent::InputMethod) {
            auto* im = static_cast<QInputMethodEvent*>(event);
            std::string text = edit_->text().toStdString();
            for (char32_t c : im->commitString().toUcs4()) {
                if (!accept_(text, int(c))) return true;
                text += QString::fromUcs4(&c, 1).toStdString();
            }
        }
        return false;
    }

private:
    QLineEdit* edit_;
    std::function<bool(const std::string&, int)> accept_;
    std::function<void()> on_enter_;
};

}  // namespace

void install_key_filter(QLineEdit* edit, std::function<bool(const std::string& text, int key)> accept,
                        std::function<void()> on_enter) {
    edit->installEventFilter(new KeyFilter(edit, std::move(accept), std::move(on_enter)));
}

}  // namespace ui
