// SPDX-License-Identifier: MIT
#include "shell/frm_main.h"

#include <QComboBox>
#include <QLineEdit>

#include "forms/control_access.h"
#include "platform/services.h"
#include "shell/event_hooks.h"
#include "shell/mod_help.h"
#include "shell/name_filter.h"
#include "shell/reading_command.h"
#include "shell/shared_commands.h"
#include "shell/window_manager.h"

namespace shell::frmMain {

namespace {

QWidget* ctl(const QString& name) {
    return control(kInputWindow, name);
}

QComboBox* list(const QString& name) {
    return qobject_cast<QComboBox*>(ctl(name));
}

} // namespace

void attach(QWidget& window) {
    for (const QString& name : {QStringLiteral("txtFirstName"), QStringLiteral("txtMiddleName"),
                                QStringLiteral("txtLastName")})
        installNameFilter(qobject_cast<QLineEdit*>(forms::findControl(&window, name)));

    onButton(window, QStringLiteral("cmdNext"), cmdNext_Click);
    onButton(window, QStringLiteral("cmdExit"), cmdExit_Click);

    onClick(window, QStringLiteral("Label2"), modHelp::OpenFullBrandPage);
    attachSharedCommands(window);

    onMenu(window, QStringLiteral("mnuNext"), cmdNext_Click);
    onMenu(window, QStringLiteral("mnuExit"), cmdExit_Click);
}

void Form_Load(QWidget& /*window*/) {
    if (QComboBox* days = list(QStringLiteral("cboDate"))) {
        for (int day = 1; day <= 31; ++day)
            days->addItem(QString::number(day));
    }
    if (QComboBox* months = list(QStringLiteral("cboMonth"))) {
        months->addItems({QStringLiteral("January"), QStringLiteral("February"),
                          QStringLiteral("March"), QStringLiteral("April"), QStringLiteral("May"),
                          QStringLiteral("June"), QStringLiteral("July"), QStringLiteral("August"),
                          QStringLiteral("September"), QStringLiteral("October"),
                          QStringLiteral("November"), QStringLiteral("December")});
    }
    if (QComboBox* years = list(QStringLiteral("cboYear"))) {
        for (int year = 1900; year <= 2050; ++year)
            years->addItem(QString::number(year));
    }
    for (const QString& name :
         {QStringLiteral("cboDate"), QStringLiteral("cboMonth"), QStringLiteral("cboYear")}) {
        if (QComboBox* l = list(name))
            l->setCurrentIndex(0);
    }
}

void Form_Unload(QWidget& window) {
    exitSequence(window);
}

void CoBrand_Randomize() {
    const int number = platform::randomWholeNumber(6);
    const QString front =
        number % 2 == 1 ? QStringLiteral("lblCobrand") : QStringLiteral("lblFullBrand");
    if (QWidget* label = ctl(front))
        label->raise();
}

void cmdNext_Click() {
    runReadingCommand();
}

void cmdExit_Click() {
    unload(kInputWindow);
}

} // namespace shell::frmMain
