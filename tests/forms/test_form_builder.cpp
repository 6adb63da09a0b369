// SPDX-License-Identifier: MIT
#include <map>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDataStream>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "forms/control_access.h"
#include "forms/form_builder.h"
#include "forms/picture_lists.h"
#include "forms/style.h"
#include "forms/units.h"
#include "language/language.h"
#include "site_config.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;
using namespace forms;
using testsupport::child;

namespace {

QString str(std::string_view text) {
    return toQString(text);
}

const WindowDefinition& definition(const QString& name) {
    for (const WindowDefinition* window : allWindows()) {
        if (str(window->name) == name)
            return *window;
    }
    qFatal("no definition %s", qPrintable(name));
}

QString rowName(const WindowDefinition& window, const ControlDefinition& control) {
    return str(window.name) + u'.' + str(control.name) +
           (control.index >= 0 ? u"(%1)"_s.arg(control.index) : QString());
}

QColor expectedColor(const ColorSpec& design, SystemColor fallback) {
    if (design.kind == ColorSpec::Kind::Rgb)
        return QColor(QRgb(0xFF000000 | design.rgb));
    const QPalette theme = QGuiApplication::palette();
    switch (design.kind == ColorSpec::Kind::System ? design.system : fallback) {
    case SystemColor::ButtonFace:
        return theme.color(QPalette::Button);
    case SystemColor::ButtonText:
        return theme.color(QPalette::ButtonText);
    case SystemColor::Window:
        return theme.color(QPalette::Base);
    case SystemColor::WindowText:
        return theme.color(QPalette::Text);
    }
    return {};
}

bool drawnOnParent(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Shape ||
           kind == ControlKind::Line;
}

QImage designImage(const ControlDefinition& control) {
    if (control.picture.front() == ':')
        return QImage(str(control.picture));
    const auto list = control.picture == "signs" ? sunSignPictures() : colorPictures();
    return QImage(str(list[static_cast<std::size_t>(control.pictureIndex - 1)].resource));
}

/// The widget class that stands for a kind of control.
bool isBuiltAs(const ControlDefinition& c, QWidget* widget) {
    switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::PictureBox:
    case ControlKind::Image:
        return widget->inherits("QLabel");
    case ControlKind::TextBox:
        return widget->inherits(c.multiLine ? "QPlainTextEdit" : "QLineEdit");
    case ControlKind::DropDownList:
        return widget->inherits("QComboBox");
    case ControlKind::Button:
    case ControlKind::CheckBox:
        return widget->inherits("QPushButton");
    case ControlKind::Frame:
        return widget->inherits("QGroupBox");
    case ControlKind::ImageList:
        return dynamic_cast<PictureList*>(widget) != nullptr;
    case ControlKind::Shape:
    case ControlKind::Line:
        return widget->metaObject() == &QWidget::staticMetaObject;
    }
    return false;
}

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::unique_ptr<QWidget> showBuilt(const WindowDefinition& design) {
    std::unique_ptr<QWidget> window = buildWindow(design);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

/// Focusable controls met walking the focus chain once round from `first`.
QStringList focusWalk(QWidget* window, QWidget* first) {
    QStringList names;
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) &&
            widget->isEnabled() && widget->window() == window)
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget != first && names.size() < 100);
    return names;
}

// Designs with faults the builder must survive, and a label whose access key has a target.
constexpr FontSpec kNoSuchFace{.face = "No Such Face 9000", .pointSize = 10, .bold = true};
// clang-format off
constexpr ControlDefinition kOddControls[] = {
    {.name = "picOutOfRange", .kind = ControlKind::PictureBox, .geometry = {15, 30, 600, 600},
     .autoSize = true, .picture = "signs", .pictureIndex = 13},
    {.name = "picZero", .kind = ControlKind::Image, .geometry = {15, 30, 600, 600},
     .picture = "colors", .stretch = true},
    {.name = "picMissing", .kind = ControlKind::PictureBox, .geometry = {15, 30, 600, 600},
     .autoSize = true, .picture = ":/pictures/no_such_picture.png"},
    {.name = "lblOddFont", .kind = ControlKind::Label, .geometry = {15, 30, 600, 300},
     .caption = "Odd", .font = kNoSuchFace, .autoSize = true},
    {.name = "txtOrphan", .kind = ControlKind::TextBox, .parent = "NoSuchFrame",
     .geometry = {15, 30, 600, 300}, .tabIndex = 0},
    {.name = "lblNoTarget", .kind = ControlKind::Label, .geometry = {15, 30, 600, 300},
     .caption = "&Go && see", .tabIndex = 5},
};
constexpr ControlDefinition kKeyedLabel[] = {
    {.name = "txtFirst", .kind = ControlKind::TextBox, .geometry = {15, 30, 600, 300},
     .tabIndex = 0},
    {.name = "lblName", .kind = ControlKind::Label, .geometry = {15, 400, 600, 300},
     .caption = "&Name && more", .tabIndex = 1},
    {.name = "txtName", .kind = ControlKind::TextBox, .geometry = {15, 800, 600, 300},
     .tabIndex = 2},
};
// clang-format on

WindowDefinition design(std::span<const ControlDefinition> controls) {
    return {.name = "frmTest",
            .caption = "Test",
            .clientWidth = 1500,
            .clientHeight = 1500,
            .controls = controls};
}

} // namespace

class TestFormBuilder : public QObject {
    Q_OBJECT

    std::map<QString, std::unique_ptr<QWidget>> m_built;
    // The same windows in each language the program speaks besides English (see captionsFit).
    std::map<QString, std::map<QString, std::unique_ptr<QWidget>>> m_translated;
    // Each caption's stretch, as the run at scale 1 chose it (see captionsFit).
    QFile m_fitRecord{qEnvironmentVariable("DWELLSTAR_FIT_RECORD")};
    QMap<QString, int> m_fitAtOne;

    QWidget* builtIn(const QString& language, const QString& window) {
        if (language.isEmpty())
            return m_built.at(window).get();
        auto& windows = m_translated[language];
        if (windows.empty()) {
            language::use(language);
            for (const WindowDefinition* definition : allWindows())
                windows[str(definition->name)] = buildWindow(*definition);
            language::use(language::kEnglish);
        }
        return windows.at(window).get();
    }

    static void checkLook(const WindowDefinition& w, const ControlDefinition& c, QWidget* widget) {
        const bool edit = c.kind == ControlKind::TextBox || c.kind == ControlKind::DropDownList;
        const QColor fore =
            expectedColor(c.foreColor, edit ? SystemColor::WindowText : SystemColor::ButtonText);
        const QColor back =
            expectedColor(c.backColor, edit ? SystemColor::Window : SystemColor::ButtonFace);
        const QPalette palette = widget->palette();
        const bool opaque = c.kind == ControlKind::Frame || c.kind == ControlKind::PictureBox ||
                            (c.kind == ControlKind::Label && !c.transparent);
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Frame || opaque)
            QCOMPARE(widget->autoFillBackground(), opaque);
        if (opaque)
            QCOMPARE(palette.color(QPalette::Window), back);
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Frame)
            QCOMPARE(palette.color(QPalette::WindowText), fore);
        if (edit) {
            QCOMPARE(palette.color(QPalette::Text), fore);
            QCOMPARE(palette.color(QPalette::Base), back);
        }
        // Buttons, and pick-only lists, which are drawn as buttons.
        if (c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox ||
            c.kind == ControlKind::DropDownList) {
            QCOMPARE(palette.color(QPalette::ButtonText), fore);
            QCOMPARE(palette.color(QPalette::Button), back);
        }
        if (c.style == ButtonStyle::Graphical) {
            // A plain face in the button's own colour, not the theme's gradient.
            const QImage face = widget->grab().toImage();
            QCOMPARE(face.pixelColor(4, 4), back);
            QCOMPARE(face.pixelColor(4, face.height() - 5), back);
        }
        if (c.kind == ControlKind::Shape || c.kind == ControlKind::Line) {
            const QImage image = widget->grab().toImage();
            const QPoint middle = c.kind == ControlKind::Shape
                                      ? QPoint(0, image.height() / 2)
                                      : QPoint(pixels(c.geometry.left + c.geometry.width) / 2,
                                               pixels(c.geometry.top + c.geometry.height) / 2) -
                                            widget->pos();
            QCOMPARE(image.pixelColor(middle), fore);
        }
        if (drawnOnParent(c.kind) && c.kind != ControlKind::Label)
            return;
        const FontSpec design = c.font   ? *c.font
                                : w.font ? *w.font
                                         : FontSpec{.face = "MS Sans Serif", .pointSize = 8.25};
        const QFont font = widget->font();
        // Asked for by the installed face's own name: a missing one costs a fallback search.
        const QString face = design.face == "Verdana" ? u"DejaVu Sans"_s : u"Liberation Sans"_s;
        QCOMPARE(font.family(), face);
        QCOMPARE(QFontInfo(font).family(), face);
        QCOMPARE(font.pointSizeF(), design.pointSize);
        // What the user types may need other faces, whatever the frame around the box; a control
        // in the window's own font draws in the text boxes'.
        QCOMPARE(bool(font.styleStrategy() & QFont::NoFontMerging),
                 c.kind != ControlKind::TextBox && c.font.has_value());
        QCOMPARE(font.bold(), design.bold);
        QCOMPARE(font.italic(), design.italic);
        QCOMPARE(font.underline(), design.underline);
    }

    static void checkGeometry(const ControlDefinition& c, QWidget* widget) {
        const Geometry& g = c.geometry;
        const QRect design(pixels(g.left), pixels(g.top), pixels(g.width), pixels(g.height));
        auto* label = qobject_cast<QLabel*>(widget);
        if (c.kind == ControlKind::Line) {
            QVERIFY(widget->geometry().contains(design.topLeft()));
            QVERIFY(widget->geometry().contains(QPoint(pixels(g.width), pixels(g.height))));
        } else if (!c.autoSize) {
            QCOMPARE(widget->geometry(), design);
        } else if (!label->pixmap().isNull()) {
            QCOMPARE(widget->geometry(),
                     QRect(design.topLeft(), label->pixmap().deviceIndependentSize().toSize()));
        } else {
            // Left and top kept, the whole caption on one line.
            const QFontMetrics metrics(widget->font());
            QCOMPARE(widget->pos(), design.topLeft());
            QVERIFY(widget->width() >= metrics.horizontalAdvance(label->text()));
            QVERIFY(widget->height() >= metrics.height());
            QVERIFY(widget->height() < 2 * metrics.lineSpacing());
        }
    }

    static void checkKind(const ControlDefinition& c, QWidget* widget) {
        const QString caption =
            str(c.caption).replace(u"%1"_s, QStringLiteral(DWELLSTAR_MAIN_HOST));
        if (c.kind != ControlKind::ImageList && c.kind != ControlKind::PictureBox &&
            c.kind != ControlKind::Image)
            QCOMPARE(controlText(widget), caption);
        switch (c.kind) {
        case ControlKind::Label:
            // No label of the designs has an access key; "&&" shows one ampersand.
            QCOMPARE(qobject_cast<QLabel*>(widget)->text(), caption.split(u"&&"_s).join(u'&'));
            QCOMPARE(qobject_cast<QLabel*>(widget)->wordWrap(), !c.autoSize);
            QCOMPARE(qobject_cast<QLabel*>(widget)->alignment() & Qt::AlignHorizontal_Mask,
                     c.alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft);
            break;
        case ControlKind::TextBox:
            if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
                QCOMPARE(box->isReadOnly(), c.readOnly);
                QCOMPARE(box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn,
                         c.verticalScrollBar);
                QTest::keyClicks(box, u"typed"_s);
                QCOMPARE(controlText(box) == caption, c.readOnly);
                setControlText(box, caption);
            } else {
                QCOMPARE(qobject_cast<QLineEdit*>(widget)->isReadOnly(), c.readOnly);
            }
            break;
        case ControlKind::DropDownList: {
            auto* list = qobject_cast<QComboBox*>(widget);
            QVERIFY(!list->isEditable());
            // Its pop-up, made when it first drops down, lists in the list's own face.
            QCOMPARE(list->view()->font(), list->font());
            break;
        }
        case ControlKind::Button:
        case ControlKind::CheckBox: {
            auto* button = qobject_cast<QPushButton*>(widget);
            QCOMPARE(button->isCheckable(), c.kind == ControlKind::CheckBox);
            if (button->isCheckable()) {
                // Stays down while selected.
                const QImage up = button->grab().toImage();
                QTest::mouseClick(button, Qt::LeftButton);
                QVERIFY(button->isChecked());
                QVERIFY(button->grab().toImage() != up);
                button->setChecked(false);
            }
            break;
        }
        case ControlKind::PictureBox:
        case ControlKind::Image: {
            auto* picture = qobject_cast<QLabel*>(widget);
            QCOMPARE(picture->hasScaledContents(), c.stretch);
            QCOMPARE(argb(picture->pixmap().toImage()), argb(designImage(c)));
            break;
        }
        case ControlKind::ImageList:
            QCOMPARE(dynamic_cast<PictureList*>(widget)->count(), c.picture == "signs" ? 12 : 15);
            break;
        case ControlKind::Frame:
        case ControlKind::Shape:
        case ControlKind::Line:
            break;
        }
    }

private Q_SLOTS:
    void initTestCase() {
        // The program's own style draws the graphical buttons.
        QApplication::setStyle(forms::createStyle());
        for (const WindowDefinition* window : allWindows()) {
            m_built[str(window->name)] = buildWindow(*window);
            m_built[str(window->name)]->ensurePolished();
        }
        if (m_fitRecord.fileName().isEmpty())
            return;
        if (qApp->devicePixelRatio() == 1) {
            QVERIFY(m_fitRecord.open(QIODevice::WriteOnly | QIODevice::Truncate));
        } else {
            QVERIFY2(m_fitRecord.open(QIODevice::ReadOnly), "no record of the run at scale 1");
            QDataStream stream(&m_fitRecord);
            stream >> m_fitAtOne;
        }
    }

    void cleanupTestCase() {
        if (!m_fitRecord.isWritable())
            return;
        QDataStream stream(&m_fitRecord);
        stream << m_fitAtOne;
    }

    void controls_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("position");
        for (const WindowDefinition* window : allWindows()) {
            for (std::size_t i = 0; i < window->controls.size(); ++i)
                QTest::newRow(qPrintable(rowName(*window, window->controls[i])))
                    << str(window->name) << static_cast<int>(i);
        }
    }

    void controls() {
        QFETCH(QString, window);
        QFETCH(int, position);
        const WindowDefinition& w = definition(window);
        const ControlDefinition& c = w.controls[static_cast<std::size_t>(position)];
        QWidget* built = m_built.at(window).get();
        QWidget* widget = child(built, str(c.name), c.index);
        QVERIFY(widget);
        QVERIFY2(isBuiltAs(c, widget), widget->metaObject()->className());
        QCOMPARE(widget->property("index").isValid(), c.index >= 0);
        QCOMPARE(widget->parentWidget(),
                 c.parent.empty() ? clientArea(built) : child(built, str(c.parent)));
        QCOMPARE(widget->isHidden(), !c.visible || c.kind == ControlKind::ImageList);
        const bool takesFocus = c.kind == ControlKind::TextBox ||
                                c.kind == ControlKind::DropDownList ||
                                c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox;
        QCOMPARE(widget->focusPolicy(), takesFocus && c.tabStop ? Qt::StrongFocus : Qt::NoFocus);
        checkKind(c, widget);
        if (QTest::currentTestFailed() || c.kind == ControlKind::ImageList)
            return;
        checkGeometry(c, widget);
        if (QTest::currentTestFailed())
            return;
        checkLook(w, c, widget);
        if (QTest::currentTestFailed())
            return;
        if (c.pointer == Pointer::Default) {
            QVERIFY(widget->cursor().shape() != Qt::BitmapCursor);
        } else {
            const QImage hand(c.pointer == Pointer::HandTwoColor
                                  ? u":/pictures/hand_2color.png"_s
                                  : u":/pictures/hand_16color.png"_s);
            QCOMPARE(widget->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(argb(widget->cursor().pixmap().toImage()), argb(hand));
        }
        if (!c.accessibleName.empty())
            QCOMPARE(widget->accessibleName(), str(c.accessibleName));
        if (!c.accessibleDescription.empty())
            QCOMPARE(widget->accessibleDescription(), str(c.accessibleDescription));
    }

    void windows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("frmMain") << u"frmMain"_s << QSize(497, 297) << false;
        QTest::newRow("frmDisplay") << u"frmDisplay"_s << QSize(751, 555) << false;
        QTest::newRow("frmAbout") << u"frmAbout"_s << QSize(455, 258) << true;
        QTest::newRow("frmNagScreen2") << u"frmNagScreen2"_s << QSize(741, 315) << false;
    }

    void windows() {
        QFETCH(QString, window);
        QFETCH(QSize, client);
        QFETCH(bool, dialog);
        const WindowDefinition& w = definition(window);
        QWidget* built = m_built.at(window).get();
        QCOMPARE(built->objectName(), window);
        QVERIFY(built->isHidden());
        QCOMPARE(built->windowTitle(), u"KV Dwellstar v1.0"_s);
        QVERIFY(!built->windowIcon().isNull());
        QCOMPARE(built->windowType(), dialog ? Qt::Dialog : Qt::Window);
        QVERIFY(!(built->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(built->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(built->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(built->minimumSize(), built->maximumSize());
        QCOMPARE(clientArea(built)->size(), client);
        QCOMPARE(clientArea(built)->palette().color(QPalette::Window),
                 expectedColor(w.backColor, SystemColor::ButtonFace));
        QCOMPARE(built->findChild<QMenuBar*>() != nullptr, !w.menu.empty());

        // Shown, the client area keeps its size below the menu bar, near the screen's centre
        // (the frame is not known before the first show).
        auto shown = showBuilt(w);
        QVERIFY(shown);
        QCOMPARE(clientArea(shown.get())->size(), client);
        QCOMPARE(shown->size(), shown->minimumSize());
        const auto* bar = shown->findChild<QMenuBar*>();
        QCOMPARE(clientArea(shown.get())->mapTo(shown.get(), QPoint()),
                 QPoint(0, bar ? bar->height() : 0));
        const QPoint offCentre =
            shown->geometry().center() - shown->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4,
                 qPrintable(u"%1, %2"_s.arg(offCentre.x()).arg(offCentre.y())));
    }

    void stacking_data() {
        QTest::addColumn<QString>("window");
        for (const WindowDefinition* window : allWindows())
            QTest::newRow(window->name.data()) << str(window->name);
    }

    void stacking() {
        QFETCH(QString, window);
        const WindowDefinition& w = definition(window);
        for (auto lower = w.controls.begin(); lower != w.controls.end(); ++lower) {
            for (auto upper = lower + 1; upper != w.controls.end(); ++upper) {
                if (upper->parent != lower->parent)
                    continue;
                // Later lies above earlier, except that surface-drawn kinds stay beneath.
                const bool upperOnTop = !drawnOnParent(upper->kind) || drawnOnParent(lower->kind);
                QWidget* a = child(m_built.at(window).get(), str(lower->name), lower->index);
                QWidget* b = child(m_built.at(window).get(), str(upper->name), upper->index);
                const QObjectList& siblings = a->parent()->children();
                QVERIFY2((siblings.indexOf(b) > siblings.indexOf(a)) == upperOnTop,
                         qPrintable(rowName(w, *upper) + u" vs "_s + rowName(w, *lower)));
            }
        }
    }

    void clipping_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("unseen");
        QTest::newRow("frmMain cmdExit") << u"frmMain"_s << u"cmdExit"_s << true;
        QTest::newRow("frmNagScreen2 txtMessage") << u"frmNagScreen2"_s << u"txtMessage"_s << true;
        QTest::newRow("frmDisplay Label61") << u"frmDisplay"_s << u"Label61"_s << false;
        QTest::newRow("frmMain lblCobrand, under lblFullBrand")
            << u"frmMain"_s << u"lblCobrand"_s << true;
        QTest::newRow("frmDisplay lblCobrand, under lblFullBrand")
            << u"frmDisplay"_s << u"lblCobrand"_s << true;
    }

    void clipping() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(bool, unseen);
        auto shown = showBuilt(definition(window));
        QVERIFY(shown);
        QWidget* widget = child(shown.get(), control);
        QVERIFY(widget->isVisible());
        const QRect inParent = widget->parentWidget()->rect().translated(-widget->pos());
        if (!unseen)
            QVERIFY(!inParent.contains(widget->rect()));
        QCOMPARE(widget->visibleRegion().boundingRect(),
                 unseen ? QRect() : widget->rect().intersected(inParent));
    }

    void focusChain_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("chain");
        QTest::newRow("frmMain") << u"frmMain"_s
                                 << u"txtFirstName txtMiddleName txtLastName cboMonth cboDate "
                                    u"cboYear cmdNext cmdExit"_s;
        QTest::newRow("frmDisplay")
            << u"frmDisplay"_s
            << u"cmdBack txtSunSignPositiveTraits txtSunSignNegativeTraits "
               u"txtSunSignDesignStyleDesc txtSunSignRulingPlanetsDesc txtSunSignColorDesc"_s;
        QTest::newRow("frmAbout") << u"frmAbout"_s << u"cmdOK"_s;
        QTest::newRow("frmNagScreen2") << u"frmNagScreen2"_s
                                       << u"cmdClose Check1 txtName cmdSubmit txtEmail "
                                          u"txtFriendEmail txtFriendName txtMessage"_s;
    }

    void focusChain() {
        QFETCH(QString, window);
        QFETCH(QString, chain);
        const QStringList order = chain.split(u' ');
        const auto built = buildWindow(definition(window));
        QCOMPARE(built->focusWidget(), child(built.get(), order.first()));
        QCOMPARE(focusWalk(built.get(), built->focusWidget()), order);

        auto shown = showBuilt(definition(window));
        QVERIFY(shown);
        QTRY_COMPARE(QApplication::focusWidget(), child(shown.get(), order.first()));
        // Tab goes round the chain and back to its start.
        for (qsizetype step = 1; step <= order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.at(step % order.size()));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.last());
    }

    void accessKeys_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("target");
        QTest::newRow("frmMain Alt+X") << u"frmMain"_s << Qt::Key_X << u"cmdExit"_s;
        QTest::newRow("frmMain Alt+D") << u"frmMain"_s << Qt::Key_D << u"mnuDonate"_s;
        QTest::newRow("frmMain Alt+F") << u"frmMain"_s << Qt::Key_F << u"nuFile"_s;
        QTest::newRow("frmMain Alt+H") << u"frmMain"_s << Qt::Key_H << u"mnuHelp"_s;
        QTest::newRow("frmDisplay Alt+B") << u"frmDisplay"_s << Qt::Key_B << u"cmdBack"_s;
        QTest::newRow("frmDisplay Alt+D") << u"frmDisplay"_s << Qt::Key_D << u"mnuDonate"_s;
        QTest::newRow("frmDisplay Alt+F") << u"frmDisplay"_s << Qt::Key_F << u"mnuFile"_s;
        QTest::newRow("frmNagScreen2 Alt+X") << u"frmNagScreen2"_s << Qt::Key_X << u"cmdClose"_s;
        QTest::newRow("frmNagScreen2 Alt+N") << u"frmNagScreen2"_s << Qt::Key_N << u"cmdSubmit"_s;
    }

    void accessKeys() {
        QFETCH(QString, window);
        QFETCH(Qt::Key, key);
        QFETCH(QString, target);
        auto shown = showBuilt(definition(window));
        QVERIFY(shown);
        if (auto* menu = shown->findChild<QMenu*>(target)) {
            QTest::keyClick(shown.get(), key, Qt::AltModifier);
            QTRY_VERIFY(menu->isVisible());
            menu->close();
            return;
        }
        auto* action = shown->findChild<QAction*>(target);
        auto spy = action ? std::make_unique<QSignalSpy>(action, &QAction::triggered)
                          : std::make_unique<QSignalSpy>(
                                qobject_cast<QAbstractButton*>(child(shown.get(), target)),
                                &QAbstractButton::clicked);
        QVERIFY(spy->isValid());
        QTest::keyClick(shown.get(), key, Qt::AltModifier);
        QTRY_COMPARE(spy->count(), 1);
    }

    void captionsFit_data() {
        QTest::addColumn<QString>("language"); // empty: the program's own English
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("position");
        for (QString language : language::available()) {
            if (language == language::kEnglish)
                language.clear();
            for (const WindowDefinition* window : allWindows()) {
                for (std::size_t i = 0; i < window->controls.size(); ++i) {
                    const ControlDefinition& c = window->controls[i];
                    const bool captioned =
                        c.kind == ControlKind::Label || c.kind == ControlKind::Button ||
                        c.kind == ControlKind::CheckBox || c.kind == ControlKind::Frame;
                    if (captioned && c.visible && !c.caption.empty())
                        QTest::newRow(qPrintable(language.isEmpty()
                                                     ? rowName(*window, c)
                                                     : language + u' ' + rowName(*window, c)))
                            << language << str(window->name) << static_cast<int>(i);
                }
            }
        }
    }

    // The stand-in faces are wider than the design's: no caption that the design fits may be
    // cut off at its control's or its parent's edge.
    void captionsFit() {
        QFETCH(QString, language);
        QFETCH(QString, window);
        QFETCH(int, position);
        const ControlDefinition& c =
            definition(window).controls[static_cast<std::size_t>(position)];
        QWidget* widget = child(builtIn(language, window), str(c.name), c.index);
        QRect design(pixels(c.geometry.left), pixels(c.geometry.top), pixels(c.geometry.width),
                     pixels(c.geometry.height));
        if (!widget->parentWidget()->rect().intersects(design))
            QSKIP("lies outside its parent by design");
        // An auto-size label grows downwards with its face's line height.
        if (c.autoSize)
            design.setBottom(widget->parentWidget()->height());
        const QString clipped = testsupport::captionClipping(widget, design);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));

        // On a screen scaled by QT_SCALE_FACTOR the caption keeps the stretch chosen at 1.
        const QString row = QString::fromLatin1(QTest::currentDataTag());
        if (m_fitRecord.isWritable())
            m_fitAtOne[row] = widget->font().stretch();
        else if (m_fitRecord.isReadable())
            QCOMPARE(widget->font().stretch(), m_fitAtOne.value(row, -1));
    }

    void pixelsRound_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("expected");
        const std::pair<int, int> rows[] = {{0, 0},  {7, 0},    {8, 1},   {22, 1},    {23, 2},
                                            {85, 6}, {-60, -4}, {-8, -1}, {1440, 96}, {7455, 497}};
        for (const auto& [twips, expected] : rows)
            QTest::addRow("%d twips", twips) << twips << expected;
    }

    void pixelsRound() {
        QFETCH(int, twips);
        QFETCH(int, expected);
        QCOMPARE(pixels(twips), expected);
    }

    void pixelRectangle() {
        // 85, 720, 3375, 285 twips in the design.
        QCOMPARE(child(m_built.at(u"frmNagScreen2"_s).get(), u"txtFriendName"_s)->geometry(),
                 QRect(6, 48, 225, 19));
    }

    void returnPressesFocusedButton_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("pressed"); // empty: no button
        const std::pair<QString, QString> buttons[] = {{u"frmMain"_s, u"cmdNext"_s},
                                                       {u"frmDisplay"_s, u"cmdBack"_s},
                                                       {u"frmNagScreen2"_s, u"cmdSubmit"_s},
                                                       {u"frmNagScreen2"_s, u"cmdClose"_s},
                                                       {u"frmAbout"_s, u"cmdOK"_s}};
        for (const auto& [window, button] : buttons)
            QTest::addRow("%s on %s", qPrintable(window), qPrintable(button))
                << window << button << button;
        const std::pair<QString, QString> others[] = {{u"frmMain"_s, u"txtFirstName"_s},
                                                      {u"frmMain"_s, u"cboMonth"_s},
                                                      {u"frmNagScreen2"_s, u"txtName"_s},
                                                      {u"frmNagScreen2"_s, u"Check1"_s}};
        for (const auto& [window, control] : others)
            QTest::addRow("%s on %s", qPrintable(window), qPrintable(control))
                << window << control << QString();
    }

    void returnPressesFocusedButton() {
        QFETCH(QString, window);
        QFETCH(QString, focus);
        QFETCH(QString, pressed);
        auto shown = showBuilt(definition(window));
        QVERIFY(shown);
        QStringList clicked;
        for (auto* button : shown->findChildren<QAbstractButton*>())
            connect(button, &QAbstractButton::clicked, this,
                    [&clicked, button] { clicked << button->objectName(); });
        QWidget* target = child(shown.get(), focus);
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(target, key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(clicked, pressed.isEmpty() ? QStringList() : QStringList{pressed});
            clicked.clear();
        }
        if (auto* check = qobject_cast<QAbstractButton*>(target); check && check->isCheckable())
            QVERIFY(!check->isChecked());
    }

    void menus_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("frmMain") << u"frmMain"_s;
        QTest::newRow("frmDisplay") << u"frmDisplay"_s;
    }

    void menus() {
        QFETCH(QString, window);
        const WindowDefinition& w = definition(window);
        QWidget* built = m_built.at(window).get();
        const QList<QAction*> top = built->findChild<QMenuBar*>()->actions();
        QCOMPARE(top.size(), static_cast<qsizetype>(w.menu.size()));
        for (std::size_t i = 0; i < w.menu.size(); ++i) {
            const MenuItemDefinition& item = w.menu[i];
            QAction* action = top.at(static_cast<qsizetype>(i));
            QCOMPARE(action->objectName(), str(item.name));
            QCOMPARE(action->text(), str(item.caption));
            QCOMPARE(action->isEnabled(), item.enabled);
            QVERIFY(action->isVisible());
            QCOMPARE(action->menu(), built->findChild<QMenu*>(str(item.name)));
            const QList<QAction*> entries =
                action->menu() ? action->menu()->actions() : QList<QAction*>();
            QCOMPARE(entries.size(), static_cast<qsizetype>(item.children.size()));
            for (std::size_t j = 0; j < item.children.size(); ++j) {
                const MenuItemDefinition& sub = item.children[j];
                QAction* entry = entries.at(static_cast<qsizetype>(j));
                QCOMPARE(entry->objectName(), str(sub.name));
                QCOMPARE(entry->isSeparator(), sub.caption == "-");
                QCOMPARE(entry->isSeparator() ? u"-"_s : entry->text(), str(sub.caption));
                QCOMPARE(entry->isEnabled(), sub.enabled);
                QVERIFY(!entry->isCheckable() && entry->shortcut().isEmpty());
            }
        }
        QVERIFY(!built->findChild<QAction*>(u"mnumakemoney"_s)->isEnabled());
    }

    void text_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString longName(40000, u'A');
        QTest::newRow("multi-line CR LF") << u"frmNagScreen2"_s << u"txtMessage"_s
                                          << u"Hi\r\nthere\r\n\r\n"_s << u"Hi\nthere\n\n"_s;
        QTest::newRow("read-only box")
            << u"frmDisplay"_s << u"txtSunSignColorDesc"_s << u"One.\r\nTwo."_s << u"One.\nTwo."_s;
        QTest::newRow("no length limit")
            << u"frmMain"_s << u"txtFirstName"_s << longName << longName;
        QTest::newRow("label") << u"frmDisplay"_s << u"lblRulingPlanet"_s << u"Sun && Moon"_s
                               << u"Sun & Moon"_s;
        QTest::newRow("button") << u"frmDisplay"_s << u"cmdBack"_s << u"&Back"_s << u"&Back"_s;
        QTest::newRow("frame") << u"frmDisplay"_s << u"Frame4"_s << u"Result"_s << u"Result"_s;
    }

    void text() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        auto built = buildWindow(definition(window));
        QWidget* widget = child(built.get(), control);
        setControlText(widget, text);
        QCOMPARE(controlText(widget), text);
        QString onScreen;
        if (auto* label = qobject_cast<QLabel*>(widget))
            onScreen = label->text();
        else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
            onScreen = box->toPlainText();
        else if (auto* line = qobject_cast<QLineEdit*>(widget))
            onScreen = line->text();
        else
            onScreen = controlText(widget);
        QCOMPARE(onScreen, shown);
    }

    void pickOnlyText() {
        auto built = buildWindow(frmMain());
        auto* month = qobject_cast<QComboBox*>(child(built.get(), u"cboMonth"_s));
        month->addItems({u"January"_s, u"February"_s, u"March"_s});
        setControlText(month, u"February"_s);
        QCOMPARE(month->currentIndex(), 1);
        setControlText(month, u"Febr"_s);
        QCOMPARE(controlText(month), u"February"_s);
    }

    void resizing_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("size");
        const QString leo = u":/pictures/signs/Leo.jpg"_s;
        QTest::newRow("sign name") << u"frmDisplay"_s << u"lblSunSign"_s << QString() << QSize();
        QTest::newRow("value") << u"frmDisplay"_s << u"lblSunSignDay"_s << QString() << QSize();
        QTest::newRow("about title") << u"frmAbout"_s << u"Label2"_s << QString() << QSize();
        QTest::newRow("name caption") << u"frmMain"_s << u"Label1"_s << QString() << QSize();
        QTest::newRow("sign box follows its picture")
            << u"frmDisplay"_s << u"picSunSign"_s << u":/pictures/colors/red.jpg"_s
            << QSize(25, 25);
        QTest::newRow("swatch stretches")
            << u"frmDisplay"_s << u"picColor"_s << leo << QSize(49, 47);
        QTest::newRow("fixed box") << u"frmNagScreen2"_s << u"Picture1"_s << leo << QSize(36, 36);
    }

    void resizing() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        auto built = buildWindow(definition(window));
        auto* label = qobject_cast<QLabel*>(child(built.get(), control));
        const QRect before = label->geometry();
        if (!picture.isEmpty()) {
            const QPixmap pixmap(picture);
            setControlPicture(label, pixmap);
            QCOMPARE(label->pixmap().toImage(), pixmap.toImage());
            QCOMPARE(label->geometry(), QRect(before.topLeft(), size));
            if (label->hasScaledContents())
                QCOMPARE(label->grab().toImage().pixelColor(1, 1),
                         pixmap.toImage().pixelColor(0, 0));
            return;
        }
        const QString longer = u"Sagittarius, Capricorn and Aquarius"_s;
        setControlText(label, longer);
        QCOMPARE(label->pos(), before.topLeft());
        QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(longer));
        QCOMPARE(label->height(), before.height());
        setControlText(label, u"Sun"_s);
        QCOMPARE(label->pos(), before.topLeft());
        QVERIFY(label->width() < before.width());
    }

    void descriptionScrolls() {
        auto shown = showBuilt(frmDisplay());
        QVERIFY(shown);
        auto* box = qobject_cast<QPlainTextEdit*>(child(shown.get(), u"txtSunSignColorDesc"_s));
        QStringList lines;
        for (int i = 1; i <= 30; ++i)
            lines << u"Line %1"_s.arg(i);
        setControlText(box, lines.join(u"\r\n"_s));
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTRY_VERIFY(box->verticalScrollBar()->value() > 0);
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTRY_COMPARE(box->verticalScrollBar()->value(), 0);
        QCOMPARE(controlText(box), lines.join(u"\r\n"_s));
    }

    void oddDesigns_data() {
        QTest::addColumn<int>("position");
        for (std::size_t i = 0; i < std::size(kOddControls); ++i)
            QTest::newRow(kOddControls[i].name.data()) << static_cast<int>(i);
    }

    void oddDesigns() {
        QFETCH(int, position);
        const ControlDefinition& control = kOddControls[position];
        auto shown = showBuilt(design(std::span(&control, 1)));
        QVERIFY(shown);
        QWidget* widget = child(shown.get(), str(control.name));
        QCOMPARE(widget->parentWidget(), clientArea(shown.get()));
        QCOMPARE(widget->pos(), QPoint(1, 2));
        QVERIFY(!shown->grab().isNull());
        auto* label = qobject_cast<QLabel*>(widget);
        if (label && !control.picture.empty())
            QVERIFY(label->pixmap().isNull());
        if (control.font) {
            QCOMPARE(widget->font().family(), str(control.font->face));
            QCOMPARE(widget->font().pointSizeF(), control.font->pointSize);
            QVERIFY(QFontInfo(widget->font()).bold());
        }
        // An access key with nowhere to go is not shown.
        if (control.name == "lblNoTarget")
            QCOMPARE(label->text(), u"Go & see"_s);
    }

    void labelAccessKey() {
        auto shown = showBuilt(design(kKeyedLabel));
        QVERIFY(shown);
        auto* label = qobject_cast<QLabel*>(child(shown.get(), u"lblName"_s));
        QCOMPARE(label->buddy(), child(shown.get(), u"txtName"_s));
        QCOMPARE(controlText(label), u"&Name && more"_s);
        QTRY_COMPARE(QApplication::focusWidget(), child(shown.get(), u"txtFirst"_s));
        QTest::keyClick(shown.get(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), child(shown.get(), u"txtName"_s));
    }

    void findControlByIndex() {
        QWidget* exitWindow = m_built.at(u"frmNagScreen2"_s).get();
        for (int index : {0, 1, 2})
            QCOMPARE(findControl(exitWindow, u"cmdExit"_s, index)->property("index").toInt(),
                     index);
        QVERIFY(!findControl(exitWindow, u"cmdExit"_s, 3));
        QVERIFY(!findControl(exitWindow, u"cmdClose"_s, 0));
        QCOMPARE(findControl(exitWindow, u"cmdClose"_s)->objectName(), u"cmdClose"_s);
        QVERIFY(!findControl(m_built.at(u"frmMain"_s).get(), u"nuFile"_s));
    }
};

QTEST_MAIN(TestFormBuilder)
#include "test_form_builder.moc"
