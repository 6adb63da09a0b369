// SPDX-License-Identifier: MIT
#pragma once

#include <typeinfo>

#include <QPointer>
#include <QString>
#include <QWidget>

#include "forms/control_access.h"
#include "shell/window_manager.h"

// Behaviour code looks a window's controls up by name once, when the window is built, and then
// works with typed pointers.

namespace shell {

/// Stops the program, naming the window and the control: the code names a control that the
/// design does not have, or has as another kind.
[[noreturn]] void missingControl(const QWidget& window, const QString& name, const char* kind);

/// The control of a built window by design name, as the type the code needs; never null.
template <typename T>
T* need(QWidget& window, const QString& name, int index = -1) {
    auto* control = dynamic_cast<T*>(forms::findControl(&window, name, index));
    if (!control)
        missingControl(window, name, typeid(T).name());
    return control;
}

/// The controls a window's behaviour uses, as a struct of typed pointers made by `lookUp`,
/// looked up once for each window loaded.
template <typename Controls>
class WindowControls {
public:
    using LookUp = Controls (*)(QWidget& window);

    WindowControls(const QString& window, LookUp lookUp) : m_window(window), m_lookUp(lookUp) {}

    /// Those of the loaded window, which is loaded (hidden) first if it is not.
    const Controls& operator()() {
        QWidget* window = load(m_window);
        if (window && window != m_of) {
            m_controls = m_lookUp(*window);
            m_of = window;
        }
        return m_controls;
    }

private:
    const QString& m_window;
    LookUp m_lookUp;
    QPointer<QWidget> m_of;
    Controls m_controls{};
};

} // namespace shell
