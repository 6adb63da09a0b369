// SPDX-License-Identifier: MIT
#include <cmath>
#include <random>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPointer>
#include <QTest>
#include <QUrlQuery>

#include "forms/control_access.h"
#include "outreach/frm_nag_screen2.h"
#include "outreach/mod_tell_a_friend.h"
#include "shell/mod_help.h"
#include "shell/window_manager.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;

namespace {

const QString kExit = u"frmNagScreen2"_s;
const QString kProgramSite = modTellAFriend::ProgramSite();
const QStringList kBoxes = {u"txtName"_s, u"txtEmail"_s, u"txtMessage"_s, u"txtFriendName"_s,
                            u"txtFriendEmail"_s};

QStringList queryValues(const QUrl& url) {
    QStringList values;
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
        values << key + u'=' + value;
    return values;
}

QStringList expectedQuery(const QStringList& five) {
    QStringList values;
    for (int i = 0; i < 5; ++i)
        values << u"taf%1="_s.arg(i + 1) + five[i];
    return values << u"taf6="_s + kProgramSite;
}

/// Printable text a user can type, with what is awkward in a web address.
QString typeableText(std::mt19937& engine, int length, bool spaces) {
    static const QString specials = u"&=#+;%?/'\"<>\u00E9\u20AC\u0416\u4E2D"_s;
    QString text;
    while (text.size() < length) {
        switch (engine() % 5) {
        case 0:
            text += specials[static_cast<qsizetype>(engine() % specials.size())];
            break;
        case 1: {
            const char32_t code = 0x1F300 + engine() % 0x200;
            text += QString::fromUcs4(&code, 1);
            break;
        }
        case 2:
            text += spaces ? u' ' : u'_';
            break;
        default:
            text += QChar(static_cast<char16_t>(u'a' + engine() % 26));
        }
    }
    return text;
}

} // namespace

class TestExitWindow : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;
    QPointer<QWidget> m_window;

    QWidget* box(const QString& name) { return testsupport::child(m_window, name); }
    QString text(const QString& name) { return forms::controlText(box(name)); }
    QStringList texts() {
        QStringList all;
        for (const QString& name : kBoxes)
            all << text(name);
        return all;
    }

    void openExitWindow(double random = 0.0) {
        m_fakes.random.values = {random};
        shell::show(kExit);
        testsupport::settle();
        m_window = shell::loadedWindow(kExit);
        QVERIFY(m_window);
        m_window->activateWindow();
        QTRY_VERIFY(m_window->isActiveWindow());
    }

    /// Gives a box the focus as a user would: by a click, or by Tab for the box out of view.
    void focusBox(const QString& name) {
        if (name == u"txtMessage"_s) {
            focusBox(u"txtFriendName"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } else {
            QTest::mouseClick(box(name), Qt::LeftButton);
        }
        QTRY_COMPARE(QApplication::focusWidget(), box(name));
    }

    void leaveBox(const QString& name) {
        QTest::keyClick(box(name), Qt::Key_Tab);
        QTRY_VERIFY(QApplication::focusWidget() != box(name));
    }

    /// Replaces what a box holds by pasting, which the space filter lets through.
    void enter(const QString& name, const QString& value) {
        focusBox(name);
        QTest::keyClick(box(name), Qt::Key_A, Qt::ControlModifier);
        if (value.isEmpty()) {
            QTest::keyClick(box(name), Qt::Key_Delete);
        } else {
            QGuiApplication::clipboard()->setText(value);
            QTest::keyClick(box(name), Qt::Key_V, Qt::ControlModifier);
        }
        leaveBox(name);
    }

    /// Types character by character, as from a keyboard; line breaks by Enter.
    void typeInto(const QString& name, const QString& value) {
        focusBox(name);
        QTest::keyClick(box(name), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box(name), Qt::Key_Delete);
        for (qsizetype i = 0; i < value.size(); ++i) {
            const qsizetype length = value[i].isHighSurrogate() ? 2 : 1;
            const QString character = value.mid(i, length);
            i += length - 1;
            if (character == u"\n"_s) {
                QTest::keyClick(box(name), Qt::Key_Return);
            } else {
                QTest::sendKeyEvent(QTest::Press, box(name), Qt::Key_unknown, character, {});
                QTest::sendKeyEvent(QTest::Release, box(name), Qt::Key_unknown, character, {});
            }
        }
        leaveBox(name);
    }

private Q_SLOTS:
    void init() {
        testsupport::resetProgram(m_fakes);
        m_fakes.dialogs.onShow = nullptr;
        m_fakes.random.values.clear();
        m_fakes.random.seeded.clear();
        modTellAFriend::ReferralDetails = {};
        QVERIFY(shell::loadedWindows().isEmpty());
    }

    void appealOnLoad_data() {
        QTest::addColumn<double>("random");
        QTest::addColumn<int>("appeal");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("just below a quarter") << 0.2499 << 0;
        QTest::newRow("a quarter") << 0.25 << 1;
        QTest::newRow("a half") << 0.5 << 2;
        QTest::newRow("three quarters") << 0.75 << 3;
        QTest::newRow("0.99999") << 0.99999 << 3;
        QTest::newRow("largest float below 1") << 0.99999994 << 3;
        QTest::newRow("largest double below 1") << std::nextafter(1.0, 0.0) << 3;
    }
    void appealOnLoad() {
        QFETCH(double, random);
        QFETCH(int, appeal);
        QCOMPARE(outreach::frmNagScreen2::appealIndex(random), appeal);
        openExitWindow(random);
        QCOMPARE(m_fakes.random.seeded.size(), 1u); // seeded from the clock, then drawn
        QCOMPARE(text(u"Label2"_s),
                 outreach::frmNagScreen2::appealTexts()[static_cast<std::size_t>(appeal)]);
        const QString clipped = testsupport::clippedCaptions(m_window);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
    }

    void appealsNameTheCommunitySite() {
        const auto& appeals = outreach::frmNagScreen2::appealTexts();
        const QString host = modHelp::pageAddress(modHelp::Page::Home).host();
        for (const QString& appeal : appeals)
            QVERIFY2(appeal.contains(host), qPrintable(appeal));
        QCOMPARE(QSet<QString>(appeals.begin(), appeals.end()).size(), 4);
    }

    void staysOnTopWithoutActivation() {
        shell::show(kExit);
        testsupport::settle();
        QWidget* exitWindow = shell::loadedWindow(kExit);
        QVERIFY(exitWindow && exitWindow->isVisible());
        QVERIFY(exitWindow->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(exitWindow->testAttribute(Qt::WA_ShowWithoutActivating));
    }

    void placeholders_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("before"); // null: as designed
        QTest::addColumn<QString>("typed");  // null: nothing typed
        QTest::addColumn<QString>("onFocus");
        QTest::addColumn<QString>("afterLeaving");
        const QString none;
        QTest::newRow("name") << u"txtName"_s << none << none << QString() << u"Your Name"_s;
        QTest::newRow("email") << u"txtEmail"_s << none << none << QString()
                               << u"Your Email Address"_s;
        QTest::newRow("friend's name")
            << u"txtFriendName"_s << none << none << QString() << u"Friend's Name"_s;
        QTest::newRow("friend's email")
            << u"txtFriendEmail"_s << none << none << QString() << u"Friend's Email Address"_s;
        QTest::newRow("padded placeholder")
            << u"txtName"_s << u"  Your Name "_s << none << QString() << u"Your Name"_s;
        QTest::newRow("other case kept")
            << u"txtName"_s << u"your name"_s << none << u"your name"_s << u"your name"_s;
        QTest::newRow("tab kept") << u"txtFriendName"_s << u"\t"_s << none << u"\t"_s << u"\t"_s;
        QTest::newRow("spaces only")
            << u"txtName"_s << none << u"   "_s << QString() << u"Your Name"_s;
        QTest::newRow("typed text kept")
            << u"txtFriendName"_s << none << u" Bo "_s << QString() << u" Bo "_s;
        QTest::newRow("message untouched")
            << u"txtMessage"_s << none << none << u"Your Message\r\n"_s << u"Your Message\r\n"_s;
        QTest::newRow("message emptied")
            << u"txtMessage"_s << none << u""_s << u"Your Message\r\n"_s << u"Your Message"_s;
        QTest::newRow("message of spaces")
            << u"txtMessage"_s << none << u"  "_s << u"Your Message\r\n"_s << u"Your Message"_s;
        QTest::newRow("bare message placeholder")
            << u"txtMessage"_s << u"Your Message"_s << none << QString() << u"Your Message"_s;
    }
    void placeholders() {
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, onFocus);
        QFETCH(QString, afterLeaving);
        openExitWindow();
        if (!before.isNull())
            forms::setControlText(box(name), before);
        focusBox(name);
        QCOMPARE(text(name), onFocus);
        if (!typed.isNull()) {
            QTest::keyClick(box(name), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box(name), Qt::Key_Delete);
            QTest::keyClicks(box(name), typed);
        }
        leaveBox(name);
        QCOMPARE(text(name), afterLeaving);
        QVERIFY(m_fakes.dialogs.shown.empty());
    }

    // The window opens inactive: a box clicked then gains the focus only as the window becomes
    // active. Leaving the window and coming back is no move between controls.
    void focusAcrossActivation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("afterReturn");
        QTest::newRow("name, clicked while inactive") << u"txtName"_s << QString() << QString();
        QTest::newRow("email, clicked while inactive")
            << u"txtFriendEmail"_s << QString() << QString();
        QTest::newRow("emptied box stays empty") << u"txtName"_s << u""_s << QString();
        QTest::newRow("typed placeholder stays")
            << u"txtName"_s << u"Your Name"_s << u"Your Name"_s;
    }
    void focusAcrossActivation() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, afterReturn);
        QWidget other;
        other.show();
        openExitWindow();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());

        QTest::mouseClick(box(name), Qt::LeftButton);
        m_window->activateWindow();
        QTRY_VERIFY(m_window->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), box(name));
        if (!typed.isNull()) {
            QCOMPARE(text(name), QString());
            QTest::keyClicks(box(name), typed);
            other.activateWindow();
            QTRY_VERIFY(other.isActiveWindow());
            QCOMPARE(text(name), typed);
            m_window->activateWindow();
            QTRY_VERIFY(m_window->isActiveWindow());
        }
        QCOMPARE(text(name), afterReturn);
        leaveBox(name);
        QVERIFY(!text(name).isEmpty());
    }

    void spaceFilter_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("held");
        QTest::addColumn<int>("refusals");
        QTest::newRow("email") << u"txtEmail"_s << u"a b@c.d"_s << u"ab@c.d"_s << 1;
        QTest::newRow("friend's email") << u"txtFriendEmail"_s << u"  x "_s << u"x"_s << 3;
        QTest::newRow("name") << u"txtName"_s << u"Ann Lee"_s << u"Ann Lee"_s << 0;
        QTest::newRow("friend's name") << u"txtFriendName"_s << u"Bo Li "_s << u"Bo Li "_s << 0;
        QTest::newRow("message") << u"txtMessage"_s << u"Hi you"_s << u"Hi you"_s << 0;
    }
    void spaceFilter() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, held);
        QFETCH(int, refusals);
        openExitWindow();
        focusBox(name);
        QTest::keyClick(box(name), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box(name), Qt::Key_Delete);
        QList<QWidget*> focusWhileShown;
        m_fakes.dialogs.onShow = [&](const testsupport::ShownMessage&) {
            focusWhileShown << QApplication::focusWidget();
        };
        QTest::keyClicks(box(name), typed);

        QCOMPARE(text(name), held);
        QCOMPARE(QApplication::focusWidget(), box(name));
        QCOMPARE(m_fakes.dialogs.shown.size(), static_cast<std::size_t>(refusals));
        for (const testsupport::ShownMessage& shown : m_fakes.dialogs.shown) {
            QCOMPARE(shown.text, u"Email Address Cannot Contain Space"_s);
            QCOMPARE(shown.icon, platform::MessageIcon::Error);
            QCOMPARE(shown.caption, u"KV Dwellstar"_s);
        }
        QCOMPARE(focusWhileShown, QList<QWidget*>(refusals, box(name)));
    }

    void pastedSpacesPass() {
        openExitWindow();
        enter(u"txtEmail"_s, u" a b@c.d "_s);
        QCOMPARE(text(u"txtEmail"_s), u" a b@c.d "_s);
        QVERIFY(m_fakes.dialogs.shown.empty());
    }

    void links_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key"); // 0: mouse click
        QTest::addColumn<QUrl>("opens");
        QTest::newRow("Check1 clicked")
            << u"Check1"_s << 0 << modHelp::pageAddress(modHelp::Page::Home);
        QTest::newRow("Check1 by space")
            << u"Check1"_s << int(Qt::Key_Space) << modHelp::pageAddress(modHelp::Page::Home);
        QTest::newRow("lblGoToHome")
            << u"lblGoToHome"_s << 0 << modHelp::pageAddress(modHelp::Page::Softwares);
    }
    void links() {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QUrl, opens);
        openExitWindow();
        for (int press = 1; press <= 2; ++press) {
            if (key)
                QTest::keyClick(box(control), Qt::Key(key));
            else
                testsupport::click(m_window, control);
            QCOMPARE(m_fakes.urls.opened, std::vector<QUrl>(press, opens));
            if (auto* check = qobject_cast<QCheckBox*>(box(control)))
                QVERIFY(!check->isChecked());
        }
        QVERIFY(m_fakes.dialogs.shown.empty());
        QCOMPARE(shell::state(kExit), shell::WindowState::Shown);
    }

    void endsTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << u"cmdClose"_s;
        QTest::newRow("Alt+X") << u"Alt+X"_s;
        QTest::newRow("close box") << u"close"_s;
    }
    void endsTheProgram() {
        QFETCH(QString, how);
        shell::show(u"frmMain"_s);
        shell::load(u"frmDisplay"_s);
        openExitWindow();
        QList<QPointer<QWidget>> windows;
        for (const QString& name : shell::loadedWindows())
            windows << shell::loadedWindow(name);
        QCOMPARE(windows.size(), 3);

        if (how == u"cmdClose"_s)
            testsupport::click(m_window, how);
        else if (how == u"Alt+X"_s)
            QTest::keyClick(m_window, Qt::Key_X, Qt::AltModifier);
        else
            QVERIFY(m_window->close());

        QTRY_VERIFY(m_fakes.process.ends >= 1);
        QCOMPARE(shell::loadedWindows(), QStringList());
        shell::collectUnloaded();
        for (const QPointer<QWidget>& window : windows)
            QVERIFY(window.isNull());
    }

    void submit_data() {
        QTest::addColumn<QStringList>("entries"); // per box in kBoxes order; null: untouched
        QTest::addColumn<QString>("refusal");     // empty: the address is opened
        QTest::addColumn<QStringList>("sent");    // the five values on success
        const QString none;
        const QString okName = u"Ann"_s, okFriend = u"Bo"_s;
        const QString mine = u"ann@example.org"_s, theirs = u"bo@example.org"_s;
        const QString untouched = u"Your Message\r\n"_s;
        const QString proper = u"Please Enter Proper Email Address"_s;
        const QString distinct = u"Please Enter Distinct Email Addresses"_s;
        QTest::newRow("all as designed")
            << QStringList{none, none, none, none, none} << proper << QStringList();
        QTest::newRow("same address")
            << QStringList{okName, mine, none, okFriend, mine} << distinct << QStringList();
        QTest::newRow("same address once trimmed")
            << QStringList{okName, u"  "_s + mine, none, okFriend, mine + u" "_s} << distinct
            << QStringList();
        QTest::newRow("same address, placeholders first")
            << QStringList{none, mine, none, none, mine} << distinct << QStringList();
        QTest::newRow("no @ in mine")
            << QStringList{okName, u"ann.example.org"_s, none, okFriend, theirs} << proper
            << QStringList();
        QTest::newRow("no @ in theirs")
            << QStringList{okName, mine, none, okFriend, u"bo.example.org"_s} << proper
            << QStringList();
        QTest::newRow("no dot in mine")
            << QStringList{okName, u"ann@example"_s, none, okFriend, theirs} << proper
            << QStringList();
        QTest::newRow("no dot in theirs")
            << QStringList{okName, mine, none, okFriend, u"bo@example"_s} << proper
            << QStringList();
        QTest::newRow("name as designed") << QStringList{none, mine, none, none, theirs}
                                          << u"Please Enter Your Name"_s << QStringList();
        QTest::newRow("name of spaces") << QStringList{u"   "_s, mine, none, okFriend, theirs}
                                        << u"Please Enter Your Name"_s << QStringList();
        QTest::newRow("message emptied") << QStringList{okName, mine, u""_s, okFriend, theirs}
                                         << u"Please Enter Your Message"_s << QStringList();
        QTest::newRow("friend's name as designed")
            << QStringList{okName, mine, none, none, theirs} << u"Please Enter Your Friend's Name"_s
            << QStringList();
        QTest::newRow("untouched message travels")
            << QStringList{okName, mine, none, okFriend, theirs} << QString()
            << QStringList{okName, mine, untouched, okFriend, theirs};
        QTest::newRow("trimmed, cases differ")
            << QStringList{u"  your name  "_s, u" Ann@Example.org"_s, u" Hi\tthere  "_s, u"\tBo "_s,
                           mine + u"  "_s}
            << QString()
            << QStringList{u"your name"_s, u"Ann@Example.org"_s, u"Hi\tthere"_s, u"\tBo"_s, mine};
        QTest::newRow("dot and @ in any order")
            << QStringList{okName, u".a@b"_s, u"a\nb"_s, okFriend, u"x.@"_s} << QString()
            << QStringList{okName, u".a@b"_s, u"a\r\nb"_s, okFriend, u"x.@"_s};
    }
    void submit() {
        QFETCH(QStringList, entries);
        QFETCH(QString, refusal);
        QFETCH(QStringList, sent);
        openExitWindow();
        for (int i = 0; i < kBoxes.size(); ++i) {
            if (!entries[i].isNull())
                enter(kBoxes[i], entries[i]);
        }
        // From a box to the button by Tab, so that the click moves no focus out of a box.
        focusBox(u"txtName"_s);
        QTest::keyClick(box(u"txtName"_s), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box(u"cmdSubmit"_s));
        const QStringList before = texts();
        QStringList trimmed;
        for (const QString& value : before)
            trimmed << modTellAFriend::trimSpaces(value);

        for (int press = 1; press <= 2; ++press) {
            testsupport::click(m_window, u"cmdSubmit"_s);
            QWidget* focus = QApplication::focusWidget();
            QCOMPARE(texts(), before);
            const modTellAFriend::Referral& details = modTellAFriend::ReferralDetails;
            QCOMPARE((QStringList{details.SenderName, details.SenderEmail, details.MessageText,
                                  details.FriendName, details.FriendEmail}),
                     trimmed);
            if (refusal.isEmpty()) {
                QVERIFY(m_fakes.dialogs.shown.empty());
                QCOMPARE(m_fakes.urls.opened.size(), static_cast<std::size_t>(press));
                const QUrl& opened = m_fakes.urls.opened.back();
                QCOMPARE(queryValues(opened), expectedQuery(sent));
                QCOMPARE(opened.toString(QUrl::FullyEncoded), details.RequestAddress);
            } else {
                QCOMPARE(m_fakes.dialogs.texts(), QStringList(press, refusal));
                QCOMPARE(m_fakes.dialogs.shown.back().icon, platform::MessageIcon::Error);
                QVERIFY(m_fakes.urls.opened.empty());
            }
            QCOMPARE(QApplication::focusWidget(), focus);
        }
        QCOMPARE(shell::state(kExit), shell::WindowState::Shown);
    }

    void submitByAccessKey() {
        openExitWindow();
        enter(u"txtEmail"_s, u"a@b.c"_s);
        focusBox(u"txtFriendEmail"_s);
        QTest::keyClicks(box(u"txtFriendEmail"_s), u"a@b.c"_s);
        QWidget* focusWhileShown = nullptr;
        m_fakes.dialogs.onShow = [&](const testsupport::ShownMessage&) {
            focusWhileShown = QApplication::focusWidget();
        };
        QTest::keyClick(m_window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(m_fakes.dialogs.texts(),
                     QStringList{u"Please Enter Distinct Email Addresses"_s});
        QCOMPARE(QApplication::focusWidget(), focusWhileShown);
        QCOMPARE(text(u"txtFriendEmail"_s), u"a@b.c"_s);
    }

    void submitReferralRules_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("refusal");
        const QStringList good = {u"Ann"_s, u"a@b.c"_s, u"Hi"_s, u"Bo"_s, u"b@b.c"_s};
        const QStringList placeholders = {u"Your Name"_s, u"Your Email Address"_s,
                                          u"Your Message"_s, u"Friend's Name"_s,
                                          u"Friend's Email Address"_s};
        const QStringList messages = {u"Please Enter Your Name"_s, u"Please Enter Your Email"_s,
                                      u"Please Enter Your Message"_s,
                                      u"Please Enter Your Friend's Name"_s,
                                      u"Please Enter Your Friend's Email"_s};
        for (int field = 0; field < 5; ++field) {
            for (const QString& bad : {QString(), placeholders[field]}) {
                QStringList fields = good;
                fields[field] = bad;
                // A later field refused as well: only the first refusal is shown.
                if (field < 4)
                    fields[4] = QString();
                QTest::addRow("%s is '%s'", qPrintable(placeholders[field]), qPrintable(bad))
                    << fields << messages[field];
            }
        }
        QTest::newRow("all given") << good << QString();
    }
    void submitReferralRules() {
        QFETCH(QStringList, fields);
        QFETCH(QString, refusal);
        modTellAFriend::ReferralDetails = {fields[0], fields[1], fields[2],
                                           fields[3], fields[4], u"earlier"_s};
        modTellAFriend::SubmitReferral();
        if (refusal.isEmpty()) {
            QVERIFY(m_fakes.dialogs.shown.empty());
            QCOMPARE(m_fakes.urls.opened.size(), 1u);
            QCOMPARE(queryValues(m_fakes.urls.opened.front()), expectedQuery(fields));
        } else {
            QCOMPARE(m_fakes.dialogs.texts(), QStringList{refusal});
            QCOMPARE(m_fakes.dialogs.shown.front().icon, platform::MessageIcon::Error);
            QVERIFY(m_fakes.urls.opened.empty());
            QCOMPARE(modTellAFriend::ReferralDetails.RequestAddress, u"earlier"_s);
        }
    }

    void typedFormsArriveIntact() {
        std::mt19937 engine(4711);
        for (int form = 0; form < 4; ++form) {
            init();
            openExitWindow();
            const QString at = u"@"_s, dot = u"."_s;
            QStringList typed = {
                u" "_s + typeableText(engine, 30, true) + u"x "_s,
                typeableText(engine, 8, false) + at + u"me"_s + dot +
                    typeableText(engine, 4, false),
                typeableText(engine, 20, true) + u"\n\n"_s + typeableText(engine, 20, true),
                typeableText(engine, 25, true) + u"y"_s,
                typeableText(engine, 8, false) + at + u"you"_s + dot + u"org"_s,
            };
            for (int i = 0; i < kBoxes.size(); ++i)
                typeInto(kBoxes[i], typed[i]);
            QStringList sent;
            for (const QString& value : typed)
                sent << modTellAFriend::trimSpaces(value).replace(u"\n"_s, u"\r\n"_s);
            QCOMPARE(texts().join(u'|'),
                     QStringList(typed).replaceInStrings(u"\n"_s, u"\r\n"_s).join(u'|'));

            testsupport::click(m_window, u"cmdSubmit"_s);
            QCOMPARE(m_fakes.dialogs.texts(), QStringList());
            QCOMPARE(m_fakes.urls.opened.size(), 1u);
            QCOMPARE(queryValues(m_fakes.urls.opened.front()), expectedQuery(sent));
        }
    }
};

QTEST_MAIN(TestExitWindow)
#include "test_exit_window.moc"
