// SPDX-License-Identifier: MIT
#include "forms/caption_fitting.h"

#include <algorithm>
#include <limits>

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

#include "forms/control_properties.h"

namespace forms {

namespace {

// Narrower than this, a face reads as another one.
constexpr int kNarrowestStretch = 75;
// Every stretch tried or drawn is a font of its own to set up: they come in steps up from the
// narrowest, so that captions narrowed about alike share one.
constexpr int kStretchStep = 4;

/// The step at or below a stretch.
int onStep(int stretch) {
    return stretch - (stretch - kNarrowestStretch) % kStretchStep;
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

/// A size as much wider as a stretch makes a face narrower.
QSize widened(QSize size, int stretch) {
    return {size.width() * 100 / stretch, size.height()};
}

/// An extent laid out in a widened box, as the stretched face would draw it.
QRect narrowed(QRect extent, int stretch) {
    return {extent.x() * stretch / 100, extent.y(), (extent.width() * stretch + 99) / 100,
            extent.height()};
}

} // namespace

void fitCaption(QWidget* control, CaptionSource source) {
    const QVariant designed = control->property(property::kDesignRect);
    QWidget* parent = control->parentWidget();
    if (!designed.isValid() || !parent)
        return;
    const QRect design = designed.toRect();
    const bool autoSize = control->property(property::kAutoSize).toBool();
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
        // Start from the step that a caption laid out in the face as it is, in a box as much
        // wider, promises to fit.
        const double needed = std::min({1.0, double(room.width()) / natural.width(),
                                        double(room.height()) / natural.height()});
        int first = onStep(std::max(kNarrowestStretch, std::min(99, int(needed * 100))));
        while (first > kNarrowestStretch &&
               !room.contains(narrowed(captionExtent(control, font, widened(size, first)), first)))
            first -= kStretchStep;
        for (int stretch = first; stretch >= kNarrowestStretch; stretch -= kStretchStep) {
            font.setStretch(stretch);
            if (room.contains(captionExtent(control, font, size)))
                break;
        }
    }
    if (font != control->font())
        control->setFont(font);
}

} // namespace forms
