// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QString>
#include <QStringView>

// What a name box takes: letters of any alphabet, with the accents that follow them, and
// blanks. Small letters become capitals, one character for one.

namespace shell {

/// The message that refuses anything else, in the user's language.
QString nameRefusal();

/// A name as the boxes take it typed, in capitals. Nothing when it holds anything else, or an
/// accent with no letter before it.
std::optional<QString> typedName(QStringView text);

/// The same, with what the boxes refuse turned into blanks ("Anne-Marie" reads "ANNE MARIE").
QString readingName(QStringView text);

/// What `text`, arriving in a box after `before`, leaves there: the characters taken, in
/// capitals. `refused` tells whether any was left out.
QString takenName(QStringView text, QStringView before, bool& refused);

} // namespace shell
