// SPDX-License-Identifier: MIT
#include "forms/text_box.h"

#include <algorithm>

#include <QMimeData>

namespace forms {

QString leftWhole(const QString& text, qsizetype length) {
    length = std::clamp<qsizetype>(length, 0, text.size());
    if (length < text.size() && length > 0 && text[length - 1].isHighSurrogate())
        --length;
    return text.left(length);
}

bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    if (!canInsertFromMimeData(source))
        return;
    const QTextCursor cursor = textCursor();
    const qsizetype held = document()->characterCount() - 1;
    const qsizetype room = m_maxLength - held + cursor.selectionEnd() - cursor.selectionStart();
    insertPlainText(leftWhole(source->text(), room));
}

} // namespace forms
