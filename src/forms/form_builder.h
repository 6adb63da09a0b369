// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "forms/form_model.h"

namespace forms {

/// Turns a definition into a live, hidden top-level window holding no behaviour. Every control,
/// menu and menu action carries its design name as objectName; array members also carry the
/// property "index".
std::unique_ptr<QWidget> buildWindow(const WindowDefinition& definition);

/// The client area of a built window: the surface its top-level controls lie on.
QWidget* clientArea(QWidget* window);

/// The control of a built window by design name (and index, for array members); null if none.
QWidget* findControl(QWidget* window, const QString& name, int index = -1);

/// Caption of a label, button or frame, or text of a text box or list, as the design holds
/// it: line breaks of multi-line boxes read as CR LF.
QString controlText(const QWidget* control);
/// Sets a caption or text; an auto-size label follows its new caption.
void setControlText(QWidget* control, const QString& text);
/// The most characters a text box takes; a paste or a drop is cut to fit.
void setMaxLength(QWidget* box, int length);
/// Sets the picture of a picture box (which follows the picture's size) or image (which
/// stretches it).
void setControlPicture(QWidget* control, const QPixmap& picture);

/// The program's icon, one instance shared by every window and the application.
const QIcon& programIcon();

/// Device-independent pixels for a length in twips.
int pixels(int twips);

QString toQString(std::string_view text);

} // namespace forms
