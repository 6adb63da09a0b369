// SPDX-License-Identifier: MIT
#include "forms/drop_down_list.h"

#include <QAbstractItemView>
#include <QEvent>

namespace forms {

void DropDownList::changeEvent(QEvent* event) {
    // Looked for, not asked for: view() would make the pop-up.
    if (event->type() == QEvent::FontChange && !findChild<QAbstractItemView*>()) {
        QWidget::changeEvent(event); // NOLINT(bugprone-parent-virtual-call): skips the pop-up
        return;
    }
    QComboBox::changeEvent(event);
}

} // namespace forms
