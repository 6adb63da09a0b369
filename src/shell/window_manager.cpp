// SPDX-License-Identifier: MIT
#include "shell/window_manager.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <QAbstractEventDispatcher>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QPlainTextEdit>
#include <QPointer>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWindow>

#include "forms/control_access.h"
#include "forms/form_builder.h"
#include "forms/units.h"

namespace shell {

namespace {

struct Registration {
    const forms::WindowDefinition* definition = nullptr; ///< null for a window of our own
    std::function<std::unique_ptr<QWidget>()> build;
    WindowBehaviour behaviour;
    /// Built ahead and not loaded yet; owned here, unnamed so that nothing finds it.
    QPointer<QWidget> ahead;
};

struct LoadedWindow {
    QString name;
    QPointer<QWidget> widget;
    bool unloading = false;
    bool wantVisible = false;
    QEventLoop* modalLoop = nullptr;
};

bool g_flushScheduled = false;
std::vector<QString> g_pendingShows;

std::map<QString, Registration>& registrations() {
    static std::map<QString, Registration> all;
    return all;
}

std::vector<LoadedWindow>& loaded() {
    static std::vector<LoadedWindow> windows;
    return windows;
}

LoadedWindow* findLoaded(const QString& name) {
    for (LoadedWindow& entry : loaded()) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

/// The close box unloads the window instead of merely hiding it.
class CloseToUnload final : public QObject {
public:
    CloseToUnload(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && watched == parent()) {
            unload(m_name);
            return true;
        }
        return false;
    }

private:
    QString m_name;
};

/// Builds ahead once the event loop would wait, after every paint and call already pending.
void buildAheadWhenIdle() {
    static QMetaObject::Connection armed;
    if (armed)
        return;
    auto* dispatcher = QCoreApplication::eventDispatcher();
    if (!dispatcher)
        return;
    armed = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [] {
        QObject::disconnect(armed);
        armed = {};
        QMetaObject::invokeMethod(QCoreApplication::instance(), buildAheadNow,
                                  Qt::QueuedConnection);
    });
}

bool anyToBuildAhead() {
    return std::any_of(registrations().begin(), registrations().end(), [](const auto& entry) {
        return entry.second.behaviour.buildAhead && !entry.second.ahead && !findLoaded(entry.first);
    });
}

/// Waits for the window's next exposure: building ahead must never hold up a first paint.
class AfterExposure final : public QObject {
public:
    explicit AfterExposure(QWindow* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            buildAheadWhenIdle();
            deleteLater();
        }
        return false;
    }
};

void buildAheadAfterExposure(QWidget& window) {
    // A second watcher of the same window only arms the same single wait.
    if (QWindow* handle = window.windowHandle(); handle && anyToBuildAhead())
        new AfterExposure(handle);
}

} // namespace

void buildAheadNow() {
    for (auto& [name, registration] : registrations()) {
        if (registration.behaviour.buildAhead && !registration.ahead && !findLoaded(name)) {
            registration.ahead = registration.build().release();
            registration.ahead->setObjectName(QString());
            if (registration.behaviour.readyAhead)
                registration.behaviour.readyAhead(*registration.ahead);
        }
    }
}

QWidget* builtAhead(const QString& name) {
    const auto it = registrations().find(name);
    return it == registrations().end() ? nullptr : it->second.ahead.data();
}

void drawAhead(QWidget& window) {
    QWidget* client = forms::clientArea(&window);
    // Sized first, while hidden: a scroll bar shown during the drawing would make Qt give the
    // window a platform window, which lists it.
    for (QAbstractScrollArea* box : client->findChildren<QAbstractScrollArea*>()) {
        if (box->testAttribute(Qt::WA_PendingResizeEvent)) {
            QResizeEvent resized(box->size(), QSize());
            QCoreApplication::sendEvent(box, &resized);
            box->setAttribute(Qt::WA_PendingResizeEvent, false);
        }
        // Laid out again, keeping the shaped lines: a plain text box frees them after laying out
        // and would shape them again at every paint, the first on screen among them.
        if (auto* text = qobject_cast<QPlainTextEdit*>(box)) {
            QTextDocument* document = text->document();
            for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
                block.layout()->setCacheEnabled(true);
            document->markContentsDirty(0, document->characterCount());
        }
    }
    QImage image(client->size(), QImage::Format_RGB32);
    client->render(&image);
}

void discardBuiltAhead() {
    for (auto& [name, registration] : registrations())
        delete registration.ahead.data();
}

void registerWindow(const forms::WindowDefinition& definition, WindowBehaviour behaviour) {
    const QString name = forms::toQString(definition.name);
    registerWindow(
        name, [&definition] { return forms::buildWindow(definition); }, std::move(behaviour));
    registrations()[name].definition = &definition;
}

void registerWindow(const QString& name, std::function<std::unique_ptr<QWidget>()> build,
                    WindowBehaviour behaviour) {
    Registration& registration = registrations()[name];
    // One built for the behaviour replaced would be loaded with the new one.
    delete registration.ahead.data();
    registration = {nullptr, std::move(build), std::move(behaviour), nullptr};
}

QWidget* loadedWindow(const QString& name) {
    const LoadedWindow* entry = findLoaded(name);
    return entry && !entry->unloading ? entry->widget.data() : nullptr;
}

QWidget* load(const QString& name) {
    if (LoadedWindow* entry = findLoaded(name))
        return entry->widget.data();
    const auto it = registrations().find(name);
    if (it == registrations().end())
        return nullptr;
    Registration& registration = it->second;
    // Owned by the loaded-window list.
    QWidget* window =
        registration.ahead ? registration.ahead.data() : registration.build().release();
    registration.ahead = nullptr;
    window->setObjectName(name);
    window->installEventFilter(new CloseToUnload(name, window));
    loaded().push_back({name, window, false, false, nullptr});
    if (registration.behaviour.attach)
        registration.behaviour.attach(*window);
    if (registration.behaviour.formLoad)
        registration.behaviour.formLoad(*window);
    return window;
}

QWidget* control(const QString& window, const QString& name, int index) {
    return forms::findControl(load(window), name, index);
}

void show(const QString& name) {
    if (!load(name))
        return;
    LoadedWindow* entry = findLoaded(name);
    if (!entry || entry->unloading)
        return;
    entry->wantVisible = true;
    std::erase(g_pendingShows, name);
    g_pendingShows.push_back(name);
    if (!g_flushScheduled) {
        g_flushScheduled = true;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { applyPendingVisibility(); }, Qt::QueuedConnection);
    }
}

void hide(const QString& name) {
    QWidget* window = load(name);
    LoadedWindow* entry = findLoaded(name);
    if (!window || !entry)
        return;
    entry->wantVisible = false;
    window->hide();
}

void applyPendingVisibility() {
    g_flushScheduled = false;
    const std::vector<QString> pending = std::exchange(g_pendingShows, {});
    for (const QString& name : pending) {
        const LoadedWindow* entry = findLoaded(name);
        if (!entry || entry->unloading || !entry->wantVisible || !entry->widget)
            continue;
        QWidget* window = entry->widget;
        window->show();
        buildAheadAfterExposure(*window);
        // A window shown without activating still takes the focus when no other window of the
        // program has it, as when it replaces a closed one: else the keyboard reaches nothing.
        const QWidget* active = QApplication::activeWindow();
        if (!window->testAttribute(Qt::WA_ShowWithoutActivating) || !active ||
            !active->isVisible()) {
            window->raise();
            window->activateWindow();
        }
    }
}

void showModal(const QString& name) {
    QWidget* window = load(name);
    if (!window)
        return;
    applyPendingVisibility();
    QEventLoop loop;
    LoadedWindow* entry = findLoaded(name);
    entry->modalLoop = &loop;
    entry->wantVisible = true;
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->activateWindow();
    loop.exec();
}

void unload(const QString& name) {
    LoadedWindow* entry = findLoaded(name);
    if (!entry || entry->unloading)
        return;
    entry->unloading = true;
    const auto it = registrations().find(name);
    if (it != registrations().end() && it->second.behaviour.formUnload && entry->widget)
        it->second.behaviour.formUnload(*entry->widget);
    // The handler may have changed the list; look the entry up again.
    entry = findLoaded(name);
    if (!entry)
        return;
    QPointer<QWidget> widget = entry->widget;
    QEventLoop* modalLoop = entry->modalLoop;
    std::erase_if(loaded(), [&](const LoadedWindow& e) { return e.name == name; });
    if (widget) {
        widget->hide();
        widget->deleteLater();
    }
    if (modalLoop)
        modalLoop->quit();
}

WindowState state(const QString& name) {
    const LoadedWindow* entry = findLoaded(name);
    if (!entry || !entry->widget)
        return WindowState::NotLoaded;
    return entry->wantVisible ? WindowState::Shown : WindowState::Hidden;
}

QStringList loadedWindows() {
    QStringList names;
    for (const LoadedWindow& entry : loaded())
        names << entry.name;
    return names;
}

void retranslateLoadedWindows() {
    // Built in the language spoken until now.
    discardBuiltAhead();
    buildAheadWhenIdle();
    // A copy: a handler may load or unload windows.
    const std::vector<LoadedWindow> windows = loaded();
    for (const LoadedWindow& entry : windows) {
        const auto it = registrations().find(entry.name);
        if (entry.unloading || !entry.widget || it == registrations().end())
            continue;
        if (it->second.definition)
            forms::retranslateWindow(*entry.widget, *it->second.definition);
        if (it->second.behaviour.retranslate)
            it->second.behaviour.retranslate(*entry.widget);
    }
}

void collectUnloaded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace shell
