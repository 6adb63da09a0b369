// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace forms {

/// Who gave a control its caption: the design, or the program while it runs.
enum class CaptionSource { Design, Program };

/// The stand-in faces run wider than the design's, so a caption the design fits could be cut
/// off at the edge of its control or its parent: such a caption is drawn in a condensed
/// stretch of its face. An auto-size label grows with a caption set by the program, up to its
/// parent's edge.
void fitCaption(QWidget* control, CaptionSource source);

} // namespace forms
