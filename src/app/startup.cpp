// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include <optional>
#include <string>
#include <thread>

#include <malloc.h>

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QCoreApplication>
#include <QStyle>

#include "app/command_line.h"
#include "forms/shared_pictures.h"
#include "forms/style.h"
#include "outreach/frm_nag_screen2.h"
#include "outreach/update_reminder.h"
#include "platform/real_services.h"
#include "platform/services.h"
#include "shell/frm_main.h"
#include "shell/language_menu.h"
#include "shell/mod_help.h"
#include "shell/shell_windows.h"
#include "shell/window_manager.h"

namespace app {

namespace {

struct Startup {
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

// The name Qt gives the desktop's default face when the desktop names none.
constexpr char kGenericSans[] = "Sans Serif";

/// The installed face that the font configuration gives for a name.
std::string matchedFace(const char* name) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    std::string face;
    FcChar8* family = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch)
        face = reinterpret_cast<const char*>(family);
    if (match)
        FcPatternDestroy(match);
    return face;
}

/// Qt reads the font configuration and the font caches (a fifth of a start-up's work) only when
/// the first window asks for a face; read them on another core while Qt connects to the display,
/// and find the face that the generic name stands for.
std::jthread readFontConfigurationAhead(std::string& genericSansFace) {
#ifdef __GLIBC__
    // One heap for every thread: a heap of the helper's own would keep what it freed, a tenth
    // of a MiB at the first paint.
    mallopt(M_ARENA_MAX, 1);
#endif
    return std::jthread([&genericSansFace] {
        FcInit();
        genericSansFace = matchedFace(kGenericSans);
    });
}

/// No face answers to the generic name, so Qt has every installed font sorted for stand-ins,
/// once for each alphabet shown: the menus ask for the face it stands for by its own name.
void nameTheGenericFace(const std::string& face) {
    QFont font = QApplication::font();
    if (face.empty() || font.family() != QLatin1String(kGenericSans))
        return;
    font.setFamily(QString::fromStdString(face));
    QApplication::setFont(font);
}

} // namespace

void prepareApplication() {
    // One look on every desktop: the designs set their own colours on a plain style.
    QApplication::setStyle(forms::createStyle());
    QApplication::setPalette(QApplication::style()->standardPalette());
    // Only the exit window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(forms::programIcon());
    shell::registerShellWindows();
    outreach::registerExitWindow();
}

bool startUp() {
    platform::Services& services = platform::services();
    if (!services.instanceLock->tryAcquire()) {
        platform::showMessage(Startup::tr("Application is already running"));
        modHelp::UnloadAllAndEnd();
        return false;
    }
    services.random->seed(services.clock->seed());
    modHelp::RunUpdateReminder();
    shell::show(shell::kInputWindow);
    shell::frmMain::CoBrand_Randomize();
    return true;
}

int run(int& argc, char** argv) {
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY") ||
                         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!display || commandLine::wanted(argc, argv))
        return commandLine::run(argc, argv);
    std::string genericSansFace;
    std::jthread fontConfiguration = readFontConfigurationAhead(genericSansFace);
    // Takes Qt's own options (-style, -platform); what is left is the program's.
    QApplication application(argc, argv);
    // Done by now, as a rule; nothing may end the process while it runs.
    fontConfiguration.join();
    nameTheGenericFace(genericSansFace);
    QString asked;
    if (const std::optional<int> refused =
            commandLine::refusedForWindows(QCoreApplication::arguments(), asked))
        return *refused;
    shell::speakChosenLanguage(asked);
    platform::addEndHook([] { platform::services().instanceLock->release(); });
    prepareApplication();
    if (!startUp())
        return 0;
    return QApplication::exec();
}

} // namespace app
