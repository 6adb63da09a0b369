// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "forms/form_builder.h"
#include "shell_steps.h"
#include "support/pdf.h"

using namespace Qt::StringLiterals;
using namespace shelltest;

namespace {

// The reading for the default entries: ANNA MARIA SMITH, 1 January 1990.
const QString kCopiedStart = u"ANNA MARIA SMITH\nBorn 1 January 1990\n\nSun Sign: Capricorn\n"_s;
const QString kCopiedEnd = u"\n\nKV Dwellstar v1.0\n"_s;
const QStringList kCommands = {u"Copy Reading\tCtrl+C"_s, u"Save Reading As\u2026\tCtrl+S"_s,
                               u"Print Reading\u2026\tCtrl+P"_s, u"-"_s,
                               u"Remember This Person\tCtrl+D"_s};

/// A reading on screen, holding the keyboard.
QWidget* shownReading() {
    QWidget* result = readingFor({});
    if (result && !QTest::qWaitForWindowActive(result))
        QTest::qFail("the result window does not become active", __FILE__, __LINE__);
    return result;
}

QString clipboard() {
    return QGuiApplication::clipboard()->text();
}

void expectWholeReading(const QString& copied) {
    QVERIFY2(copied.startsWith(kCopiedStart), qPrintable(copied.left(80)));
    QVERIFY2(copied.endsWith(kCopiedEnd), qPrintable(copied.right(80)));
}

/// A menu's entries as the user reads them: caption and key, "-" for a separator.
QStringList entries(const QMenu* menu) {
    QStringList shown;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            shown << u"-"_s;
        else
            shown << action->text() + u'\t' + action->shortcut().toString(QKeySequence::NativeText);
    }
    return shown;
}

/// Asks for a menu on the middle of the widget, by the mouse's right button (through the
/// window, as the mouse does) or by the menu key (delivered to the focus as the toolkit does);
/// the menu that opens, if any.
QMenu* openMenu(QWidget* target, bool byKey) {
    const QPoint at = target->rect().center();
    if (byKey) {
        target->setFocus(Qt::TabFocusReason);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &request);
    } else {
        QTest::mouseClick(target->window()->windowHandle(), Qt::RightButton, {},
                          target->mapTo(target->window(), at));
    }
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void choose(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions()) {
        if (action->text() == caption) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
    }
    QTest::qFail(qPrintable(u"no entry "_s + caption), __FILE__, __LINE__);
}

/// Everything of a window's design that a user can see or reach: its controls with their kind,
/// the menu bar with every item's caption, key and state, and the keyboard's path.
QStringList designOf(QWidget* window) {
    QStringList design;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->isWindow())
            design << w->objectName() + u' ' + QString::fromLatin1(w->metaObject()->className());
    }
    design.sort();
    const std::function<void(const QList<QAction*>&, const QString&)> menus =
        [&](const QList<QAction*>& items, const QString& path) {
            for (const QAction* item : items) {
                // The program's own, set off by separators of its own.
                if (item->objectName() == u"actRememberPerson" ||
                    (item->isSeparator() && item->objectName().isEmpty()))
                    continue;
                design << path + item->text() + u'\t' + item->shortcut().toString() +
                              (item->isEnabled() ? u""_s : u" (unavailable)"_s);
                if (item->menu())
                    menus(item->menu()->actions(), path + item->text() + u" > "_s);
            }
        };
    menus(window->findChild<QMenuBar*>()->actions(), {});
    QWidget* stop = window;
    do {
        stop = stop->nextInFocusChain();
        if (stop->focusPolicy() & Qt::TabFocus)
            design << u"tab: "_s + stop->objectName();
    } while (stop != window);
    return design;
}

} // namespace

class TestKeepReading : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

private Q_SLOTS:
    void initTestCase() { testsupport::prepareProgram(); }
    void init() {
        testsupport::resetProgram(m_fakes);
        QGuiApplication::clipboard()->clear();
    }

    void copyKeys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("selected"); // the box whose text is selected first, if any

        const QString design = u"txtSunSignDesignStyleDesc"_s;
        QTest::newRow("on Back") << u"cmdBack"_s << QString();
        QTest::newRow("in a box, nothing selected") << u"txtSunSignNegativeTraits"_s << QString();
        QTest::newRow("in a box with a selection") << design << design;
        QTest::newRow("on Back, a selection left in a box") << u"cmdBack"_s << design;
    }

    void copyKeys() {
        QFETCH(QString, focus);
        QFETCH(QString, selected);

        QWidget* result = shownReading();
        QVERIFY(result);
        for (const QString& name : {selected, focus}) {
            if (name.isEmpty())
                continue;
            QWidget* target = testsupport::child(result, name);
            target->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(QApplication::focusWidget(), target);
            if (name == selected)
                QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        }
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);

        if (selected == focus)
            QCOMPARE(clipboard(), qobject_cast<QPlainTextEdit*>(target)->toPlainText());
        else
            expectWholeReading(clipboard());
        QCOMPARE(m_fakes.dialogs.texts(), QStringList());
    }

    void saveKeys_data() {
        QTest::addColumn<QString>("typed");   // empty: the dialog is cancelled
        QTest::addColumn<QString>("written"); // empty: nothing is written
        QTest::addColumn<QByteArray>("head"); // how the file begins; "old": kept as it was

        const QByteArray pdf("%PDF-");
        const QByteArray png("\x89PNG");
        const QByteArray old("old");
        QTest::newRow("pdf") << u"r.pdf"_s << u"r.pdf"_s << pdf;
        QTest::newRow("png") << u"r.png"_s << u"r.png"_s << png;
        QTest::newRow("txt") << u"r.txt"_s << u"r.txt"_s << QByteArray();
        QTest::newRow("in capitals") << u"R.PNG"_s << u"R.PNG"_s << png;
        QTest::newRow("no extension") << u"r"_s << u"r.pdf"_s << pdf;
        QTest::newRow("another extension") << u"r.doc"_s << u"r.doc.pdf"_s << pdf;
        // The dialog asked about "r.doc"; "r.doc.pdf" is asked about, and No keeps it.
        QTest::newRow("replaces a file unasked") << u"r.doc"_s << u"r.doc.pdf"_s << old;
        QTest::newRow("cancelled") << QString() << QString() << QByteArray();
        QTest::newRow("cannot be written") << u"/proc/x.pdf"_s << QString() << QByteArray();
    }

    void saveKeys() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QByteArray, head);

        QWidget* result = shownReading();
        QVERIFY(result);
        QTemporaryDir folder;
        if (!typed.isEmpty())
            m_fakes.files.answers = {QDir(folder.path()).filePath(typed)};
        const bool existing = head == "old";
        if (existing) {
            QFile file(folder.filePath(written));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(head) == head.size());
        }
        QTest::keyClick(result, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(m_fakes.files.asked.size(), std::size_t{1});
        const platform::FileRequest& asked = m_fakes.files.asked.front();
        QCOMPARE(asked.caption, u"Save Reading"_s);
        QCOMPARE(asked.folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(asked.proposedName, u"Capricorn reading - ANNA SMITH.pdf"_s);
        QCOMPARE(asked.filters, (QStringList{u"PDF document (*.pdf)"_s, u"PNG picture (*.png)"_s,
                                             u"Plain text (*.txt)"_s}));
        QCOMPARE(asked.defaultSuffix, u"pdf"_s);
        // Only an error box tells of a failure; the window stays as it was.
        const bool failed = typed.startsWith(u'/');
        QCOMPARE(m_fakes.dialogs.shown.size(), std::size_t{failed || existing ? 1U : 0U});
        if (failed)
            QVERIFY(m_fakes.dialogs.shown.front().text.contains(u'"' + typed + u'"'));
        if (existing)
            QVERIFY(m_fakes.dialogs.shown.front().question);
        QCOMPARE(visibleWindows(), QStringList{kResult});
        QCOMPARE(textOf(result, u"lblSunSign"_s), u"Capricorn"_s);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 written.isEmpty() ? QStringList() : QStringList{written});
        if (written.isEmpty())
            return;
        QFile file(folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(head));
        if (written.endsWith(u".txt"))
            expectWholeReading(QString::fromUtf8(bytes));
    }

    void printKeys_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("printed") << true;
        QTest::newRow("cancelled") << false;
    }

    void printKeys() {
        QFETCH(bool, accept);

        QWidget* result = shownReading();
        QVERIFY(result);
        m_fakes.printing.accept = accept;
        QTest::keyClick(result, Qt::Key_P, Qt::ControlModifier);

        QCOMPARE(m_fakes.printing.dialogs, 1);
        QCOMPARE(m_fakes.printing.printed.size(), accept ? 1 : 0);
        if (accept)
            QVERIFY(
                testsupport::pdfText(m_fakes.printing.printed.front()).contains(u"Capricorn"_s));
    }

    void contextMenu_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<bool>("descriptionBox");
        QTest::addColumn<bool>("byKey");

        QTest::newRow("sign") << u"lblSunSign"_s << false << false;
        QTest::newRow("emblem") << u"picSunSign"_s << false << false;
        QTest::newRow("Back") << u"cmdBack"_s << false << false;
        QTest::newRow("frame") << u"Frame1"_s << false << false;
        QTest::newRow("banner link") << u"Label61"_s << false << false;
        QTest::newRow("Back, menu key") << u"cmdBack"_s << false << true;
        QTest::newRow("positive traits") << u"txtSunSignPositiveTraits"_s << true << false;
        QTest::newRow("colour text") << u"txtSunSignColorDesc"_s << true << false;
        QTest::newRow("colour text, menu key") << u"txtSunSignColorDesc"_s << true << true;
    }

    // Each menu offers the three commands with their keys; its Copy Reading copies.
    void contextMenu() {
        QFETCH(QString, place);
        QFETCH(bool, descriptionBox);
        QFETCH(bool, byKey);

        QWidget* result = shownReading();
        QVERIFY(result);
        QWidget* target = testsupport::child(result, place);
        QStringList expected = kCommands;
        if (descriptionBox) {
            auto* box = qobject_cast<QPlainTextEdit*>(target);
            const std::unique_ptr<QMenu> own(box->createStandardContextMenu());
            expected = entries(own.get()) + QStringList{u"-"_s} + kCommands;
            if (!byKey)
                target = box->viewport();
        }
        QMenu* menu = openMenu(target, byKey);
        QVERIFY2(menu, "no menu opened");
        QCOMPARE(entries(menu), expected);

        choose(menu, u"Copy Reading"_s);
        expectWholeReading(clipboard());
    }

    // A name in its own alphabet, typed and pasted, reaches the copy in capitals.
    void nameInItsOwnAlphabet() {
        QWidget* input = openInputWindow();
        enter(input, {.first = {}, .middle = {}, .last = {}});
        for (const QChar letter : u"\u0438\u0432\u0430\u043d"_s)
            QTest::sendKeyEvent(QTest::Click, box(input, u"txtFirstName"_s), Qt::Key_unknown,
                                letter, {});
        QGuiApplication::clipboard()->setText(u"\u041f\u0435\u0442\u0440\u043e\u0432"_s);
        QTest::keyClick(box(input, u"txtLastName"_s), Qt::Key_V, Qt::ControlModifier);
        testsupport::click(input, u"cmdNext"_s);
        testsupport::settle();
        QWidget* result = shell::loadedWindow(kResult);
        QVERIFY(result && QTest::qWaitForWindowActive(result));
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(clipboard().startsWith(
                     u"\u0418\u0412\u0410\u041d \u041f\u0415\u0422\u0420\u041e\u0412\n"
                     "Born 1 January 1990\n"_s),
                 qPrintable(clipboard().left(40)));
    }

    // The commands add no control or stop on the keyboard's path, and Remember goes on the File
    // menu after the designed items, set off from them, with Exit still last.
    void designUnchanged() {
        QWidget* result = shownReading();
        QVERIFY(result);
        const std::unique_ptr<QWidget> designed = forms::buildWindow(forms::frmDisplay());
        QCOMPARE(designOf(result), designOf(designed.get()));
        QCOMPARE(entries(result->findChild<QMenu*>(u"mnuFile"_s)),
                 (QStringList{u"Back\t"_s, u"-"_s, u"Remember This Person\tCtrl+D"_s, u"-"_s,
                              u"E&xit\t"_s}));
    }
};

QTEST_MAIN(TestKeepReading)
#include "test_keep_reading.moc"
