// SPDX-License-Identifier: MIT
#include "shell/window_controls.h"

namespace shell {

void missingControl(const QWidget& window, const QString& name, const char* kind) {
    qFatal("%s has no control %s of the kind %s", qPrintable(window.objectName()), qPrintable(name),
           kind);
}

} // namespace shell
