// While a send waits, Qt's events are processed, so the windows repaint and
// answer the desktop. User input is taken out of the way first, as the rule
// for input during a send says: what is held is kept with its receiver and
// posted to it in order once the send has ended, as Windows leaves input in
// the queue until the program reads it again.

#include "platform/qt/qt_send.h"

#include <memory>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include "platform/backend/sending.h"
#include "platform/qt/qt_speech.h"
#include "platform/sound.h"

namespace korvane {
namespace {

// Sorts an event that reaches the application into the kinds of the rule for
// input during a send.
platform::SendEvent sorted(const QEvent& event) {
    if (event.type() == QEvent::UpdateRequest) {
        return platform::SendEvent::paint;
    }
    if (dynamic_cast<const QInputEvent*>(&event) == nullptr) {
        return platform::SendEvent::desktop;
    }
    if (event.type() == QEvent::ShortcutOverride) {
        return platform::SendEvent::shortcut;
    }
    const bool escape = event.type() == QEvent::KeyPress &&
                        static_cast<const QKeyEvent&>(event).key() == Qt::Key_Escape;
    return escape ? platform::SendEvent::escape : platform::SendEvent::input;
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
        switch (platform::during_send(sorted(*event), ending)) {
            case platform::DuringSend::pass:
                return false;
            case platform::DuringSend::refuse:
                event->accept();
                break;
            case platform::DuringSend::stop:
                platform::stop_send();
                break;
            case platform::DuringSend::hold:
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
    qt::release_speech();
    filter().held.release();
}

}  // namespace korvane
