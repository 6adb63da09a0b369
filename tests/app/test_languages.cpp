// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include "forms/control_access.h"
#include "language/language.h"
#include "outreach/frm_nag_screen2.h"
#include "people/book.h"
#include "reading/sun_sign.h"
#include "shell/people_window.h"
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
// appeals, the result window with each sign's reading, a question with Qt's own buttons, and
// the People window with one person.
constexpr int kAppeals = 4;
constexpr int kQuestion = 2 + kAppeals + 12;
constexpr int kPeople = kQuestion + 1;
constexpr int kScenes = kPeople + 1;

/// Words that are the same in English and the language, and the program's name.
const QMap<QString, QStringList> kSameWords = {
    {u"de"_s,
     {u"&Filter:"_s, u"Amethyst"_s, u"April"_s, u"August"_s, u"Element"_s, u"Jupiter"_s, u"Mars"_s,
      u"Name"_s, u"November"_s, u"OK"_s, u"Opal"_s, u"Saturn"_s, u"September"_s, u"Venus"_s}},
    {u"es"_s, {u"&No"_s, u"Aries"_s, u"Leo"_s, u"Libra"_s, u"Venus"_s, u"Virgo"_s}},
    {u"fr"_s,
     {u"Agate"_s, u"Air"_s, u"Cancer"_s, u"Jupiter"_s, u"Mars"_s, u"OK"_s, u"Turquoise"_s,
      u"Violet"_s}},
    {u"it"_s, {u"&File"_s, u"&No"_s, u"OK"_s}},
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
        // A list's headings and its first row, but for the name, which is the person's own.
        if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
            for (int column = 1; column < view->model()->columnCount(); ++column) {
                const QString at = name + u' ' + QString::number(column);
                texts[at] = view->model()->headerData(column, Qt::Horizontal).toString();
                texts[at + u" 0"_s] = view->model()->index(0, column).data().toString();
            }
        }
    }
    // Unnamed: the languages, each named in itself in every language.
    for (const QAction* item : window->findChildren<QAction*>()) {
        if (!item->objectName().isEmpty())
            texts[item->objectName() + u" (menu)"_s] = item->text();
    }
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
        language::use(language.isEmpty() ? language::kEnglish : language);
        testsupport::resetProgram(m_fakes);
        QWidget* window = nullptr;
        if (scene == kQuestion) {
            const QMessageBox box(QMessageBox::Information, {}, {},
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            QMap<QString, QString> buttons;
            for (QAbstractButton* button : box.buttons())
                buttons[QString::number(box.standardButton(button))] = button->text();
            return {buttons, {}};
        }
        if (scene < 2 || scene == kPeople) {
            window = shell::load(scene == 0   ? shell::kInputWindow
                                 : scene == 1 ? shell::kAboutWindow
                                              : shell::kPeopleWindow);
            // A window of layouts: laid out once shown.
            if (scene == kPeople) {
                shell::show(shell::kPeopleWindow);
                testsupport::settle();
            }
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
    void initTestCase() {
        testsupport::prepareProgram();
        people::Found found;
        QVERIFY(
            people::Book().add({{u"ANNA"_s, {}, u"SMITH"_s, 1990, 8, 15}}, found).error.isEmpty());
    }
    void cleanupTestCase() { language::use(language::kEnglish); }

    // A language chosen in the input window's menu is spoken at once in every open window;
    // what was typed, chosen and shown stays. The choice is remembered until the desktop's
    // language is chosen again.
    void choosingALanguageKeepsTheEntries() {
        language::use(language::kEnglish);
        testsupport::resetProgram(m_fakes);
        QWidget* input = shell::load(shell::kInputWindow);
        QTest::keyClicks(testsupport::child(input, u"txtFirstName"_s), u"anna"_s);
        QTest::keyClicks(testsupport::child(input, u"txtLastName"_s), u"smith"_s);
        testsupport::childAs<QComboBox>(input, u"cboMonth"_s)->setCurrentIndex(5);
        testsupport::childAs<QComboBox>(input, u"cboDate"_s)->setCurrentIndex(14);
        shell::runReadingCommand();
        QWidget* result = shell::loadedWindow(shell::kResultWindow);
        const auto pick = [input](const QString& item) {
            for (QAction* action : input->findChild<QMenu*>(u"mnuLanguage"_s)->actions()) {
                if (action->text() == item || action->objectName() == item)
                    action->trigger();
            }
        };
        const auto shown = [&] {
            return QStringList{forms::controlText(testsupport::child(input, u"txtFirstName"_s)),
                               forms::controlText(testsupport::child(input, u"cboMonth"_s)),
                               forms::controlText(testsupport::child(result, u"lblSunSign"_s))};
        };
        const auto stored = [this] {
            return m_fakes.settings
                .values[{platform::settingsApplicationName(), u"Settings"_s, u"Language"_s}];
        };
        QStringList offered;
        for (const QAction* item : input->findChild<QMenu*>(u"mnuLanguage"_s)->actions())
            offered << item->text();
        QCOMPARE(offered, (QStringList{u"The Desktop's Language (English)"_s,
                                       {},
                                       u"English"_s,
                                       u"Deutsch"_s,
                                       u"Español"_s,
                                       u"Français"_s,
                                       u"Italiano"_s,
                                       u"Português (Brasil)"_s,
                                       u"Русский"_s}));
        pick(u"Deutsch"_s);
        QCOMPARE(shown(), (QStringList{u"ANNA"_s, u"Juni"_s, u"Zwillinge"_s}));
        QCOMPARE(stored(), u"de"_s);
        pick(u"mnuDesktopLanguage"_s);
        QCOMPARE(shown(), (QStringList{u"ANNA"_s, u"June"_s, u"Gemini"_s}));
        QCOMPARE(stored(), QString());
    }

    void speaksEveryWord_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("scene");
        for (const QString& language : language::available().mid(1)) {
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
