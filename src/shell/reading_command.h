// SPDX-License-Identifier: MIT
#pragma once

#include "forms/picture_lists.h"
#include "reading/reading.h"
#include "shell/frm_display.h"

namespace shell {

/// The entries of the input window as they stand now.
reading::BirthDetails readBirthDetails();

/// Writes a reading, in the user's language, into the controls of a result window, with its
/// pictures from the two picture lists. Each value stands alone: one that cannot be set is
/// skipped.
void applyReading(const reading::Reading& result, const frmDisplay::Controls& to,
                  const forms::PictureList& signs, const forms::PictureList& colors);
/// The same into the result window, loading it hidden if needed, with the input window's lists.
void applyReading(const reading::Reading& result);

/// Fills a result window built ahead with the reading of the date chosen now, so that the
/// command, if the date stays, only has to show it.
void fillAhead(QWidget& window);
/// The same for the result window built ahead, if there is one, once the event loop comes round.
void refillAhead();

/// Checks the entries and either reports the first broken rule or shows the reading.
void runReadingCommand();

} // namespace shell
