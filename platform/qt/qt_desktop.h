#pragma once
// What the desktop does to the program from outside its windows: it asks the
// program to end (a signal, the end of the session), or another client
// destroys one of its windows. See qt_desktop.cpp.

namespace korvane::qt {

// Starts following the desktop, once the application object exists; later calls do nothing.
void follow_desktop();

}  // namespace korvane::qt
