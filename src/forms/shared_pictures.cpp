// SPDX-License-Identifier: MIT
#include "forms/shared_pictures.h"

#include <QGuiApplication>

#include "forms/picture_lists.h"

namespace forms {

namespace {

// The hot spot of the pointing-hand pictures: the tip of the index finger.
constexpr int kHandHotX = 7;
constexpr int kHandHotY = 0;

QCursor makeHandCursor(const QString& path) {
    const QPixmap picture = loadPicture(path);
    if (picture.isNull())
        return {Qt::PointingHandCursor};
    // QCursor takes the hot spot in device-independent pixels, but Qt's X11 plugin hands it to
    // the server unconverted, in the picture's own pixels.
    const qreal ratio =
        QGuiApplication::platformName() == u"xcb" ? picture.devicePixelRatio() : 1.0;
    return QCursor(picture, qRound(kHandHotX * ratio), qRound(kHandHotY * ratio));
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

} // namespace

const QIcon& programIcon() {
    return sharedPictures().icon;
}

const QCursor& handCursor(Pointer pointer) {
    return pointer == Pointer::HandTwoColor ? sharedPictures().handTwoColor
                                            : sharedPictures().handSixteenColor;
}

} // namespace forms
