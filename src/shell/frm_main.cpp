// SPDX-License-Identifier: MIT
#include "shell/frm_main.h"

#include <utility>

#include <QCoreApplication>
#include <QMenu>
#include <QStringListModel>

#include "forms/units.h"
#include "language/language.h"
#include "platform/services.h"
#include "reading/birth_details.h"
#include "shell/event_hooks.h"
#include "shell/language_menu.h"
#include "shell/mod_help.h"
#include "shell/name_filter.h"
#include "shell/people_window.h"
#include "shell/reading_command.h"
#include "shell/shared_commands.h"
#include "shell/window_controls.h"
#include "shell/window_manager.h"

namespace shell::frmMain {

namespace {

Controls lookUp(QWidget& window) {
    return {
        .txtFirstName = need<QLineEdit>(window, QStringLiteral("txtFirstName")),
        .txtMiddleName = need<QLineEdit>(window, QStringLiteral("txtMiddleName")),
        .txtLastName = need<QLineEdit>(window, QStringLiteral("txtLastName")),
        .cboDate = need<QComboBox>(window, QStringLiteral("cboDate")),
        .cboMonth = need<QComboBox>(window, QStringLiteral("cboMonth")),
        .cboYear = need<QComboBox>(window, QStringLiteral("cboYear")),
        .lblCobrand = need<QLabel>(window, QStringLiteral("lblCobrand")),
        .lblFullBrand = need<QLabel>(window, QStringLiteral("lblFullBrand")),
        .IMGSunsignList = need<forms::PictureList>(window, QStringLiteral("IMGSunsignList")),
        .IMGColor = need<forms::PictureList>(window, QStringLiteral("IMGColor")),
    };
}

/// The program's own File items, after the designed ones and set off from them, with Exit
/// still last.
void addOwnFileItems(QWidget& window) {
    auto* file = window.findChild<QMenu*>(QStringLiteral("nuFile"));
    auto* exit = window.findChild<QAction*>(QStringLiteral("mnuExit"));
    if (!file || !exit)
        missingControl(window, QStringLiteral("nuFile"), "menu");
    file->insertSeparator(exit);
    auto* people = new QAction(file);
    people->setObjectName(QStringLiteral("actPeople"));
    QObject::connect(people, &QAction::triggered, people, openPeople);
    file->insertAction(exit, people);
    file->insertMenu(exit, createLanguageMenu(file));
    file->insertSeparator(exit);
}

/// Their texts in the language spoken.
void retranslateOwnItems(QWidget& window) {
    if (auto* languages = window.findChild<QMenu*>(QStringLiteral("mnuLanguage")))
        retranslateLanguageMenu(languages);
    if (auto* people = window.findChild<QAction*>(QStringLiteral("actPeople")))
        people->setText(QCoreApplication::translate("InputWindow", "&People…"));
}

} // namespace

const Controls& controls() {
    static WindowControls<Controls> current(kInputWindow, lookUp);
    return current();
}

void attach(QWidget& window) {
    const Controls& c = controls();
    for (QLineEdit* box : {c.txtFirstName, c.txtMiddleName, c.txtLastName})
        installNameFilter(box);

    onButton(window, QStringLiteral("cmdNext"), cmdNext_Click);
    onButton(window, QStringLiteral("cmdExit"), cmdExit_Click);

    onClick(window, QStringLiteral("Label2"), modHelp::OpenFullBrandPage);
    attachSharedCommands(window);

    onMenu(window, QStringLiteral("mnuNext"), cmdNext_Click);
    onMenu(window, QStringLiteral("mnuExit"), cmdExit_Click);
    for (QComboBox* list : {c.cboDate, c.cboMonth})
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [] { refillAhead(); });
    addOwnFileItems(window);
    retranslateOwnItems(window);
}

void retranslate(QWidget& window) {
    const Controls& c = controls();
    for (int month = 1; month <= 12; ++month)
        c.cboMonth->setItemText(month - 1, language::monthName(month));
    retranslateOwnItems(window);
}

void Form_Load(QWidget& /*window*/) {
    const Controls& c = controls();
    QStringList days, months, years;
    for (int day = 1; day <= 31; ++day)
        days.append(QString::number(day));
    for (int month = 1; month <= 12; ++month)
        months.append(language::monthName(month));
    for (int year = reading::kFirstListYear; year <= reading::kLastListYear; ++year)
        years.append(QString::number(year));
    // Plain lists of texts: an item of the standard model costs ten times the memory.
    for (const auto& [list, items] : {std::pair{c.cboDate, &days}, std::pair{c.cboMonth, &months},
                                      std::pair{c.cboYear, &years}}) {
        list->setModel(new QStringListModel(*items, list));
        list->setCurrentIndex(0);
    }
}

void Form_Unload(QWidget& window) {
    exitSequence(window);
}

void CoBrand_Randomize() {
    const int number = platform::randomWholeNumber(6);
    const Controls& c = controls();
    (number % 2 == 1 ? c.lblCobrand : c.lblFullBrand)->raise();
}

void cmdNext_Click() {
    runReadingCommand();
}

void cmdExit_Click() {
    unload(kInputWindow);
}

} // namespace shell::frmMain
