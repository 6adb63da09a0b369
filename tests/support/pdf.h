// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace testsupport {

/// The text that pdftotext finds in a PDF file (a test failure when it cannot).
QString pdfText(const QString& path);

/// A field of what pdfinfo says about the file, such as "Pages" or "Page size".
QString pdfInfo(const QString& path, const QString& field);

/// Text without blanks, line breaks and hyphens, so that a paragraph matches however the PDF
/// broke its lines.
QString unwrapped(QString text);

} // namespace testsupport
