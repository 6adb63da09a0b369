// SPDX-License-Identifier: MIT
#include <cstdint>
#include <random>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "shell/frm_main.h"
#include "shell/window_manager.h"
#include "shell_steps.h"
#include "support/fakes.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;
using shell::WindowState;
using namespace shelltest;

namespace {

const QString kRefusal = u"Please Enter Only Alphabet"_s;
// "ABC" with the B replaced by the clipboard's "жук".
const QString kPasted = u"A\u0416\u0423\u041aC"_s;
const QString kCobrand = u"lblCobrand"_s;
const QString kFullBrand = u"lblFullBrand"_s;

QStringList numbers(int from, int to) {
    QStringList texts;
    for (int n = from; n <= to; ++n)
        texts << QString::number(n);
    return texts;
}

QStringList items(QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

} // namespace

class TestInputWindow : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

private Q_SLOTS:
    void initTestCase() { testsupport::prepareProgram(); }
    void init() { testsupport::resetProgram(m_fakes); }

    void listsAfterLoad() {
        QWidget* input = openInputWindow();
        const QStringList months{u"January"_s,   u"February"_s, u"March"_s,    u"April"_s,
                                 u"May"_s,       u"June"_s,     u"July"_s,     u"August"_s,
                                 u"September"_s, u"October"_s,  u"November"_s, u"December"_s};
        QCOMPARE(items(list(input, u"cboDate"_s)), numbers(1, 31));
        QCOMPARE(items(list(input, u"cboMonth"_s)), months);
        QCOMPARE(items(list(input, u"cboYear"_s)), numbers(1900, 2050));
        QCOMPARE(textOf(input, u"cboDate"_s), u"1"_s);
        QCOMPARE(textOf(input, u"cboMonth"_s), u"January"_s);
        QCOMPARE(textOf(input, u"cboYear"_s), u"1900"_s);
        for (const QString& name : {u"txtFirstName"_s, u"txtMiddleName"_s, u"txtLastName"_s})
            QCOMPARE(box(input, name)->text(), QString());
    }

    void nameKeys_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected"); // from "ABC" with the B selected
        QTest::addColumn<int>("cursor");
        QTest::addColumn<bool>("refused");

        // Texts as the keys carry them on an X11 desktop.
        struct Case {
            const char* what;
            Qt::Key key;
            QString typed;
            Qt::KeyboardModifiers modifiers;
            QString expected;
            int cursor;
            bool refused;
        };
        const Case cases[] = {
            {"small letter", Qt::Key_M, u"m"_s, {}, u"AMC"_s, 2, false},
            {"capital letter", Qt::Key_Q, u"Q"_s, Qt::ShiftModifier, u"AQC"_s, 2, false},
            {"blank", Qt::Key_Space, u" "_s, {}, u"A C"_s, 2, false},
            {"backspace", Qt::Key_Backspace, u"\b"_s, {}, u"AC"_s, 1, false},
            {"delete", Qt::Key_Delete, u"\x7f"_s, {}, u"AC"_s, 1, false},
            {"keypad delete", Qt::Key_Delete, u"\x7f"_s, Qt::KeypadModifier, u"AC"_s, 1, false},
            {"shift+delete", Qt::Key_Delete, u"\x7f"_s, Qt::ShiftModifier, u"AC"_s, 1, false},
            {"left", Qt::Key_Left, {}, {}, u"ABC"_s, 1, false},
            {"right", Qt::Key_Right, {}, {}, u"ABC"_s, 3, false},
            {"home", Qt::Key_Home, {}, {}, u"ABC"_s, 0, false},
            {"end", Qt::Key_End, {}, {}, u"ABC"_s, 3, false},
            {"insert", Qt::Key_Insert, {}, {}, u"ABC"_s, 2, false},
            {"enter", Qt::Key_Return, u"\r"_s, {}, u"ABC"_s, 2, false},
            {"tab", Qt::Key_Tab, u"\t"_s, {}, u"ABC"_s, 2, false},
            {"digit", Qt::Key_7, u"7"_s, {}, u"ABC"_s, 2, true},
            {"hyphen", Qt::Key_Minus, u"-"_s, {}, u"ABC"_s, 2, true},
            {"accented letter", Qt::Key_Eacute, u"\u00e9"_s, {}, u"A\u00c9C"_s, 2, false},
            {"Cyrillic letter", Qt::Key(0x416), u"\u0436"_s, {}, u"A\u0416C"_s, 2, false},
            {"accent after a letter", Qt::Key_unknown, u"\u0301"_s, {}, u"A\u0301C"_s, 2, false},
            {"emoji", Qt::Key_unknown, u"\U0001F600"_s, {}, u"ABC"_s, 2, true},
            {"escape", Qt::Key_Escape, u"\x1b"_s, {}, u"ABC"_s, 2, true},
            {"Ctrl+A", Qt::Key_A, u"\x01"_s, Qt::ControlModifier, u"ABC"_s, 2, true},
            {"Ctrl+V as a control code", Qt::Key_V, u"\x16"_s, Qt::ControlModifier, kPasted, 4,
             false},
            {"Ctrl+V as a letter", Qt::Key_V, u"v"_s, Qt::ControlModifier, kPasted, 4, false},
            {"Shift+Insert", Qt::Key_Insert, {}, Qt::ShiftModifier, kPasted, 4, false},
        };
        for (const QString& name : {u"txtFirstName"_s, u"txtMiddleName"_s, u"txtLastName"_s}) {
            for (const Case& c : cases) {
                QTest::addRow("%s, %s", qPrintable(name), c.what)
                    << name << int(c.key) << c.typed << int(c.modifiers) << c.expected << c.cursor
                    << c.refused;
            }
        }
    }

    void nameKeys() {
        QFETCH(QString, boxName);
        QFETCH(int, key);
        QFETCH(QString, typed);
        QFETCH(int, modifiers);
        QFETCH(bool, refused);

        QWidget* input = openInputWindow();
        QLineEdit* edit = box(input, boxName);
        edit->setFocus();
        QTest::keyClicks(edit, u"abc"_s);
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(edit->selectedText(), u"B"_s);
        QGuiApplication::clipboard()->setText(u"\u0436\u0443\u043a"_s);

        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(key), typed,
                            Qt::KeyboardModifiers(modifiers));
        testsupport::settle();

        QTEST(edit->text(), "expected");
        QTEST(edit->cursorPosition(), "cursor");
        QCOMPARE(m_fakes.dialogs.texts(), refused ? QStringList{kRefusal} : QStringList());
        if (refused) {
            QCOMPARE(m_fakes.dialogs.shown.front().icon, platform::MessageIcon::Information);
            QCOMPARE(m_fakes.dialogs.shown.front().caption, u"KV Dwellstar"_s);
        }
        QCOMPARE(visibleWindows(), QStringList{kInput});
    }

    // The context menu's Paste takes the letters, and refuses the rest as the keys do.
    void contextMenuPaste() {
        QWidget* input = openInputWindow();
        QLineEdit* edit = box(input, u"txtLastName"_s);
        QGuiApplication::clipboard()->setText(
            u"\u0410\u043d\u043d\u0430-\u041c\u0430\u0440\u0438\u044f"_s);
        QVERIFY(testsupport::pasteFromContextMenu(edit));
        testsupport::settle();
        QCOMPARE(edit->text(), u"\u0410\u041d\u041d\u0410\u041c\u0410\u0420\u0418\u042f"_s);
        QCOMPARE(m_fakes.dialogs.texts(), QStringList{kRefusal});
    }

    // Text set by program or dropped keeps only what the keys would have let through.
    void insertedNames_data() {
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letters and blanks") << u"MARY ann"_s << u"MARY ANN"_s;
        QTest::newRow("everything else") << u"o'Neil-2\t\u00e9x\r\n."_s << u"ONEIL\u00c9X"_s;
        QTest::newRow("accents apart") << u"\u0301he\u0301le\u0300ne"_s << u"HE\u0301LE\u0300NE"_s;
    }

    void insertedNames() {
        QFETCH(QString, inserted);
        QWidget* input = openInputWindow();
        QLineEdit* edit = box(input, u"txtLastName"_s);
        edit->insert(inserted);
        testsupport::settle();
        QTEST(edit->text(), "expected");
    }

    void promotionalLabel_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("front");

        // r x 6 rounded down, plus one: odd numbers bring the co-branding offer to the front.
        QTest::newRow("0 -> 1") << 0.0 << kCobrand;
        QTest::newRow("0.16 -> 1") << 0.16 << kCobrand;
        QTest::newRow("0.17 -> 2") << 0.17 << kFullBrand;
        QTest::newRow("0.34 -> 3") << 0.34 << kCobrand;
        QTest::newRow("0.5 -> 4") << 0.5 << kFullBrand;
        QTest::newRow("0.67 -> 5") << 0.67 << kCobrand;
        QTest::newRow("0.84 -> 6") << 0.84 << kFullBrand;
        QTest::newRow("just below 1 -> 6") << 0.9999999999 << kFullBrand;
    }

    void promotionalLabel() {
        QFETCH(double, r);
        QFETCH(QString, front);

        QWidget* input = openInputWindow();
        // Start from the other label in front, so that doing nothing fails.
        testsupport::child(input, front == kCobrand ? kFullBrand : kCobrand)->raise();
        m_fakes.random.values = {r};

        shell::frmMain::CoBrand_Randomize();

        QCOMPARE(frontBrandLabel(input), front);
    }

    void promotionalLabelIsAFairChoice() {
        QWidget* input = openInputWindow();
        std::mt19937 generator(20260405u);
        constexpr int kDraws = 2000;
        int cobrandInFront = 0;
        for (int i = 0; i < kDraws; ++i) {
            m_fakes.random.values = {static_cast<double>(generator()) / 4294967296.0};
            shell::frmMain::CoBrand_Randomize();
            cobrandInFront += frontBrandLabel(input) == kCobrand ? 1 : 0;
        }
        // Half of them, give or take four standard deviations.
        QVERIFY2(cobrandInFront > 910 && cobrandInFront < 1090,
                 qPrintable(QString::number(cobrandInFront)));
    }

    void exitPaths_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << u"button"_s;
        QTest::newRow("Alt+X") << u"Alt+X"_s;
        QTest::newRow("File > Exit") << u"menu"_s;
        QTest::newRow("close box") << u"close box"_s;
    }

    void exitPaths() {
        QFETCH(QString, how);
        QWidget* input = openInputWindow();
        QVERIFY(QTest::qWaitForWindowActive(input));
        QTest::keyClicks(box(input, u"txtFirstName"_s), u"ANNA"_s);

        if (how == u"button")
            testsupport::click(input, u"cmdExit"_s);
        else if (how == u"Alt+X")
            QTest::keyClick(input, Qt::Key_X, Qt::AltModifier); // presses the button shortly after
        else if (how == u"menu")
            trigger(input, u"mnuExit"_s);
        else
            input->close();

        QTRY_COMPARE(shell::state(kInput), WindowState::NotLoaded);
        testsupport::settle();
        QCOMPARE(shell::state(kExit), WindowState::Shown);
        QCOMPARE(visibleWindows(), QStringList{kExit});
        QCOMPARE(shell::loadedWindows(), QStringList{kExit});
        QCOMPARE(m_fakes.process.ends, 0);
        QCOMPARE(m_fakes.dialogs.texts(), QStringList());
    }
};

QTEST_MAIN(TestInputWindow)
#include "test_input_window.moc"
