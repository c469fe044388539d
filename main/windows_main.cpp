// The Windows entry point; the program takes nothing from its command line.

#include <windows.h>

#include "app/entry.h"
#include "platform/backend/sending.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int status = korvane::run_korvane();
    // The farewell is heard to its end before the process ends.
    korvane::platform::end_send();
    return status;
}
