// SPDX-License-Identifier: MIT
#include "shell/shell_windows.h"

#include "forms/form_model.h"
#include "shell/frm_about.h"
#include "shell/frm_display.h"
#include "shell/frm_main.h"
#include "shell/people_window.h"
#include "shell/reading_command.h"
#include "shell/window_manager.h"

namespace shell {

void registerShellWindows() {
    registerWindow(forms::frmMain(), {frmMain::attach, frmMain::Form_Load, frmMain::Form_Unload,
                                      frmMain::retranslate});
    registerWindow(forms::frmDisplay(),
                   {frmDisplay::attach, nullptr, frmDisplay::Form_Unload, frmDisplay::retranslate,
                    /*buildAhead=*/true, fillAhead});
    registerWindow(forms::frmAbout(), {frmAbout::attach, nullptr, nullptr, nullptr});
    registerPeopleWindow();
}

} // namespace shell
