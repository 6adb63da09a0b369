// SPDX-License-Identifier: MIT
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include "app/translations.h"
#include "forms/control_access.h"
#include "outreach/frm_nag_screen2.h"
#include "reading/sun_sign.h"
#include "shell/reading_command.h"
#include "shell/window_manager.h"
#include "site_config.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;

// In every language the program speaks, each window and each sign's reading shows no text left
// in English, and no caption cut off.

namespace {

// What each window shows: the input and about windows, the exit window with each of its four
// appeals, the result window with each sign's reading.
constexpr int kAppeals = 4;
constexpr int kScenes = 2 + kAppeals + 12;

/// Words that are the same in English and the language, and the program's name.
const QMap<QString, QStringList> kSameWords = {
    {u"de"_s,
     {u"Amethyst"_s, u"April"_s, u"August"_s, u"Element"_s, u"Jupiter"_s, u"Mars"_s, u"Name"_s,
      u"November"_s, u"OK"_s, u"Opal"_s, u"Saturn"_s, u"September"_s, u"Venus"_s}},
    {u"es"_s, {u"Aries"_s, u"Leo"_s, u"Libra"_s, u"Venus"_s, u"Virgo"_s}},
    {u"fr"_s,
     {u"Agate"_s, u"Air"_s, u"Cancer"_s, u"Jupiter"_s, u"Mars"_s, u"OK"_s, u"Turquoise"_s,
      u"Violet"_s}},
    {u"it"_s, {u"&File"_s, u"OK"_s}},
    {u"pt_BR"_s, {u"Libra"_s, u"OK"_s}},
};
const QString kProgramName = QStringLiteral(DWELLSTAR_CAPTION);

/// What a user reads, or hears from a screen reader, in a window, by control.
QMap<QString, QString> shownTexts(QWidget* window) {
    QMap<QString, QString> texts;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || !control->isVisibleTo(window))
            continue;
        texts[name] = forms::controlText(control);
        texts[name + u" (name)"_s] = control->accessibleName();
        texts[name + u" (description)"_s] = control->accessibleDescription();
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            for (int i = 0; i < list->count(); ++i)
                texts[name + u' ' + QString::number(i)] = list->itemText(i);
        }
    }
    for (const QAction* item : window->findChildren<QAction*>())
        texts[item->objectName() + u" (menu)"_s] = item->text();
    return texts;
}

/// Characters of a caption that its face lacks: only the text boxes borrow from other faces.
QString missingGlyphs(QWidget* window) {
    QString missing;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QPlainTextEdit*>(control) || qobject_cast<QLineEdit*>(control))
            continue;
        const QFontMetrics metrics(control->font());
        for (const QChar c : forms::controlText(control)) {
            if (!c.isSpace() && !metrics.inFont(c))
                missing += control->objectName() + u": "_s + c + u' ';
        }
    }
    return missing;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

    struct Shown {
        QMap<QString, QString> texts;
        QString clipped;
    };

    Shown look(const QString& language, int scene) {
        app::useLanguage(language.isEmpty() ? QStringList() : QStringList{language});
        testsupport::resetProgram(m_fakes);
        QWidget* window = nullptr;
        if (scene < 2) {
            window = shell::load(scene == 0 ? shell::kInputWindow : shell::kAboutWindow);
        } else if (scene < 2 + kAppeals) {
            window = shell::load(shell::kExitWindow);
            forms::setControlText(testsupport::child(window, u"Label2"_s),
                                  outreach::frmNagScreen2::appealTexts().at(scene - 2));
        } else {
            const auto sign = reading::signName(reading::kAllSigns.at(scene - 2 - kAppeals));
            shell::applyReading({std::string(sign), reading::lookUpProfile(sign)});
            window = shell::loadedWindow(shell::kResultWindow);
        }
        return {shownTexts(window), testsupport::clippedCaptions(window) + missingGlyphs(window)};
    }

private Q_SLOTS:
    void initTestCase() { testsupport::prepareProgram(); }
    void cleanupTestCase() { app::useLanguage({}); }

    void speaksEveryWord_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("scene");
        for (const QString& language : app::translatedLanguages()) {
            for (int scene = 0; scene < kScenes; ++scene)
                QTest::addRow("%s %d", qPrintable(language), scene) << language << scene;
        }
    }

    void speaksEveryWord() {
        QFETCH(QString, language);
        QFETCH(int, scene);
        const Shown english = look({}, scene);
        const Shown translated = look(language, scene);
        QVERIFY2(translated.clipped.isEmpty(), qPrintable(translated.clipped));
        static const QRegularExpression letter(u"\\p{L}"_s);
        QStringList left;
        for (auto it = english.texts.cbegin(); it != english.texts.cend(); ++it) {
            if (translated.texts.value(it.key()) == it.value() && it.value().contains(letter) &&
                it.value() != kProgramName && !kSameWords.value(language).contains(it.value()))
                left << it.key() + u": "_s + it.value().left(60);
        }
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u"; "_s)));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
