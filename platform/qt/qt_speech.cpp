// A screen reader hears of a change where the focus is not only when the
// program tells it, and never over the Morse: what a click handler changes is
// held until its send has been heard, and told from the place where the
// change shows.
//
// Qt 6.4 has no announcement of its own on Linux, and its name and
// description changes carry the object rather than the new text, which Orca
// cannot speak. What Orca 43 speaks of an object without the focus is a
// notification that shows (scripts/default.py, onShowingChanged), without
// its role name when it lies in a status bar (speech_generator.py,
// _generateRoleName; script_utilities.py, isStatusBarNotification). So each
// dialog has, out of sight, a status bar holding one notification, whose name
// is the text to tell and which Qt shows again for each.

#include "platform/qt/qt_speech.h"

#include <utility>
#include <vector>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace korvane::qt {
namespace {

class NoticeBar final : public QWidget {
  public:
    using QWidget::QWidget;
};

class Notice final : public QWidget {
  public:
    using QWidget::QWidget;
};

// For a screen reader the status bar lies outside the dialog, so that a
// notice is told without the dialog's caption and role before it, which Orca
// adds to anything shown in a dialog (speech_generator.py, _generateNewAncestors).
class NoticeBarInterface final : public QAccessibleWidget {
  public:
    explicit NoticeBarInterface(QWidget* bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    }
};

QAccessibleInterface* notice_interface(const QString&, QObject* object) {
    if (auto* bar = dynamic_cast<NoticeBar*>(object)) {
        return new NoticeBarInterface(bar);
    }
    if (auto* notice = dynamic_cast<Notice*>(object)) {
        return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    return nullptr;
}

// The notification of the window `control` is in, made at its first use: no
// bigger than nothing, so that nobody sees it, and never taking the focus.
Notice* notice_of(QWidget* control) {
    QWidget* window = control->window();
    const QString name = QStringLiteral("notice");
    if (auto* notice = window->findChild<QWidget*>(name)) {
        return static_cast<Notice*>(notice);
    }
    static const bool installed = (QAccessible::installFactory(notice_interface), true);
    static_cast<void>(installed);
    auto* bar = new NoticeBar(window);
    bar->setGeometry(0, 0, 0, 0);
    auto* notice = new Notice(bar);
    notice->setObjectName(name);
    bar->show();
    return notice;
}

void tell(QWidget* control, const QString& text) {
    Notice* notice = notice_of(control);
    notice->hide();
    notice->setAccessibleName(text.simplified());
    notice->show();
}

struct Held {
    bool holding = false;
    QStringList texts;
    std::vector<QPointer<QListWidget>> lists;
};

Held& held() {
    static Held instance;
    return instance;
}

}  // namespace

void hold_speech() {
    held().holding = true;
}

void speak_after_send(const QString& text) {
    if (held().holding) {
        held().texts.push_back(text);
    }
}

void refocus_after_send(QListWidget* list) {
    if (held().holding) {
        held().lists.emplace_back(list);
    }
}

// A refilled list takes the focus to its first line; where it has the focus,
// Orca speaks that line with the caption and the list around it, since the
// line it had is gone (speech_generator.py, _generateNewAncestors), which
// says all the handler changed. Elsewhere what changed is told as a notice.
void release_speech() {
    Held now = std::exchange(held(), {});
    bool told = false;
    for (const auto& list : now.lists) {
        if (list && list->count() > 0) {
            list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
            told = told || list->hasFocus();
        }
    }
    if (QWidget* focus = QApplication::focusWidget(); focus && !told && !now.texts.isEmpty()) {
        tell(focus, now.texts.join(QStringLiteral(". ")));
    }
}

}  // namespace korvane::qt
