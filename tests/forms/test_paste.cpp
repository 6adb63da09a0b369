// SPDX-License-Identifier: MIT
#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include "forms/control_access.h"
#include "forms/form_model.h"
#include "forms/units.h"
#include "shell/window_manager.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;

// Whatever the clipboard or a drag holds, every way of pasting into every text box leaves the
// box with what its own rules allow, or nothing, and the program running.

namespace {

enum class Route { Keys, ContextMenu, MiddleClick, Drop };
enum class Contents { Empty, ImageOnly, HtmlOnly, LargeText, OverSelectionInFullBox };

constexpr qsizetype kLarge = qsizetype{10} * 1024 * 1024;

QMimeData* make(Contents contents) {
    auto* data = new QMimeData;
    if (contents == Contents::ImageOnly)
        data->setImageData(QImage(8, 8, QImage::Format_RGB32));
    else if (contents == Contents::HtmlOnly)
        data->setHtml(u"<b>BOLD</b>"_s);
    else if (contents == Contents::LargeText)
        data->setText(QString(kLarge, u'a'));
    else if (contents == Contents::OverSelectionInFullBox)
        data->setText(u"XYZ"_s);
    return data;
}

QWidget* surface(QWidget* box) {
    auto* area = qobject_cast<QAbstractScrollArea*>(box);
    return area ? area->viewport() : box;
}

/// A drag that is dropped only where the box accepts it, as a real one.
void drop(QWidget* box, const QMimeData* data) {
    QWidget* target = surface(box);
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, {});
    if (enter.isAccepted())
        QApplication::sendEvent(target, &move);
    QDropEvent dropped(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, {});
    if (enter.isAccepted() && move.isAccepted())
        QApplication::sendEvent(target, &dropped);
}

/// What a box holds after the large text arrived: the name boxes take it in capitals, up to a
/// line's default length; the refer-a-friend boxes up to what a request carries; the reading's
/// boxes take nothing.
QString largeTextTaken(const QString& box, Route route) {
    const bool pasted =
        route != Route::MiddleClick || QGuiApplication::clipboard()->supportsSelection();
    if (box.startsWith(u"txtSunSign"_s) || !pasted)
        return {};
    if (box == u"txtFirstName" || box == u"txtMiddleName" || box == u"txtLastName")
        return QString(route == Route::Keys ? 2 * 32767 : 32767, u'A'); // the keys paste twice
    return QString(1400, u'a');
}

} // namespace

class TestPaste : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

private Q_SLOTS:
    void initTestCase() { testsupport::prepareProgram(); }
    void init() { testsupport::resetProgram(m_fakes); }

    void everyRoute_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<Route>("route");
        QTest::addColumn<Contents>("contents");
        const std::pair<Route, const char*> routes[] = {{Route::Keys, "keys"},
                                                        {Route::ContextMenu, "context menu"},
                                                        {Route::MiddleClick, "middle click"},
                                                        {Route::Drop, "drop"}};
        const std::pair<Contents, const char*> contents[] = {{Contents::Empty, "empty"},
                                                             {Contents::ImageOnly, "image only"},
                                                             {Contents::HtmlOnly, "html only"},
                                                             {Contents::LargeText, "10 MB text"}};
        for (const forms::WindowDefinition* window : forms::allWindows()) {
            for (const forms::ControlDefinition& control : window->controls) {
                if (control.kind != forms::ControlKind::TextBox)
                    continue;
                for (const auto& [route, routeName] : routes) {
                    for (const auto& [content, contentName] : contents) {
                        QTest::addRow("%s %s %s %s", window->name.data(), control.name.data(),
                                      routeName, contentName)
                            << forms::toQString(window->name) << forms::toQString(control.name)
                            << route << content;
                    }
                }
                // The refer-a-friend boxes hold at most what a request carries.
                if (window == &forms::frmNagScreen2())
                    QTest::addRow("%s context menu over a selection in a full box",
                                  control.name.data())
                        << forms::toQString(window->name) << forms::toQString(control.name)
                        << Route::ContextMenu << Contents::OverSelectionInFullBox;
            }
        }
    }

    void everyRoute() {
        QFETCH(QString, window);
        QFETCH(QString, boxName);
        QFETCH(Route, route);
        QFETCH(Contents, contents);
        shell::show(window);
        testsupport::settle();
        QWidget* box = testsupport::child(shell::loadedWindow(window), boxName);
        box->setFocus();
        const bool full = contents == Contents::OverSelectionInFullBox;
        forms::setControlText(box, full ? QString(1400, u'a') : QString());
        if (auto* lines = qobject_cast<QPlainTextEdit*>(box); lines && full) {
            QTextCursor cursor = lines->textCursor();
            cursor.movePosition(QTextCursor::End);
            cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, 3);
            lines->setTextCursor(cursor);
        } else if (auto* line = qobject_cast<QLineEdit*>(box); line && full) {
            line->setSelection(1397, 3);
        }
        const std::unique_ptr<QMimeData> dragged(make(contents));
        QGuiApplication::clipboard()->setMimeData(make(contents));

        switch (route) {
        case Route::Keys:
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Route::ContextMenu:
            testsupport::pasteFromContextMenu(surface(box));
            break;
        case Route::MiddleClick:
            QTest::mouseClick(surface(box), Qt::MiddleButton, {}, QPoint(5, 5));
            break;
        case Route::Drop:
            drop(box, dragged.get());
            break;
        }
        testsupport::settle();

        const QString expected = contents == Contents::LargeText ? largeTextTaken(boxName, route)
                                 : full                          ? QString(1397, u'a') + u"XYZ"_s
                                                                 : QString();
        QCOMPARE(forms::controlText(box), expected);
    }
};

QTEST_MAIN(TestPaste)
#include "test_paste.moc"
