// The Linux entry point: Qt's application object around the whole program.

#include <QApplication>

#include "app/entry.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Dialogs come and go one at a time; the program, not Qt, decides when it ends.
    QApplication::setQuitOnLastWindowClosed(false);
    return korvane::run_korvane();
}
