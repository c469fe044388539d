#include "app/window_loop.h"

#include "app/app_values.h"
#include "app/file_window.h"
#include "app/learn_code_window.h"
#include "app/main_window.h"
#include "platform/process.h"

namespace korvane {

void run_window_loop() {
    for (;;) {
        window_mode = kLeaveLoop;
        show_main_window();
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
