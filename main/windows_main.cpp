// The Windows entry point; the program takes nothing from its command line.

#include <windows.h>

#include "app/entry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return korvane::run_korvane();
}
