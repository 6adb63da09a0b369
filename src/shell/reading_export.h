// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "reading/reading.h"

// Keeping a reading: as text on the clipboard, as a PDF, PNG or text file, on paper.

namespace shell {

/// A reading with the entries it was made from and the two pictures the result window shows.
struct ReadingSheet {
    reading::Reading reading;
    reading::BirthDetails details;
    QImage emblem;
    QImage swatch;
};

enum class FileFormat { Pdf, Png, Text };

struct SaveTarget {
    QString path;
    FileFormat format = FileFormat::Pdf;
};

/// A typed file name as a file to write: ".pdf", ".png" or ".txt" names the format, in any
/// letter case; any other name gets ".pdf".
SaveTarget saveTargetFor(const QString& typed);

/// The reading with the pictures the result window shows for it.
ReadingSheet readingSheet(const reading::Reading& shown, const reading::BirthDetails& details);

/// The reading as Copy puts it on the clipboard and a text file holds it.
QString readingText(const ReadingSheet& sheet);

/// Writes the file whole or not at all. A PNG shows `window` as it stands, or, without one, a
/// result window made for the reading and never shown. A failure is shown in an error box that
/// names the file and the reason. True when the file was written.
bool saveReading(const SaveTarget& target, const ReadingSheet& sheet, QWidget* window = nullptr);

/// The three commands of the result window.
void copyReading(const ReadingSheet& sheet);
void saveReadingAs(const ReadingSheet& sheet, QWidget& window);
void printReading(const ReadingSheet& sheet);

} // namespace shell
