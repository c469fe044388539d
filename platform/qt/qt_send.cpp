// While a send waits, Qt's events are processed, so the windows repaint and
// answer the desktop. User input is taken out of the way first: Escape stops
// the send and is used up; every other key, click and move is held with its
// receiver, and posted to it in order once the send has ended, as Windows
// leaves input in the queue until the program reads it again.

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
        const auto* input = dynamic_cast<const QInputEvent*>(event);
        if (input == nullptr) {
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
        } else if (event->type() == QEvent::KeyPress &&
                   static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            platform::stop_send();
        } else {
            held_.emplace_back(receiver, input->clone());
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
    platform::end_send();
    hold().release();
}

}  // namespace korvane
