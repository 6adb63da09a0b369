// SPDX-License-Identifier: MIT
#include <QTest>
#include <QTimer>

#include "shell/window_manager.h"
#include "shell_steps.h"
#include "support/fakes.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;
using shell::WindowState;
using namespace shelltest;

class TestAboutWindow : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

private Q_SLOTS:
    void initTestCase() { testsupport::prepareProgram(); }
    void init() { testsupport::resetProgram(m_fakes); }

    void opensModalAndCloses_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("how");
        for (const QString& opener : {kInput, kResult}) {
            for (const char* how : {"OK", "Return", "Enter", "Esc", "close box"})
                QTest::addRow("%s, %s", qPrintable(opener), how)
                    << opener << QString::fromLatin1(how);
        }
    }

    void opensModalAndCloses() {
        QFETCH(QString, opener);
        QFETCH(QString, how);
        QWidget* window = openInputWindow();
        if (opener == kResult)
            window = readingFor({.day = 5, .month = 4, .year = 1990});
        QVERIFY(window);

        bool ran = false;
        bool modalAndShown = false;
        bool stayedOpen = false;
        QTimer::singleShot(0, this, [&] {
            ran = true;
            QWidget* about = shell::loadedWindow(kAbout);
            if (!about)
                return;
            modalAndShown = about->isVisible() && about->windowModality() == Qt::ApplicationModal &&
                            QApplication::activeModalWidget() == about &&
                            shell::state(kAbout) == WindowState::Shown;
            QWidget* focus = about->focusWidget() ? about->focusWidget() : about;
            if (how == u"OK")
                testsupport::click(about, u"cmdOK"_s);
            else if (how == u"Return")
                QTest::keyClick(focus, Qt::Key_Return);
            else if (how == u"Enter")
                QTest::keyClick(focus, Qt::Key_Enter);
            else if (how == u"Esc")
                QTest::keyClick(focus, Qt::Key_Escape);
            else
                about->close();
            if (shell::loadedWindow(kAbout)) {
                stayedOpen = true; // never leave the test waiting on the modal loop
                shell::unload(kAbout);
            }
        });
        trigger(window, u"mnuAbout"_s);

        QVERIFY(ran);
        QVERIFY(modalAndShown);
        QVERIFY2(!stayedOpen, "the about window stayed open");
        QCOMPARE(shell::state(kAbout), WindowState::NotLoaded);
        QVERIFY(!shell::loadedWindows().contains(kAbout));
        testsupport::settle();
        QCOMPARE(visibleWindows(), QStringList{opener});
        QCOMPARE(shell::state(opener), WindowState::Shown);
        if (opener == kResult) {
            QCOMPARE(shell::state(kInput), WindowState::Hidden);
            QCOMPARE(shell::state(kExit), WindowState::Hidden);
        }
        QCOMPARE(m_fakes.urls.opened.size(), std::size_t{0});
        QCOMPARE(m_fakes.process.ends, 0);
    }
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
