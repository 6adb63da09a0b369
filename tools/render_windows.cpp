// SPDX-License-Identifier: MIT
// Renders the four windows (and the result window with a reading) to PNG files:
//   QT_QPA_PLATFORM=offscreen dwellstar_render_windows <output folder>

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "app/startup.h"
#include "reading/reading.h"
#include "shell/reading_command.h"
#include "shell/window_manager.h"

namespace {

bool render(const QString& window, const QString& file) {
    QWidget* widget = shell::load(window);
    if (!widget)
        return false;
    widget->ensurePolished();
    const bool saved = widget->grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::prepareApplication();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return 1;
    bool ok = true;
    for (const QString& name :
         {shell::kInputWindow, shell::kResultWindow, shell::kAboutWindow, shell::kExitWindow})
        ok = render(name, out.filePath(name + QStringLiteral(".png"))) && ok;

    shell::unload(shell::kResultWindow);
    shell::collectUnloaded();
    reading::BirthDetails leo;
    leo.firstName = u"ANN";
    leo.lastName = u"LEE";
    leo.day = 22;
    leo.month = 6;
    leo.dayText = u"23";
    leo.monthText = u"July";
    leo.yearText = u"1990";
    leo.year = 1990;
    const reading::ReadingOutcome outcome = reading::produceReading(leo);
    if (const auto* result = std::get_if<reading::Reading>(&outcome))
        shell::applyReading(*result);
    ok = render(shell::kResultWindow, out.filePath(QStringLiteral("frmDisplay-reading.png"))) && ok;
    return ok ? 0 : 1;
}
