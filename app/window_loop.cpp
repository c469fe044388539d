#include "app/window_loop.h"

#include "app/app_values.h"
#include "app/file_window.h"
#include "app/learn_code_window.h"
#include "app/main_window.h"
#include "platform/dialog.h"
#include "platform/process.h"

namespace korvane {

// A desktop that is ending the program ends the loop after any window.
void run_window_loop() {
    while (!platform::session_ending()) {
        window_mode = kLeaveLoop;
        show_main_window();
        if (platform::session_ending()) {
            return;
        }
        switch (window_mode) {
            case kLearnCode:
                show_learn_code_window();
                break;
            case kCodeFromFile:
                show_file_window();
                break;
            case kHelpPage:
                platform::open_help_page(kHelpPageName);
                break;
            default:
                return;
        }
    }
}

}  // namespace korvane
