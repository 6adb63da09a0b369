// SPDX-License-Identifier: MIT
#include "shell/language_menu.h"

#include <QActionGroup>
#include <QCoreApplication>

#include "language/language.h"
#include "platform/services.h"
#include "shell/window_manager.h"

namespace shell {

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Language");

/// The reader's choice: a language's code, or empty for the desktop's.
QString& chosen() {
    static QString code;
    return code;
}

void remember(const QString& code) {
    platform::services().settings->setValue(platform::settingsApplicationName(), kSection, kKey,
                                            code);
}

QString desktopItemText() {
    return QCoreApplication::translate("LanguageMenu", "The Desktop's Language (%1)")
        .arg(language::nativeName(language::firstOf()));
}

} // namespace

void speakChosenLanguage(const QString& asked) {
    if (!asked.isEmpty()) {
        chosen() = asked;
        return;
    }
    const QString stored =
        platform::services().settings->value(platform::settingsApplicationName(), kSection, kKey);
    // A choice this program does not speak (a damaged setting) is no choice.
    chosen() = language::use(stored) ? stored : QString();
    if (chosen().isEmpty())
        language::useFirstOf();
}

void chooseLanguage(const QString& code) {
    if (code.isEmpty())
        language::useFirstOf();
    else if (!language::use(code))
        return;
    chosen() = code;
    remember(code);
    retranslateLoadedWindows();
}

QMenu* createLanguageMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    menu->menuAction()->setObjectName(menu->objectName());
    auto* group = new QActionGroup(menu);
    const auto add = [menu, group](const QString& code, const QString& text) {
        QAction* item = menu->addAction(text);
        item->setData(code);
        item->setCheckable(true);
        item->setChecked(code == chosen());
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [code] { chooseLanguage(code); });
        return item;
    };
    add(QString(), QString())->setObjectName(QStringLiteral("mnuDesktopLanguage"));
    menu->addSeparator();
    for (const QString& code : language::available())
        add(code, language::nativeName(code));
    return menu;
}

void retranslateLanguageMenu(QMenu* menu) {
    menu->setTitle(QCoreApplication::translate("LanguageMenu", "&Language"));
    for (QAction* item : menu->actions()) {
        if (item->isSeparator())
            continue;
        if (item->data().toString().isEmpty())
            item->setText(desktopItemText());
        item->setChecked(item->data().toString() == chosen());
    }
}

} // namespace shell
