// While a send waits, Qt's events are processed, so the windows repaint and
// answer the desktop. User input is taken out of the way first: Escape stops
// the send and is used up; every other key, click and move is held with its
// receiver, and posted to it in order once the send has ended, as Windows
// leaves input in the queue until the program reads it again. While the end of
// a send waits for its last element to be heard, painting is held back too, so
// that what the click handler left on screen shows only then.

#include "platform/qt/qt_send.h"

#include <memory>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include "platform/dialog.h"
#include "platform/sound.h"

namespace korvane {
namespace {

// What a send's wait does with an event that reaches the application.
enum class DuringSend {
    pass,    // handled at once: painting and the desktop's own events
    refuse,  // a shortcut's override, taken so that an access key comes as a key press
    stop,    // Escape, which stops the send and is used up
    hold,    // user input, and painting while the send's end waits to be heard
};

bool is_user_input(const QEvent& event) {
    return dynamic_cast<const QInputEvent*>(&event) != nullptr;
}

bool is_escape_press(const QEvent& event) {
    return event.type() == QEvent::KeyPress &&
           static_cast<const QKeyEvent&>(event).key() == Qt::Key_Escape;
}

// While the end of a send waits for its last element to be heard (`ending`), painting waits too,
// so that what the click handler left on screen shows only then.
DuringSend during_send(const QEvent& event, bool ending) {
    if (event.type() == QEvent::UpdateRequest) {
        return ending ? DuringSend::hold : DuringSend::pass;
    }
    if (!is_user_input(event)) {
        return DuringSend::pass;
    }
    if (event.type() == QEvent::ShortcutOverride) {
        return DuringSend::refuse;
    }
    return is_escape_press(event) ? DuringSend::stop : DuringSend::hold;
}

// Events taken out of the way during a send, each with its receiver, in order.
class HeldEvents {
  public:
    void hold(QObject* receiver, const QEvent& event) {
        held_.emplace_back(receiver, event.clone());
    }

    // Posts them to their receivers; receivers that went away meanwhile lose theirs.
    void release() {
        for (auto& [receiver, event] : std::exchange(held_, {})) {
            if (receiver) {
                QCoreApplication::postEvent(receiver, event.release());
            }
        }
    }

  private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

// The application's event filter while a send waits.
class SendFilter final : public QObject {
  public:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        switch (during_send(*event, ending)) {
            case DuringSend::pass:
                return false;
            case DuringSend::refuse:
                event->accept();
                break;
            case DuringSend::stop:
                platform::stop_send();
                break;
            case DuringSend::hold:
                held.hold(receiver, *event);
                break;
        }
        return true;
    }

    bool ending = false;  // the send's end is waiting for its last element to be heard
    HeldEvents held;
};

SendFilter& filter() {
    static SendFilter instance;
    return instance;
}

}  // namespace

void platform::keep_windows_alive() {
    QCoreApplication::instance()->installEventFilter(&filter());
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&filter());
}

void qt::finish_send() {
    filter().ending = true;
    platform::end_send();
    filter().ending = false;
    filter().held.release();
}

}  // namespace korvane
