// SPDX-License-Identifier: MIT
#include "forms/text_box.h"

#include <algorithm>

#include <QMimeData>

namespace forms {

bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    if (!canInsertFromMimeData(source))
        return;
    const QTextCursor cursor = textCursor();
    const qsizetype held = document()->characterCount() - 1;
    const qsizetype room = m_maxLength - held + cursor.selectionEnd() - cursor.selectionStart();
    QString text = source->text();
    if (text.size() > room) {
        text.truncate(std::max<qsizetype>(room, 0));
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
    }
    insertPlainText(text);
}

} // namespace forms
