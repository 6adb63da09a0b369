// SPDX-License-Identifier: MIT
#include "shell/frm_display.h"

#include <array>

#include <QAction>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QMenu>

#include "shell/event_hooks.h"
#include "shell/people_window.h"
#include "shell/reading_command.h"
#include "shell/reading_export.h"
#include "shell/shared_commands.h"
#include "shell/window_controls.h"
#include "shell/window_manager.h"

namespace shell::frmDisplay {

namespace {

struct Kept {
    reading::Reading shown;
    reading::BirthDetails details;
};

Kept& kept() {
    static Kept current;
    return current;
}

ReadingSheet sheet() {
    return readingSheet(kept().shown, kept().details);
}

std::array<QPlainTextEdit*, 5> descriptionBoxes(const Controls& shown) {
    return {shown.txtSunSignPositiveTraits, shown.txtSunSignNegativeTraits,
            shown.txtSunSignDesignStyleDesc, shown.txtSunSignRulingPlanetsDesc,
            shown.txtSunSignColorDesc};
}

void copyCommand() {
    // Where the user has selected text, the keys copy that, as they always did.
    for (QPlainTextEdit* box : descriptionBoxes(controls())) {
        if (box->hasFocus() && box->textCursor().hasSelection()) {
            box->copy();
            return;
        }
    }
    copyReading(sheet());
}

struct KeepCommand {
    const char* name; ///< null: a separator
    const char* text;
    QKeySequence key;
    void (*run)(QWidget& window);
};

constexpr char kRemember[] = "actRememberPerson";

/// Made on first use: a standard key is known once the application is.
const std::array<KeepCommand, 5>& keepCommands() {
    static const std::array<KeepCommand, 5> commands = {{
        {"actCopyReading", QT_TRANSLATE_NOOP("ResultWindow", "Copy Reading"), QKeySequence::Copy,
         [](QWidget&) { copyCommand(); }},
        {"actSaveReadingAs", QT_TRANSLATE_NOOP("ResultWindow", "Save Reading As…"),
         QKeySequence::Save, [](QWidget& window) { saveReadingAs(sheet(), window); }},
        {"actPrintReading", QT_TRANSLATE_NOOP("ResultWindow", "Print Reading…"),
         QKeySequence::Print, [](QWidget&) { printReading(sheet()); }},
        {nullptr, nullptr, {}, nullptr},
        {kRemember, QT_TRANSLATE_NOOP("ResultWindow", "Remember This Person"),
         QKeySequence(Qt::CTRL | Qt::Key_D), [](QWidget&) { rememberPerson(kept().details); }},
    }};
    return commands;
}

/// Copy, Save As, Print and Remember, with their keys, active while the window is.
QList<QAction*> addKeepCommands(QWidget& window) {
    QList<QAction*> actions;
    for (const KeepCommand& command : keepCommands()) {
        auto* action = new QAction(&window);
        action->setSeparator(command.name == nullptr);
        if (command.name) {
            action->setObjectName(QString::fromLatin1(command.name));
            action->setShortcut(command.key);
            QObject::connect(action, &QAction::triggered, action,
                             [&window, run = command.run] { run(window); });
            window.addAction(action);
        }
        actions << action;
    }
    return actions;
}

/// Remember goes on the File menu too, after the designed items and set off from them, with
/// Exit still last.
void addToFileMenu(QWidget& window) {
    auto* file = window.findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* exit = window.findChild<QAction*>(QStringLiteral("mnuExit"));
    auto* remember = window.findChild<QAction*>(QString::fromLatin1(kRemember));
    if (!file || !exit || !remember)
        missingControl(window, QStringLiteral("mnuFile"), "menu");
    file->insertSeparator(exit);
    file->insertAction(exit, remember);
    file->insertSeparator(exit);
}

void retranslateKeepCommands(QWidget& window) {
    for (const KeepCommand& command : keepCommands()) {
        if (!command.name)
            continue;
        if (auto* action = window.findChild<QAction*>(QString::fromLatin1(command.name)))
            action->setText(QCoreApplication::translate("ResultWindow", command.text));
    }
}

bool popUp(QMenu* menu, const QEvent* event) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(static_cast<const QContextMenuEvent*>(event)->globalPos());
    return true;
}

/// A context menu on the window's surface, and after the description boxes' own entries.
void attachKeepCommands(QWidget& window) {
    const QList<QAction*> commands = addKeepCommands(window);
    // Other controls leave the event to the window.
    onEvent(&window, QEvent::ContextMenu, [&window, commands](QEvent* event) {
        auto* menu = new QMenu(&window);
        menu->addActions(commands);
        return popUp(menu, event);
    });
    for (QPlainTextEdit* box : descriptionBoxes(controls())) {
        const auto boxMenu = [box, commands](QEvent* event) {
            QMenu* menu = box->createStandardContextMenu();
            menu->addSeparator();
            menu->addActions(commands);
            return popUp(menu, event);
        };
        // The mouse's request reaches the text area, the keyboard's the box.
        onEvent(box->viewport(), QEvent::ContextMenu, boxMenu);
        onEvent(box, QEvent::ContextMenu, boxMenu);
    }
}

} // namespace

Controls lookUp(QWidget& window) {
    return {
        .lblSunSign = need<QLabel>(window, QStringLiteral("lblSunSign")),
        .lblSunSignElement = need<QLabel>(window, QStringLiteral("lblSunSignElement")),
        .lblSunSignNumber = need<QLabel>(window, QStringLiteral("lblSunSignNumber")),
        .lblSunSignDay = need<QLabel>(window, QStringLiteral("lblSunSignDay")),
        .lblSunSignCompatibility = need<QLabel>(window, QStringLiteral("lblSunSignCompatibility")),
        .lblSunSignBirthStone = need<QLabel>(window, QStringLiteral("lblSunSignBirthStone")),
        .txtSunSignPositiveTraits =
            need<QPlainTextEdit>(window, QStringLiteral("txtSunSignPositiveTraits")),
        .txtSunSignNegativeTraits =
            need<QPlainTextEdit>(window, QStringLiteral("txtSunSignNegativeTraits")),
        .picSunSign = need<QLabel>(window, QStringLiteral("picSunSign")),
        .lblPreferredColors = need<QLabel>(window, QStringLiteral("lblPreferredColors")),
        .picColor = need<QLabel>(window, QStringLiteral("picColor")),
        .txtSunSignColorDesc = need<QPlainTextEdit>(window, QStringLiteral("txtSunSignColorDesc")),
        .lblRulingPlanet = need<QLabel>(window, QStringLiteral("lblRulingPlanet")),
        .txtSunSignRulingPlanetsDesc =
            need<QPlainTextEdit>(window, QStringLiteral("txtSunSignRulingPlanetsDesc")),
        .txtSunSignDesignStyleDesc =
            need<QPlainTextEdit>(window, QStringLiteral("txtSunSignDesignStyleDesc")),
    };
}

void keepReading(const reading::Reading& shown, const reading::BirthDetails& details) {
    kept() = {shown, details};
}

const Controls& controls() {
    static WindowControls<Controls> current(kResultWindow, lookUp);
    return current();
}

void attach(QWidget& window) {
    onButton(window, QStringLiteral("cmdBack"), cmdBack_Click);
    onMenu(window, QStringLiteral("mnuBack"), cmdBack_Click);
    onMenu(window, QStringLiteral("mnuExit"), mnuExit_Click);
    attachSharedCommands(window);
    attachKeepCommands(window);
    addToFileMenu(window);
    retranslateKeepCommands(window);
}

void retranslate(QWidget& window) {
    // The design's placeholders are back: the reading goes in again, in the new language.
    applyReading(kept().shown);
    retranslateKeepCommands(window);
}

void Form_Unload(QWidget& window) {
    exitSequence(window);
}

void cmdBack_Click() {
    show(kInputWindow);
    // Unloading shows the exit window, which the user did not ask for here.
    unload(kResultWindow);
    hide(kExitWindow);
}

void mnuExit_Click() {
    unload(kResultWindow);
}

} // namespace shell::frmDisplay
