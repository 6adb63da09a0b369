// SPDX-License-Identifier: MIT
#pragma once

// Steps shared by the shell tests: they drive the real windows as a user would.

#include <utility>
#include <span>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "forms/control_access.h"
#include "forms/units.h"
#include "forms/picture_lists.h"
#include "reading/sign_catalogue.h"
#include "shell/window_manager.h"
#include "support/program.h"
#include "support/widget_helpers.h"

namespace shelltest {

using namespace Qt::StringLiterals;

inline const QString kInput = u"frmMain"_s;
inline const QString kResult = u"frmDisplay"_s;
inline const QString kAbout = u"frmAbout"_s;
inline const QString kExit = u"frmNagScreen2"_s;

/// Names of the program's windows that are on screen now, sorted.
inline QStringList visibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->objectName().isEmpty())
            names << w->objectName();
    }
    names.sort();
    return names;
}

/// The input window as start-up leaves it: shown and active.
inline QWidget* openInputWindow() {
    shell::show(kInput);
    testsupport::settle();
    QWidget* input = shell::loadedWindow(kInput);
    if (input)
        (void)QTest::qWaitForWindowActive(input);
    return input;
}

inline QLineEdit* box(QWidget* window, const QString& name) {
    return testsupport::childAs<QLineEdit>(window, name);
}

inline QComboBox* list(QWidget* window, const QString& name) {
    return testsupport::childAs<QComboBox>(window, name);
}

struct Entries {
    QString first = u"ANNA"_s;
    QString middle = u"MARIA"_s;
    QString last = u"SMITH"_s;
    int day = 1;   ///< day of the month
    int month = 1; ///< 1 for January
    int year = 1990;
};

/// Types the names and picks the date in the input window.
inline void enter(QWidget* input, const Entries& entries) {
    const std::pair<QString, QString> names[] = {{u"txtFirstName"_s, entries.first},
                                                 {u"txtMiddleName"_s, entries.middle},
                                                 {u"txtLastName"_s, entries.last}};
    for (const auto& [name, text] : names) {
        QLineEdit* edit = box(input, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    list(input, u"cboDate"_s)->setCurrentIndex(entries.day - 1);
    list(input, u"cboMonth"_s)->setCurrentIndex(entries.month - 1);
    list(input, u"cboYear"_s)->setCurrentIndex(entries.year - 1900);
}

/// Enters the details and presses "Get My Dwellstar Reading"; the result window, if any.
inline QWidget* readingFor(const Entries& entries) {
    QWidget* input = shell::loadedWindow(kInput);
    if (!input)
        input = openInputWindow();
    enter(input, entries);
    testsupport::click(input, u"cmdNext"_s);
    testsupport::settle();
    return shell::loadedWindow(kResult);
}

/// Which of the two promotional labels the user sees (and clicks) where they overlap.
inline QString frontBrandLabel(QWidget* window) {
    QWidget* cobrand = testsupport::child(window, u"lblCobrand"_s);
    if (!cobrand)
        return {};
    QWidget* front = cobrand->parentWidget()->childAt(cobrand->geometry().center());
    return front ? front->objectName() : QString();
}

/// Picks a menu item as the user would; fails the test if the window has no such item.
inline void trigger(QWidget* window, const QString& item) {
    QAction* action = window ? window->findChild<QAction*>(item) : nullptr;
    if (!action) {
        QTest::qFail(qPrintable(u"no menu item "_s + item), __FILE__, __LINE__);
        return;
    }
    action->trigger();
}

inline QString textOf(QWidget* window, const QString& name) {
    return forms::controlText(testsupport::child(window, name));
}

inline QImage pictureOf(QWidget* window, const QString& name) {
    const auto* label = qobject_cast<QLabel*>(testsupport::child(window, name));
    return label ? label->pixmap().toImage().convertToFormat(QImage::Format_RGB32) : QImage();
}

/// Item `position` (1-based) of a picture list, decoded from the embedded file.
inline QImage listPicture(std::span<const forms::PictureItem> items, int position) {
    const auto& item = items[static_cast<std::size_t>(position - 1)];
    return QImage(forms::toQString(item.resource)).convertToFormat(QImage::Format_RGB32);
}

/// The fifteen targets of the result window hold exactly this sign's values.
inline void expectReading(QWidget* result, const reading::SignProfile& p) {
    const auto q = [](std::string_view text) { return forms::toQString(text); };
    QStringList lines;
    for (std::string_view line : p.designLines)
        lines << q(line);
    const std::pair<const char*, QString> texts[] = {
        {"lblSunSign", q(p.name)},
        {"lblSunSignElement", q(p.element)},
        {"lblSunSignNumber", q(p.luckyNumbers)},
        {"lblSunSignDay", q(p.luckyDay)},
        {"lblSunSignCompatibility", q(p.compatibility)},
        {"lblSunSignBirthStone", q(p.birthstone)},
        {"txtSunSignPositiveTraits", q(p.positiveTraits)},
        {"txtSunSignNegativeTraits", q(p.negativeTraits)},
        {"lblPreferredColors", q(p.preferredColors)},
        {"txtSunSignColorDesc", p.colorText ? q(p.colorText->text) : QString()},
        {"lblRulingPlanet", q(p.rulingPlanet)},
        {"txtSunSignRulingPlanetsDesc", p.planetText ? q(p.planetText->text) : QString()},
        {"txtSunSignDesignStyleDesc", lines.join(u"\r\n"_s)},
    };
    for (const auto& [name, expected] : texts) {
        const QString shown = textOf(result, QString::fromLatin1(name));
        if (shown != expected) {
            QTest::qFail(qPrintable(u"%1 shows \"%2\", expected \"%3\""_s.arg(
                             QString::fromLatin1(name), shown.left(80), expected.left(80))),
                         __FILE__, __LINE__);
            return;
        }
    }
    QVERIFY2(pictureOf(result, u"picSunSign"_s) ==
                 listPicture(forms::sunSignPictures(), p.signPicture),
             "picSunSign holds another picture");
    QVERIFY2(pictureOf(result, u"picColor"_s) == listPicture(forms::colorPictures(), p.colorSwatch),
             "picColor holds another picture");
}

} // namespace shelltest
