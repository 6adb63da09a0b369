// SPDX-License-Identifier: MIT
#include "forms/form_builder.h"

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "forms/button_keys.h"
#include "forms/caption_fitting.h"
#include "forms/control_access.h"
#include "forms/control_properties.h"
#include "forms/design_text.h"
#include "forms/drawn_controls.h"
#include "forms/drop_down_list.h"
#include "forms/fonts.h"
#include "forms/picture_lists.h"
#include "forms/shared_pictures.h"
#include "forms/style.h"
#include "forms/text_box.h"
#include "forms/units.h"
#include "forms/window_placement.h"

namespace forms {

namespace {

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
    QFont font(installedFace(toQString(design.face)));
    font.setPointSizeF(design.pointSize);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    return font;
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

QFont designFont(const ControlDefinition& control, const QFont& windowFont) {
    QFont font = control.font ? makeFont(*control.font) : windowFont;
    // Only the text boxes show what the user types; every other control shows the program's
    // own texts, which the faces hold, so no fallback faces are looked up for them. Nor are
    // they shaped: in the alphabets of its languages shaping only kerns, and shaping loads a
    // face's layout tables anew for every size and weight. A control in the window's own font
    // takes the text boxes' all the same: each font is one more to set up. A text box sets the
    // default explicitly, or it would take its frame's.
    font.setStyleStrategy(
        control.kind == ControlKind::TextBox || !control.font
            ? QFont::PreferDefault
            : QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    return font;
}

/// The design's caption, font and spoken names on a built control, in the language spoken, with
/// the caption fitted to the control's rectangle.
void dress(QWidget* widget, const ControlDefinition& control, const QFont& windowFont) {
    widget->setFont(designFont(control, windowFont));
    const QString caption = designText(control.caption);
    if (auto* label = qobject_cast<QLabel*>(widget);
        label && (control.kind == ControlKind::Label)) {
        if (control.autoSize)
            label->setGeometry(label->property(property::kDesignRect).toRect());
        showCaption(label, caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        frame->setTitle(caption);
    }
    if (!control.accessibleName.empty())
        widget->setAccessibleName(designText(control.accessibleName));
    if (!control.accessibleDescription.empty())
        widget->setAccessibleDescription(designText(control.accessibleDescription));
    fitCaption(widget, CaptionSource::Design);
    if (control.autoSize)
        widget->adjustSize();
}

void captionMenu(QWidget& window, std::span<const MenuItemDefinition> items) {
    for (const MenuItemDefinition& item : items) {
        if (item.caption != "-") {
            for (QAction* action : window.findChildren<QAction*>(toQString(item.name)))
                action->setText(designText(item.caption));
        }
        captionMenu(window, item.children);
    }
}

class Builder {
public:
    explicit Builder(const WindowDefinition& definition) : m_def(definition) {}

    std::unique_ptr<QWidget> build() {
        m_windowFont = makeFont(m_def.font.value_or(kDefaultFont));
        std::unique_ptr<QWidget> window = makeWindow();
        for (const ControlDefinition& control : m_def.controls)
            addControl(control);
        applyStacking();
        applyTabOrder();
        attachButtonKeys(*window, m_defaultButton, m_cancelButton);
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
        m_client->setObjectName(QString::fromLatin1(property::kClientName));
        window->setObjectName(toQString(m_def.name));
        window->setWindowTitle(toQString(m_def.caption));
        window->setWindowIcon(programIcon());

        Qt::WindowFlags flags = m_def.showInTaskbar ? Qt::Window : Qt::Dialog;
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint;
        // Neither border can be resized; the dialog frame where the platform draws one.
        if (m_def.border == Border::FixedDialog)
            flags |= Qt::MSWindowsFixedSizeDialogHint;
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
                QAction* action = bar.addAction(designText(item.caption));
                action->setObjectName(toQString(item.name));
                action->setEnabled(item.enabled);
                continue;
            }
            QMenu* menu = bar.addMenu(designText(item.caption));
            menu->setObjectName(toQString(item.name));
            menu->menuAction()->setObjectName(toQString(item.name));
            menu->menuAction()->setEnabled(item.enabled);
            for (const MenuItemDefinition& child : item.children) {
                QAction* action = child.caption == "-" ? menu->addSeparator()
                                                       : menu->addAction(designText(child.caption));
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
            widget->setProperty(property::kIndex, control.index);
        if (control.kind != ControlKind::Line)
            widget->setGeometry(pixels(control.geometry.left), pixels(control.geometry.top),
                                pixels(control.geometry.width), pixels(control.geometry.height));
        applyColors(control, widget);
        if (control.pointer != Pointer::Default)
            widget->setCursor(handCursor(control.pointer));
        widget->setFocusPolicy(takesFocus(control.kind) && control.tabStop ? Qt::StrongFocus
                                                                           : Qt::NoFocus);
        if (control.kind != ControlKind::Line)
            widget->setProperty(property::kDesignRect, widget->geometry());
        if (control.autoSize)
            widget->setProperty(property::kAutoSize, true);
        dress(widget, control, m_windowFont);
        if (!control.visible || control.kind == ControlKind::ImageList)
            widget->hide();
        if (control.kind == ControlKind::Frame)
            m_frames[control.name] = widget;
        m_built.emplace_back(&control, widget);
    }

    /// The control without its caption, which dress() gives it.
    QWidget* createWidget(const ControlDefinition& control, QWidget* parent) {
        switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(
                (control.alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
                Qt::AlignTop);
            label->setWordWrap(!control.autoSize);
            label->setAutoFillBackground(!control.transparent);
            return label;
        }
        case ControlKind::TextBox:
            return createTextBox(control, designText(control.caption), parent);
        case ControlKind::DropDownList: {
            auto* list = new DropDownList(parent);
            list->setEditable(false);
            return list;
        }
        case ControlKind::Button:
        case ControlKind::CheckBox: {
            auto* button = new QPushButton(parent);
            // Return and Enter press a focused command button. These windows are no dialogs,
            // so no button takes them from another control.
            button->setAutoDefault(control.kind == ControlKind::Button);
            button->setDefault(control.defaultButton);
            if (control.defaultButton)
                m_defaultButton = button;
            if (control.cancelButton)
                m_cancelButton = button;
            button->setCheckable(control.kind == ControlKind::CheckBox);
            return button;
        }
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(parent);
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
                             [after = tab](const auto& entry) { return entry.first > after; });
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
        placeCentred(window, window.layout() ? window.sizeHint() : window.size());
    }

    const WindowDefinition& m_def;
    QFont m_windowFont;
    QWidget* m_client = nullptr;
    QAbstractButton* m_defaultButton = nullptr;
    QAbstractButton* m_cancelButton = nullptr;
    std::map<std::string_view, QWidget*> m_frames;
    std::vector<std::pair<const ControlDefinition*, QWidget*>> m_built;
};

} // namespace

std::unique_ptr<QWidget> buildWindow(const WindowDefinition& definition) {
    return Builder(definition).build();
}

void retranslateWindow(QWidget& window, const WindowDefinition& definition) {
    const QFont windowFont = makeFont(definition.font.value_or(kDefaultFont));
    for (const ControlDefinition& control : definition.controls) {
        if (QWidget* widget = findControl(&window, toQString(control.name), control.index))
            dress(widget, control, windowFont);
    }
    captionMenu(window, definition.menu);
}

} // namespace forms
