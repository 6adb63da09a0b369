// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "forms/caption_fitting.h"

// Reading and changing the controls of a built window while the program runs.

namespace forms {

/// The client area of a built window: the surface its top-level controls lie on.
QWidget* clientArea(QWidget* window);

/// The control of a built window by design name (and index, for array members); null if none.
QWidget* findControl(QWidget* window, const QString& name, int index = -1);

/// Caption of a label, button or frame, or text of a text box or list, as the design holds
/// it: line breaks of multi-line boxes read as CR LF.
QString controlText(const QWidget* control);
/// Sets a caption or text; an auto-size label follows its new caption.
void setControlText(QWidget* control, const QString& text);
/// Sets the picture of a picture box (which follows the picture's size) or image (which
/// stretches it).
void setControlPicture(QWidget* control, const QPixmap& picture);
/// The most characters a text box takes; a paste or a drop is cut to fit.
void setMaxLength(QWidget* box, int length);

/// A label keeps its caption as written and shows it as the platform would: the access key
/// underlined when it has somewhere to go, "&&" as one ampersand.
void showCaption(QLabel* label, const QString& caption,
                 CaptionSource source = CaptionSource::Design);
/// Whether a caption marks an access key with a single "&".
bool hasAccessKey(const QString& caption);

} // namespace forms
