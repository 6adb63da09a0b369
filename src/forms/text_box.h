// SPDX-License-Identifier: MIT
#pragma once

#include <limits>

#include <QPlainTextEdit>

namespace forms {

/// At most `length` UTF-16 units of the text's start, ending between two characters as the
/// reader sees them: never half a surrogate pair, never a letter without its accents.
QString leftWhole(const QString& text, qsizetype length);

/// A multi-line text box that takes only plain text from a paste or a drop, and no more of it
/// than its length allows. Qt 6.4 reads the first format of the data without checking that
/// there is one, so an empty clipboard crashed; and a long run of text without a blank takes
/// the layout seconds per kilobyte.
class MultiLineBox final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    void setMaxLength(int length) { m_maxLength = length; }

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int m_maxLength = std::numeric_limits<int>::max();
};

} // namespace forms
