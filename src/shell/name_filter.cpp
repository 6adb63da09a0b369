#include "shell/name_filter.h"

#include <QKeyEvent>
#include <QTimer>
#include <QValidator>

#include "forms/form_builder.h"
#include "platform/services.h"
#include "reading/birth_details.h"
#include "shell/event_hooks.h"

namespace shell {

namespace {

void refuse() {
    platform::showMessage(forms::toQString(reading::kOnlyAlphabetMessage));
}

/// Filters text that arrives without a key press (paste, drop, input methods).
class NameValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        QString kept;
        kept.reserve(input.size());
        int keptBeforeCursor = 0;
        bool refused = false;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const auto verdict = reading::filterNameKey(input[i].unicode());
            // Inside a single-line box only letters and blanks make sense.
            if (verdict.code == 0 || verdict.code == 8 || verdict.code == 13) {
                refused = true;
                continue;
            }
            kept += QChar(verdict.code);
            if (i < position)
                ++keptBeforeCursor;
        }
        if (refused && !m_messagePending) {
            // Not from inside the box's own editing code: after it has finished.
            m_messagePending = true;
            QTimer::singleShot(0, this, [this] {
                m_messagePending = false;
                refuse();
            });
        }
        input = kept;
        position = keptBeforeCursor;
        return Acceptable;
    }

private:
    mutable bool m_messagePending = false;
};

} // namespace

void installNameFilter(QLineEdit* box) {
    if (!box)
        return;
    box->setValidator(new NameValidator(box));
    onEvent(box, QEvent::KeyPress, [box](QEvent* event) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() != 1)
            return false; // not a character key: arrows, Delete, Home and the like
        const auto verdict = reading::filterNameKey(typed[0].unicode());
        if (verdict.showRefusal) {
            refuse();
            return true;
        }
        if (verdict.code == typed[0].unicode())
            return false;
        box->insert(QString(QChar(verdict.code)));
        return true;
    });
}

} // namespace shell
