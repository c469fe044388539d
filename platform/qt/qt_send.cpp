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

class InputHold final : public QObject {
  public:
    // A shortcut is refused (its override taken) so that an access key comes
    // as a key press, and is held like any other.
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const bool held_paint = ending && event->type() == QEvent::UpdateRequest;
        if (!held_paint && dynamic_cast<const QInputEvent*>(event) == nullptr) {
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
        } else if (event->type() == QEvent::KeyPress &&
                   static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            platform::stop_send();
        } else {
            held_.emplace_back(receiver, event->clone());
        }
        return true;
    }

    // Receivers that went away meanwhile lose their input.
    void release() {
        for (auto& [receiver, event] : std::exchange(held_, {})) {
            if (receiver) {
                QCoreApplication::postEvent(receiver, event.release());
            }
        }
    }

    bool ending = false;

  private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

InputHold& hold() {
    static InputHold instance;
    return instance;
}

}  // namespace

void platform::keep_windows_alive() {
    QCoreApplication::instance()->installEventFilter(&hold());
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&hold());
}

void qt::finish_send() {
    hold().ending = true;
    platform::end_send();
    hold().ending = false;
    hold().release();
}

}  // namespace korvane
