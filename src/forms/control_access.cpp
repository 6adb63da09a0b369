// SPDX-License-Identifier: MIT
#include "forms/control_access.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>

#include "forms/control_properties.h"
#include "forms/text_box.h"

namespace forms {

namespace {

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

} // namespace

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

void showCaption(QLabel* label, const QString& caption, CaptionSource source) {
    label->setProperty(property::kCaption, caption);
    label->setText(label->buddy() ? caption : withoutAccessKeys(caption));
    fitCaption(label, source);
    if (label->property(property::kAutoSize).toBool())
        label->adjustSize();
}

QWidget* clientArea(QWidget* window) {
    if (!window)
        return nullptr;
    if (window->objectName() == QLatin1String(property::kClientName))
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
        const QVariant member = widget->property(property::kIndex);
        if (index < 0 || (member.isValid() && member.toInt() == index))
            return widget;
    }
    return nullptr;
}

QString controlText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QVariant caption = label->property(property::kCaption);
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

void setControlPicture(QWidget* control, const QPixmap& picture) {
    auto* label = qobject_cast<QLabel*>(control);
    if (!label)
        return;
    label->setPixmap(picture);
    if (label->property(property::kAutoSize).toBool() && !picture.isNull())
        label->resize(picture.deviceIndependentSize().toSize());
}

void setMaxLength(QWidget* box, int length) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setMaxLength(length);
    else if (auto* multiLine = dynamic_cast<MultiLineBox*>(box))
        multiLine->setMaxLength(length);
}

} // namespace forms
