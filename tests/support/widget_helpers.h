// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace testsupport {

/// The named child, or a test failure that names what is missing.
QWidget* child(QWidget* window, const QString& name, int index = -1);

template <typename T>
T* childAs(QWidget* window, const QString& name, int index = -1) {
    return qobject_cast<T*>(child(window, name, index));
}

void click(QWidget* window, const QString& name, int index = -1);

} // namespace testsupport
