// The desktop ending the program. A signal to end (SIGTERM from a session
// manager or systemd at logout, SIGHUP from a closed terminal, SIGINT from
// Ctrl+C) only writes a byte to a pipe, since a signal handler may do almost
// nothing else; the pipe wakes Qt's event loop, which turns whenever a dialog
// is on screen or a send waits. The end of the session through Qt's session
// management comes to the same. Every dialog then ends and any send stops, so
// the program leaves its window loop, saves its settings and ends without the
// farewell. The same signal a second time ends the program at once, as it
// would have without any of this, should the first find it unable to answer.
//
// A window that another client destroys (XDestroyWindow) is taken as a close
// request, so the main window's end leads to the exit sequence.

#include "platform/qt/qt_desktop.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QByteArray>
#include <QSessionManager>
#include <QSocketNotifier>

#include "platform/dialog.h"
#include "platform/qt/qt_dialog_window.h"
#include "platform/sound.h"

namespace korvane {
namespace {

bool ending = false;
int signal_pipe[2] = {-1, -1};

void note_signal(int) {
    const int saved_errno = errno;
    const char byte = 0;
    // A full pipe already holds a byte that wakes the program.
    [[maybe_unused]] const ssize_t written = ::write(signal_pipe[1], &byte, 1);
    errno = saved_errno;
}

template <typename Action>
void for_each_dialog(Action action) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = dynamic_cast<qt::DialogWindow*>(widget)) {
            action(*dialog);
        }
    }
}

// Any send under way stops, the farewell too: nothing is to be heard after this.
void end_session() {
    ending = true;
    platform::stop_send();
    for_each_dialog([](qt::DialogWindow& dialog) { dialog.done(0); });
}

void drain_signal_pipe() {
    char bytes[16];
    while (::read(signal_pipe[0], bytes, sizeof bytes) > 0) {
    }
    end_session();
}

void watch_signals() {
    if (::pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, drain_signal_pipe);
    struct sigaction action {};
    action.sa_handler = note_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(number, &action, nullptr);
    }
}

// X11's DestroyNotify event, read by its wire layout: the event code in the
// first byte (the top bit marks an event sent by a client), the id of the
// window destroyed at offset 8.
class DestroyedWindows final : public QAbstractNativeEventFilter {
  public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        constexpr std::uint8_t kDestroyNotify = 17;
        const auto* event = static_cast<const unsigned char*>(message);
        if (type != "xcb_generic_event_t" || (event[0] & 0x7F) != kDestroyNotify) {
            return false;
        }
        std::uint32_t window = 0;
        std::memcpy(&window, event + 8, sizeof window);
        for_each_dialog([window](qt::DialogWindow& dialog) {
            if (dialog.internalWinId() == window) {
                dialog.close();
            }
        });
        return false;
    }
};

}  // namespace

bool platform::session_ending() {
    return ending;
}

void qt::follow_desktop() {
    static bool following = false;
    if (std::exchange(following, true)) {
        return;
    }
    watch_signals();
    QObject::connect(qApp, &QGuiApplication::commitDataRequest,
                     [](QSessionManager&) { end_session(); });
    static DestroyedWindows destroyed_windows;
    qApp->installNativeEventFilter(&destroyed_windows);
}

}  // namespace korvane
