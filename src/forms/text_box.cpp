// SPDX-License-Identifier: MIT
#include "forms/text_box.h"

#include <algorithm>

#include <QMimeData>
#include <QTextBoundaryFinder>

namespace forms {

QString leftWhole(const QString& text, qsizetype length) {
    length = std::clamp<qsizetype>(length, 0, text.size());
    if (length == text.size())
        return text;
    // Whether the cut falls between two characters depends on the one after it alone.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme,
                                   QStringView(text).left(length + 1).toString());
    characters.setPosition(length);
    if (!characters.isAtBoundary())
        length = std::max<qsizetype>(characters.toPreviousBoundary(), 0);
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
