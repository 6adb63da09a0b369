// SPDX-License-Identifier: MIT
#include "support/widget_helpers.h"

#include <QTest>

namespace testsupport {

QWidget* child(QWidget* window, const QString& name, int index) {
    if (!window) {
        QTest::qFail("no window to look in", __FILE__, __LINE__);
        return nullptr;
    }
    const auto candidates = window->findChildren<QWidget*>(name);
    for (QWidget* w : candidates) {
        if (index < 0 || w->property("index").toInt() == index)
            return w;
    }
    const QString what = QStringLiteral("%1 has no control %2%3")
                             .arg(window->objectName(), name,
                                  index < 0 ? QString() : QStringLiteral("(%1)").arg(index));
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    return nullptr;
}

void click(QWidget* window, const QString& name, int index) {
    if (QWidget* w = child(window, name, index))
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace testsupport
