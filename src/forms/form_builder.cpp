// SPDX-License-Identifier: MIT
#include "forms/form_builder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "forms/fonts.h"
#include "forms/picture_lists.h"
#include "forms/style.h"

namespace forms {

namespace {

const char* const kIndexProperty = "index";
const char* const kAutoSizeProperty = "autoSize";
const char* const kCaptionProperty = "caption";
const char* const kClientName = "client";
const char* const kDesignRectProperty = "designRect";

// Narrower than this, a face reads as another one.
constexpr int kNarrowestStretch = 75;

// The hot spot of the pointing-hand pictures: the tip of the index finger.
constexpr int kHandHotX = 7;
constexpr int kHandHotY = 0;

/// A rectangle outline drawn on its parent's surface.
class ShapeWidget final : public QWidget {
public:
    ShapeWidget(QColor color, int width, QWidget* parent)
        : QWidget(parent), m_color(color), m_width(width) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPen pen(m_color, m_width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const qreal inset = m_width / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }

private:
    QColor m_color;
    int m_width;
};

/// A straight line between two points of its parent, drawn on the parent's surface.
class LineWidget final : public QWidget {
public:
    LineWidget(QPoint from, QPoint to, QColor color, int width, QWidget* parent)
        : QWidget(parent), m_color(color), m_width(width) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        const int pad = (width + 1) / 2;
        const QRect box = QRect(from, to).normalized().adjusted(-pad, -pad, pad, pad);
        setGeometry(box);
        m_from = from - box.topLeft();
        m_to = to - box.topLeft();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(m_from, m_to);
    }

private:
    QColor m_color;
    int m_width;
    QPoint m_from;
    QPoint m_to;
};

/// A multi-line text box that takes only plain text from a paste or a drop, and no more of it
/// than its length allows. Qt 6.4 reads the first format of the data without checking that
/// there is one, so an empty clipboard crashed; and a long run of text without a blank takes
/// the layout seconds per kilobyte.
class MultiLineBox final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    void setMaxLength(int length) { m_maxLength = length; }

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override {
        return source && source->hasText();
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (!canInsertFromMimeData(source))
            return;
        const QTextCursor cursor = textCursor();
        const qsizetype held = document()->characterCount() - 1;
        const qsizetype room = m_maxLength - held + cursor.selectionEnd() - cursor.selectionStart();
        QString text = source->text();
        if (text.size() > room) {
            text.truncate(std::max<qsizetype>(room, 0));
            if (!text.isEmpty() && text.back().isHighSurrogate())
                text.chop(1);
        }
        insertPlainText(text);
    }

private:
    int m_maxLength = std::numeric_limits<int>::max();
};

QColor systemRole(SystemColor role) {
    const QPalette palette = QGuiApplication::palette();
    switch (role) {
    case SystemColor::ButtonFace:
        return palette.color(QPalette::Button);
    case SystemColor::ButtonText:
        return palette.color(QPalette::ButtonText);
    case SystemColor::Window:
        return palette.color(QPalette::Base);
    case SystemColor::WindowText:
        return palette.color(QPalette::Text);
    }
    return {};
}

QColor resolve(const ColorSpec& design, const QColor& fallback) {
    switch (design.kind) {
    case ColorSpec::Kind::Rgb:
        return QColor::fromRgb(static_cast<QRgb>(design.rgb));
    case ColorSpec::Kind::System:
        return systemRole(design.system);
    case ColorSpec::Kind::Default:
        break;
    }
    return fallback;
}

bool isEditKind(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::DropDownList;
}

/// Kinds drawn on the parent's own surface, which always lie beneath windowed controls.
bool isLightweight(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Shape ||
           kind == ControlKind::Line;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::DropDownList ||
           kind == ControlKind::Button || kind == ControlKind::CheckBox;
}

QFont makeFont(const FontSpec& design) {
    QFont font(toQString(design.face));
    font.setPointSizeF(design.pointSize);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    return font;
}

/// "&&" shows one ampersand; a single "&" marks an access key, which only a label with a
/// buddy can use, so elsewhere the marker is dropped.
QString withoutAccessKeys(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

bool hasAccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&'))
                return true;
            ++i;
        }
    }
    return false;
}

/// Where a caption is laid out in a control of the given size and font.
QRect captionExtent(const QWidget* control, const QFont& font, QSize size) {
    const QRect box(QPoint(), size);
    // Metrics only for what has a caption: they load the face.
    if (const auto* label = qobject_cast<const QLabel*>(control);
        label && !label->text().isEmpty()) {
        const QFontMetrics metrics(font);
        // A label that does not wrap is as wide as its caption, which therefore starts at its
        // left edge.
        const int flags = label->wordWrap() ? int(label->alignment()) | Qt::TextWordWrap
                                            : int(Qt::AlignLeft | Qt::AlignTop);
        return metrics.boundingRect(box, flags, label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control);
        button && !button->text().isEmpty()) {
        const QFontMetrics metrics(font);
        const int margin = control->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control);
        return metrics.boundingRect(box.adjusted(margin, 0, -margin, 0),
                                    Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
    }
    return {};
}

enum class CaptionSource { Design, Program };

/// The stand-in faces run wider than the design's, so a caption the design fits could be cut
/// off at the edge of its control or its parent: such a caption is drawn in a condensed
/// stretch of its face. An auto-size label grows with a caption set by the program, up to its
/// parent's edge.
void fitCaption(QWidget* control, CaptionSource source) {
    const QVariant designed = control->property(kDesignRectProperty);
    QWidget* parent = control->parentWidget();
    if (!designed.isValid() || !parent)
        return;
    const QRect design = designed.toRect();
    const bool autoSize = control->property(kAutoSizeProperty).toBool();
    QRect allowed = design;
    if (autoSize) {
        if (source == CaptionSource::Program)
            allowed.setRight(std::max(design.right(), parent->rect().right()));
        allowed.setBottom(std::numeric_limits<int>::max() / 2);
    }
    const QRect room = allowed.intersected(parent->rect()).translated(-design.topLeft());
    const QSize size = autoSize ? allowed.size() : design.size();
    if (room.isEmpty())
        return;
    QFont font = control->font();
    font.setStretch(QFont::AnyStretch);
    const QRect natural = captionExtent(control, font, size);
    // A null extent: no caption, or a kind that has none.
    if (!natural.isNull() && !room.contains(natural)) {
        // Every stretch tried costs a font of its own: start from the one the overflow asks for.
        const double needed = std::min({1.0, double(room.width()) / natural.width(),
                                        double(room.height()) / natural.height()});
        const int first = std::max(kNarrowestStretch, std::min(99, int(needed * 100)));
        for (int stretch = first; stretch >= kNarrowestStretch; --stretch) {
            font.setStretch(stretch);
            if (room.contains(captionExtent(control, font, size)))
                break;
        }
    }
    if (font != control->font())
        control->setFont(font);
}

/// A label keeps its caption as written and shows it as the platform would: the access key
/// underlined when it has somewhere to go, "&&" as one ampersand.
void showCaption(QLabel* label, const QString& caption,
                 CaptionSource source = CaptionSource::Design) {
    label->setProperty(kCaptionProperty, caption);
    label->setText(label->buddy() ? caption : withoutAccessKeys(caption));
    fitCaption(label, source);
    if (label->property(kAutoSizeProperty).toBool())
        label->adjustSize();
}

QPixmap designPicture(const ControlDefinition& control) {
    if (control.picture.empty())
        return {};
    if (control.picture.front() == ':')
        return loadPicture(toQString(control.picture));
    const auto list = picturesNamed(control.picture);
    if (control.pictureIndex < 1 || control.pictureIndex > static_cast<int>(list.size()))
        return {};
    return loadPicture(
        toQString(list[static_cast<std::size_t>(control.pictureIndex - 1)].resource));
}

QCursor makeHandCursor(const QString& path) {
    const QPixmap picture = loadPicture(path);
    if (picture.isNull())
        return {Qt::PointingHandCursor};
    return QCursor(picture, kHandHotX, kHandHotY);
}

/// Decoded once and shared by every window: a window's own copies would stay in the
/// process-wide pixmap cache, and the windowing system's cursor cache, long after it is gone.
struct SharedPictures {
    QIcon icon;
    QCursor handTwoColor;
    QCursor handSixteenColor;
};

const SharedPictures& sharedPictures() {
    static SharedPictures* pictures = nullptr;
    if (!pictures) {
        pictures =
            new SharedPictures{QIcon(loadPicture(QStringLiteral(":/pictures/app_icon.png"))),
                               makeHandCursor(QStringLiteral(":/pictures/hand_2color.png")),
                               makeHandCursor(QStringLiteral(":/pictures/hand_16color.png"))};
        // Freed with the application, while the pixmap machinery still exists.
        qAddPostRoutine([] {
            delete pictures;
            pictures = nullptr;
        });
    }
    return *pictures;
}

const QCursor& handCursor(Pointer pointer) {
    return pointer == Pointer::HandTwoColor ? sharedPictures().handTwoColor
                                            : sharedPictures().handSixteenColor;
}

/// What the window manager's frame adds to a window's size, once a window has been framed.
QSize& frameExtra() {
    static QSize extra;
    return extra;
}

/// Where a window's frame of this size lies centred on the screen (a move places the frame).
QPoint frameCentredAt(QSize frame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2);
}

/// Centres the window's whole frame as soon as the shown window has one.
class FrameCentring final : public QObject {
public:
    explicit FrameCentring(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        const QEvent::Type type = event->type();
        if (window != parent() || !window->isVisible() ||
            (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Paint &&
             type != QEvent::WindowActivate))
            return false;
        const QSize frame = window->frameGeometry().size();
        if (frame == window->size())
            return false; // not framed yet, or never framed (no window manager)
        frameExtra() = frame - window->size();
        window->removeEventFilter(this);
        deleteLater();
        window->move(frameCentredAt(frame));
        return false;
    }
};

class Builder {
public:
    explicit Builder(const WindowDefinition& definition) : m_def(definition) {}

    std::unique_ptr<QWidget> build() {
        registerFontSubstitutes();
        m_windowFont = m_def.font ? makeFont(*m_def.font)
                                  : makeFont({.face = "MS Sans Serif", .pointSize = 8.25});
        std::unique_ptr<QWidget> window = makeWindow();
        for (const ControlDefinition& control : m_def.controls)
            addControl(control);
        applyStacking();
        applyTabOrder();
        finishWindow(*window);
        return window;
    }

private:
    std::unique_ptr<QWidget> makeWindow() {
        std::unique_ptr<QWidget> window;
        if (!m_def.menu.empty()) {
            auto main = std::make_unique<QMainWindow>();
            m_client = new QWidget(main.get());
            main->setCentralWidget(m_client);
            buildMenu(*main->menuBar());
            main->layout()->setSizeConstraint(QLayout::SetFixedSize);
            window = std::move(main);
        } else {
            window = std::make_unique<QWidget>();
            m_client = window.get();
        }
        m_client->setObjectName(QString::fromLatin1(kClientName));
        window->setObjectName(toQString(m_def.name));
        window->setWindowTitle(toQString(m_def.caption));
        window->setWindowIcon(programIcon());

        Qt::WindowFlags flags = m_def.showInTaskbar ? Qt::Window : Qt::Dialog;
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint;
        window->setWindowFlags(flags);

        m_client->setFixedSize(pixels(m_def.clientWidth), pixels(m_def.clientHeight));
        m_client->setFont(m_windowFont);
        QPalette palette = m_client->palette();
        const QColor back = resolve(m_def.backColor, systemRole(SystemColor::ButtonFace));
        const QColor fore = resolve(m_def.foreColor, systemRole(SystemColor::ButtonText));
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::WindowText, fore);
        m_client->setPalette(palette);
        m_client->setAutoFillBackground(true);
        return window;
    }

    void buildMenu(QMenuBar& bar) {
        bar.setObjectName(QStringLiteral("menuBar"));
        for (const MenuItemDefinition& item : m_def.menu) {
            if (item.children.empty()) {
                QAction* action = bar.addAction(toQString(item.caption));
                action->setObjectName(toQString(item.name));
                action->setEnabled(item.enabled);
                continue;
            }
            QMenu* menu = bar.addMenu(toQString(item.caption));
            menu->setObjectName(toQString(item.name));
            menu->menuAction()->setObjectName(toQString(item.name));
            menu->menuAction()->setEnabled(item.enabled);
            for (const MenuItemDefinition& child : item.children) {
                QAction* action = child.caption == "-" ? menu->addSeparator()
                                                       : menu->addAction(toQString(child.caption));
                action->setObjectName(toQString(child.name));
                action->setEnabled(child.enabled);
            }
        }
    }

    QWidget* parentOf(const ControlDefinition& control) {
        if (control.parent.empty())
            return m_client;
        const auto it = m_frames.find(control.parent);
        return it == m_frames.end() ? m_client : it->second;
    }

    void addControl(const ControlDefinition& control) {
        QWidget* parent = parentOf(control);
        QWidget* widget = createWidget(control, parent);
        widget->setObjectName(toQString(control.name));
        if (control.index >= 0)
            widget->setProperty(kIndexProperty, control.index);
        widget->setFont(control.font ? makeFont(*control.font) : m_windowFont);
        if (control.kind != ControlKind::Line)
            widget->setGeometry(pixels(control.geometry.left), pixels(control.geometry.top),
                                pixels(control.geometry.width), pixels(control.geometry.height));
        applyColors(control, widget);
        if (control.pointer != Pointer::Default)
            widget->setCursor(handCursor(control.pointer));
        if (!control.accessibleName.empty())
            widget->setAccessibleName(toQString(control.accessibleName));
        if (!control.accessibleDescription.empty())
            widget->setAccessibleDescription(toQString(control.accessibleDescription));
        widget->setFocusPolicy(takesFocus(control.kind) && control.tabStop ? Qt::StrongFocus
                                                                           : Qt::NoFocus);
        if (control.kind != ControlKind::Line)
            widget->setProperty(kDesignRectProperty, widget->geometry());
        if (control.autoSize)
            widget->setProperty(kAutoSizeProperty, true);
        fitCaption(widget, CaptionSource::Design);
        if (control.autoSize)
            widget->adjustSize();
        if (!control.visible || control.kind == ControlKind::ImageList)
            widget->hide();
        if (control.kind == ControlKind::Frame)
            m_frames[control.name] = widget;
        m_built.emplace_back(&control, widget);
    }

    QWidget* createWidget(const ControlDefinition& control, QWidget* parent) {
        const QString caption = toQString(control.caption);
        switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            showCaption(label, caption);
            label->setAlignment(
                (control.alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
                Qt::AlignTop);
            label->setWordWrap(!control.autoSize);
            label->setAutoFillBackground(!control.transparent);
            return label;
        }
        case ControlKind::TextBox:
            return createTextBox(control, caption, parent);
        case ControlKind::DropDownList: {
            auto* list = new QComboBox(parent);
            list->setEditable(false);
            return list;
        }
        case ControlKind::Button:
        case ControlKind::CheckBox: {
            auto* button = new QPushButton(caption, parent);
            // Return and Enter press a focused command button. These windows are no dialogs,
            // so no button takes them from another control.
            button->setAutoDefault(control.kind == ControlKind::Button);
            button->setDefault(control.defaultButton);
            button->setCheckable(control.kind == ControlKind::CheckBox);
            return button;
        }
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(caption, parent);
            frame->setAutoFillBackground(true);
            return frame;
        }
        case ControlKind::PictureBox:
        case ControlKind::Image: {
            auto* picture = new QLabel(parent);
            picture->setScaledContents(control.stretch);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            picture->setPixmap(designPicture(control));
            picture->setAutoFillBackground(control.kind == ControlKind::PictureBox);
            return picture;
        }
        case ControlKind::Shape:
            return new ShapeWidget(resolve(control.foreColor, Qt::black), control.lineWidth,
                                   parent);
        case ControlKind::Line: {
            const Geometry& g = control.geometry;
            return new LineWidget(QPoint(pixels(g.left), pixels(g.top)),
                                  QPoint(pixels(g.width), pixels(g.height)),
                                  resolve(control.foreColor, Qt::black), control.lineWidth, parent);
        }
        case ControlKind::ImageList:
            return new PictureList(picturesNamed(control.picture), parent);
        }
        return new QWidget(parent);
    }

    static QWidget* createTextBox(const ControlDefinition& control, const QString& text,
                                  QWidget* parent) {
        if (!control.multiLine) {
            auto* line = new QLineEdit(parent);
            line->setMaxLength(std::numeric_limits<int>::max());
            line->setText(text);
            line->setReadOnly(control.readOnly);
            return line;
        }
        auto* box = new MultiLineBox(parent);
        box->setTabChangesFocus(true);
        box->setVerticalScrollBarPolicy(control.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setReadOnly(control.readOnly);
        if (control.readOnly)
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setControlText(box, text);
        return box;
    }

    void applyColors(const ControlDefinition& control, QWidget* widget) {
        const bool edit = isEditKind(control.kind);
        const QColor back = resolve(
            control.backColor, systemRole(edit ? SystemColor::Window : SystemColor::ButtonFace));
        const QColor fore = resolve(control.foreColor, systemRole(edit ? SystemColor::WindowText
                                                                       : SystemColor::ButtonText));
        QPalette palette = widget->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Window, back);
            palette.setColor(group, QPalette::Base, back);
            palette.setColor(group, QPalette::Button, back);
            palette.setColor(group, QPalette::WindowText, fore);
            palette.setColor(group, QPalette::Text, fore);
            palette.setColor(group, QPalette::ButtonText, fore);
        }
        widget->setPalette(palette);
        const bool graphical =
            (control.kind == ControlKind::Button || control.kind == ControlKind::CheckBox) &&
            control.style == ButtonStyle::Graphical;
        if (graphical)
            widget->setProperty(kGraphicalButtonProperty, true);
    }

    void applyStacking() {
        // Later siblings lie above earlier ones; surface-drawn kinds stay beneath the rest.
        for (const bool lightweight : {true, false}) {
            for (const auto& [control, widget] : m_built) {
                if (isLightweight(control->kind) == lightweight)
                    widget->raise();
            }
        }
    }

    void applyTabOrder() {
        std::vector<std::pair<int, QWidget*>> chain;
        std::vector<std::pair<int, QLabel*>> labels;
        for (const auto& [control, widget] : m_built) {
            if (control->tabIndex < 0)
                continue;
            if (takesFocus(control->kind) && control->tabStop)
                chain.emplace_back(control->tabIndex, widget);
            else if (auto* label = qobject_cast<QLabel*>(widget);
                     label && hasAccessKey(controlText(label)))
                labels.emplace_back(control->tabIndex, label);
        }
        std::sort(chain.begin(), chain.end());
        for (std::size_t i = 1; i < chain.size(); ++i)
            QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
        // A label's access key moves the focus to the next control in tab order.
        for (const auto& [tab, label] : labels) {
            const auto next =
                std::find_if(chain.begin(), chain.end(),
                             [tab = tab](const auto& entry) { return entry.first > tab; });
            if (next != chain.end()) {
                label->setBuddy(next->second);
                showCaption(label, controlText(label));
            }
        }
        const auto first = std::find_if(chain.begin(), chain.end(), [](const auto& entry) {
            return !entry.second->isHidden();
        });
        if (first != chain.end())
            first->second->setFocus(Qt::OtherFocusReason);
    }

    void finishWindow(QWidget& window) {
        if (window.layout())
            window.layout()->activate();
        else
            window.setFixedSize(m_client->size());
        const QSize size = window.layout() ? window.sizeHint() : window.size();
        // The window manager's frame is known only once a window has been framed; until then
        // the first window's frame is guessed as none, and the window is centred again.
        window.move(frameCentredAt(size + frameExtra()));
        new FrameCentring(&window);
    }

    const WindowDefinition& m_def;
    QFont m_windowFont;
    QWidget* m_client = nullptr;
    std::map<std::string_view, QWidget*> m_frames;
    std::vector<std::pair<const ControlDefinition*, QWidget*>> m_built;
};

} // namespace

const QIcon& programIcon() {
    return sharedPictures().icon;
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

std::unique_ptr<QWidget> buildWindow(const WindowDefinition& definition) {
    return Builder(definition).build();
}

QWidget* clientArea(QWidget* window) {
    if (!window)
        return nullptr;
    if (window->objectName() == QLatin1String(kClientName))
        return window;
    if (auto* main = qobject_cast<QMainWindow*>(window))
        return main->centralWidget();
    return window;
}

QWidget* findControl(QWidget* window, const QString& name, int index) {
    if (!window)
        return nullptr;
    const auto candidates = window->findChildren<QWidget*>(name);
    for (QWidget* widget : candidates) {
        if (qobject_cast<QMenu*>(widget))
            continue;
        const QVariant member = widget->property(kIndexProperty);
        if (index < 0 || (member.isValid() && member.toInt() == index))
            return widget;
    }
    return nullptr;
}

QString controlText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QVariant caption = label->property(kCaptionProperty);
        return caption.isValid() ? caption.toString() : label->text();
    }
    if (const auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) {
        QString text = box->toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return text;
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    return {};
}

void setControlText(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        showCaption(label, text, CaptionSource::Program);
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(text);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        QString plain = text;
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        box->setPlainText(plain);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
        fitCaption(button, CaptionSource::Program);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(text);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        // A pick-only list takes only a text it holds, which it then selects.
        if (const int at = list->findText(text, Qt::MatchExactly); at >= 0)
            list->setCurrentIndex(at);
    }
}

void setMaxLength(QWidget* box, int length) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setMaxLength(length);
    else if (auto* multiLine = dynamic_cast<MultiLineBox*>(box))
        multiLine->setMaxLength(length);
}

void setControlPicture(QWidget* control, const QPixmap& picture) {
    auto* label = qobject_cast<QLabel*>(control);
    if (!label)
        return;
    label->setPixmap(picture);
    if (label->property(kAutoSizeProperty).toBool() && !picture.isNull())
        label->resize(picture.deviceIndependentSize().toSize());
}

} // namespace forms
