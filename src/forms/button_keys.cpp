// SPDX-License-Identifier: MIT
#include "forms/button_keys.h"

#include <QKeyEvent>
#include <QPointer>

namespace forms {

namespace {

class ButtonKeys final : public QObject {
public:
    ButtonKeys(QWidget& window, QAbstractButton* defaultButton, QAbstractButton* cancelButton)
        : QObject(&window), m_default(defaultButton), m_cancel(cancelButton) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != parent() || event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        QAbstractButton* button = key == Qt::Key_Escape                           ? m_cancel.data()
                                  : key == Qt::Key_Return || key == Qt::Key_Enter ? m_default.data()
                                                                                  : nullptr;
        if (!button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }

private:
    QPointer<QAbstractButton> m_default;
    QPointer<QAbstractButton> m_cancel;
};

} // namespace

void attachButtonKeys(QWidget& window, QAbstractButton* defaultButton,
                      QAbstractButton* cancelButton) {
    if (defaultButton || cancelButton)
        new ButtonKeys(window, defaultButton, cancelButton);
}

} // namespace forms
