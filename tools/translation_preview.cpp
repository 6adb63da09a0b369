// SPDX-License-Identifier: MIT
// For translators: shows every window, and the result window with each sign's reading, in a
// translation not yet built into the program, lists the captions that do not fit, and writes
// each window to a PNG file:
//   lrelease translations/dwellstar_de.ts -qm /tmp/de.qm
//   QT_QPA_PLATFORM=offscreen dwellstar_translation_preview /tmp/de.qm [<output folder>]

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "app/startup.h"
#include "forms/control_access.h"
#include "forms/control_properties.h"
#include "language/language.h"
#include "outreach/frm_nag_screen2.h"
#include "reading/reading.h"
#include "reading/sun_sign.h"
#include "shell/reading_command.h"
#include "shell/window_manager.h"
#include "support/widget_helpers.h"

namespace {

/// The design's captions that run past their designed rectangle (an auto-size label may grow
/// down), as the tests see them.
QStringList pastTheDesign(const QWidget* window) {
    QStringList clipped;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        QRect design = control->property(forms::property::kDesignRect).toRect();
        if (design.isNull() || !control->isVisibleTo(window) ||
            !control->parentWidget()->rect().intersects(design))
            continue;
        if (control->property(forms::property::kAutoSize).toBool())
            design.setBottom(control->parentWidget()->height());
        if (const QString why = testsupport::captionClipping(control, design); !why.isEmpty())
            clipped << why;
    }
    return clipped;
}

/// False when a caption does not fit; `designed`: the window shows its design's captions.
bool look(const QString& window, const QString& label, bool designed, const QString& folder) {
    QWidget* widget = shell::load(window);
    widget->ensurePolished();
    if (!folder.isEmpty())
        widget->grab().save(QDir(folder).filePath(label + QStringLiteral(".png")));
    QStringList clipped = designed ? pastTheDesign(widget) : QStringList();
    if (const QString cut = testsupport::clippedCaptions(widget); !cut.isEmpty())
        clipped << cut;
    std::printf("%s: %s\n", qPrintable(label),
                clipped.isEmpty() ? "fits" : qPrintable(clipped.join(QStringLiteral("; "))));
    return clipped.isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2 || !language::useFile(QString::fromLocal8Bit(argv[1]))) {
        std::fputs("usage: dwellstar_translation_preview <file.qm> [<output folder>]\n", stderr);
        return 2;
    }
    app::prepareApplication();
    // No folder: no pictures.
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    bool fits = true;
    for (const QString& name :
         {shell::kInputWindow, shell::kResultWindow, shell::kAboutWindow, shell::kExitWindow})
        fits = look(name, name, true, folder) && fits;
    // The exit window shows one of its appeals, picked at random: each in turn.
    const auto appeals = outreach::frmNagScreen2::appealTexts();
    for (std::size_t i = 0; i < appeals.size(); ++i) {
        forms::setControlText(shell::control(shell::kExitWindow, QStringLiteral("Label2")),
                              appeals.at(i));
        fits = look(shell::kExitWindow, shell::kExitWindow + QString::number(i), false, folder) &&
               fits;
    }
    for (const reading::SunSign sign : reading::kAllSigns) {
        shell::unload(shell::kResultWindow);
        shell::collectUnloaded();
        reading::Reading result{std::string(reading::signName(sign)),
                                reading::lookUpProfile(reading::signName(sign))};
        shell::applyReading(result);
        fits = look(shell::kResultWindow, language::readingWord(result.signName), false, folder) &&
               fits;
    }
    return fits ? 0 : 1;
}
