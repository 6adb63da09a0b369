// SPDX-License-Identifier: MIT
#include <QDir>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include "shell/people_window.h"
#include "shell_steps.h"

using namespace Qt::StringLiterals;
using namespace shelltest;

// The road of the book by keyboard: two readings remembered, the People window opened from the
// input window's menu, filtered, a person's reading opened from it, and that person forgotten.

namespace {

QStringList rows(QWidget* window) {
    const QAbstractItemModel* shown =
        testsupport::childAs<QTableView>(window, u"people"_s)->model();
    QStringList texts;
    for (int row = 0; row < shown->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < shown->columnCount(); ++column)
            cells << shown->index(row, column).data().toString();
        texts << cells.join(u" | "_s);
    }
    return texts;
}

/// Keys to the window that has the keyboard, as a person presses them.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick(popup ? popup : QApplication::focusWidget(), key, modifiers);
    testsupport::settle();
}

} // namespace

class TestPeopleWindow : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

private Q_SLOTS:
    void initTestCase() {
        testsupport::prepareProgram();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    }

    void keyboardRoad() {
        testsupport::resetProgram(m_fakes);
        for (const Entries& entries : {Entries{u"ANNA"_s, {}, u"SMITH"_s, 15, 8, 1990},
                                       Entries{u"BORIS"_s, {}, u"IVANOV"_s, 1, 3, 1985}}) {
            QWidget* result = readingFor(entries);
            QVERIFY(result && QTest::qWaitForWindowActive(result));
            press(Qt::Key_D, Qt::ControlModifier);
            press(Qt::Key_B, Qt::AltModifier);
        }
        QCOMPARE(m_fakes.dialogs.texts(),
                 (QStringList{u"ANNA SMITH is now among your people."_s,
                              u"BORIS IVANOV is now among your people."_s}));
        QWidget* input = shell::loadedWindow(kInput);
        QVERIFY(QTest::qWaitForWindowActive(input));
        press(Qt::Key_F, Qt::AltModifier);
        press(Qt::Key_P);
        QWidget* people = shell::loadedWindow(shell::kPeopleWindow);
        QVERIFY(people && QTest::qWaitForWindowActive(people));
        // Today is 8 December 2026 for the program: the soonest birthday comes first.
        QCOMPARE(rows(people), (QStringList{u"BORIS IVANOV | 1 March 1985 | Pisces | in 83 days"_s,
                                            u"ANNA SMITH | 15 August 1990 | Leo | in 250 days"_s}));

        press(Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), u"leo"_s);
        QCOMPARE(rows(people).size(), 1);
        press(Qt::Key_Return);
        QWidget* result = shell::loadedWindow(kResult);
        QVERIFY(result && QTest::qWaitForWindowActive(result));
        QCOMPARE(textOf(result, u"lblSunSign"_s), u"Leo"_s);
        QCOMPARE(textOf(shell::loadedWindow(kInput), u"txtFirstName"_s), u"ANNA"_s);

        people->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(people));
        press(Qt::Key_Down);
        m_fakes.dialogs.clear();
        m_fakes.dialogs.answers = {platform::Answer::Yes};
        press(Qt::Key_Delete);
        QCOMPARE(m_fakes.dialogs.texts(),
                 QStringList{u"Forget ANNA SMITH, born 15 August 1990?"_s});
        QCOMPARE(rows(people), QStringList());
        testsupport::childAs<QLineEdit>(people, u"filter"_s)->clear();
        QCOMPARE(rows(people).size(), 1);
    }
};

QTEST_MAIN(TestPeopleWindow)
#include "test_people_window.moc"
