#include "app/entry.h"

#include "app/app_values.h"
#include "app/settings.h"
#include "app/texts.h"
#include "app/window_loop.h"
#include "morse/morse_values.h"
#include "morse/sender.h"
#include "morse/tone.h"
#include "platform/dialog.h"
#include "platform/process.h"
#include "practice/text_tables.h"

namespace korvane {
namespace {

void start_up() {
    platform::raise_priority();
    credits_text = make_credits_text();
    tips_text = make_tips_text();
    load_settings();
    build_tones();
    fill_text_tables();
}

// The settings reach the file before the farewell sounds. A desktop that is
// ending the program is owed no farewell, and would not wait for it.
void exit_sequence() {
    save_settings();
    if (!platform::session_ending()) {
        send_text = "73";
        send_morse();
    }
}

}  // namespace

int run_korvane() {
    start_up();
    run_window_loop();
    exit_sequence();
    return 0;
}

}  // namespace korvane
