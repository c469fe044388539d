// The Linux entry point: Qt's application object around the whole program.

#include <QApplication>

#include "app/entry.h"
#include "platform/backend/sending.h"

// The program takes no arguments: Qt sees a program name alone, so that its own
// options (-style, -reverse, -platform ...) change nothing. Tests steer Qt
// through its environment (QT_QPA_PLATFORM) instead.
int main() {
    char name[] = "korvane";
    int qt_argc = 1;
    char* qt_argv[] = {name, nullptr};
    QApplication application(qt_argc, qt_argv);
    // Dialogs come and go one at a time; the program, not Qt, decides when it ends.
    QApplication::setQuitOnLastWindowClosed(false);
    const int status = korvane::run_korvane();
    // The farewell is heard to its end before the window goes with Qt.
    korvane::platform::end_send();
    return status;
}
