// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include <QString>
#include <QStringList>
#include <QWidget>

#include "forms/form_model.h"
#include "forms/units.h"

// The program's windows: each is a single instance that is not loaded, loaded and hidden, or
// shown. Loading builds it from its design and runs its load handler once; unloading runs its
// unload handler and discards it with everything typed in it.

namespace shell {

inline const QString kInputWindow = forms::toQString(forms::kInputWindowName);
inline const QString kResultWindow = forms::toQString(forms::kResultWindowName);
inline const QString kAboutWindow = forms::toQString(forms::kAboutWindowName);
inline const QString kExitWindow = forms::toQString(forms::kExitWindowName);

enum class WindowState { NotLoaded, Hidden, Shown };

struct WindowBehaviour {
    /// Wires the handlers to the freshly built controls.
    std::function<void(QWidget& window)> attach;
    std::function<void(QWidget& window)> formLoad;
    std::function<void(QWidget& window)> formUnload;
    /// Puts the window's own texts into the language spoken now, after the design's.
    std::function<void(QWidget& window)> retranslate;
    /// Built ahead, hidden, when the program is idle after a window has been painted, so that
    /// loading it only attaches it. Until then it is neither loaded, listed nor on screen.
    bool buildAhead = false;
    /// Readies a window just built ahead, before anything of it is loaded.
    std::function<void(QWidget& window)> readyAhead = nullptr;
};

/// Makes a window known by its design name; a later call replaces the behaviour.
void registerWindow(const forms::WindowDefinition& definition, WindowBehaviour behaviour);
/// The same for a window of the program's own that has no design: `build` makes it.
void registerWindow(const QString& name, std::function<std::unique_ptr<QWidget>()> build,
                    WindowBehaviour behaviour);

/// The window, loading it (hidden) first if needed; null for an unknown name.
QWidget* load(const QString& name);
/// The window if it is loaded, else null; never loads.
QWidget* loadedWindow(const QString& name);
/// A control of a window, loading the window first if needed; null if there is none.
QWidget* control(const QString& window, const QString& name, int index = -1);

/// The window is shown when control returns to the event loop, so that a show undone by a
/// hide within the same handler never flashes on screen. state() reports it shown at once.
void show(const QString& name);
void hide(const QString& name);
/// Puts pending shows on screen now (tests, benchmarks, and before a modal wait).
void applyPendingVisibility();
/// Shows the window modal and returns once it has been unloaded.
void showModal(const QString& name);
/// Safe from inside one of the window's own handlers: the widgets live on until the handler
/// has returned to the event loop.
void unload(const QString& name);

WindowState state(const QString& name);
/// Names of the loaded windows in the order they were loaded.
QStringList loadedWindows();

/// Every loaded window in the language spoken now, keeping what the user typed and chose.
void retranslateLoadedWindows();

/// Builds now what is to be built ahead and is neither loaded nor built yet (tests, benchmarks).
void buildAheadNow();
/// The window built ahead and not loaded yet, else null.
QWidget* builtAhead(const QString& name);
/// Draws a window built ahead once, off screen, so that its texts are laid out and their glyphs
/// made before it is first shown; it stays without a platform window.
void drawAhead(QWidget& window);
/// Frees the windows built ahead, as the program ends.
void discardBuiltAhead();

/// Frees windows whose unloading is complete (tests and benchmarks call it between steps).
void collectUnloaded();

} // namespace shell
