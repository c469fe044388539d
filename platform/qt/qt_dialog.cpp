// Windows and controls with Qt 6 Widgets. A handle names a dialog from its
// creation until its modal run ends; calls with a handle that names no dialog
// (any more) do nothing, as Win32 calls on a destroyed window do.

#include <map>
#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QListWidget>

#include "platform/dialog.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_speech.h"

namespace korvane {
namespace {

using platform::WindowHandle;

struct Registry;
Registry& registry();

// Handles are never reused, so a stale one cannot reach a newer dialog. The
// last ended dialog goes when the application object does, before Qt's own
// clean-up, which a window still shown would not survive.
struct Registry {
    Registry() {
        qAddPostRoutine([] { registry().last_ended.reset(); });
    }
    std::map<WindowHandle, std::unique_ptr<qt::DialogWindow>> dialogs;
    std::unique_ptr<qt::DialogWindow> last_ended;
    WindowHandle last_handle = platform::kNoWindow;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

QWidget* find_control(WindowHandle window, int id) {
    qt::DialogWindow* dialog = qt::find_dialog(window);
    return dialog ? dialog->control(id) : nullptr;
}

QListWidget* find_list(WindowHandle window, int id) {
    return qobject_cast<QListWidget*>(find_control(window, id));
}

}  // namespace

qt::DialogWindow* qt::find_dialog(WindowHandle window) {
    const auto it = registry().dialogs.find(window);
    return it == registry().dialogs.end() ? nullptr : it->second.get();
}

WindowHandle platform::create_dialog(const std::string& caption, int width, int height) {
    const WindowHandle handle = ++registry().last_handle;
    registry().dialogs[handle] = std::make_unique<qt::DialogWindow>(handle, caption, width, height);
    return handle;
}

void platform::add_control(WindowHandle window, const ControlLayout& control) {
    if (qt::DialogWindow* dialog = qt::find_dialog(window)) {
        dialog->add_control(control);
    }
}

void platform::set_control_name(WindowHandle window, int id, const std::string& name) {
    if (QWidget* control = find_control(window, id)) {
        control->setAccessibleName(qt::widget_text(name));
    }
}

void platform::set_control_text(WindowHandle window, int id, const std::string& text) {
    if (QWidget* control = find_control(window, id)) {
        qt::set_widget_text(control, text);
        qt::speak_after_send(qt::widget_text(text));
    }
}

void platform::set_caption(WindowHandle window, const std::string& caption) {
    if (qt::DialogWindow* dialog = qt::find_dialog(window)) {
        dialog->setWindowTitle(qt::widget_text(caption));
        qt::speak_after_send(dialog->windowTitle());
    }
}

void platform::add_list_line(WindowHandle window, int id, const std::string& line,
                             const std::string& spoken) {
    if (QListWidget* list = find_list(window, id)) {
        qt::add_line(list, line, spoken, qt::find_dialog(window)->control_style(id) & kSorted);
    }
}

void platform::clear_list(WindowHandle window, int id) {
    if (QListWidget* list = find_list(window, id)) {
        list->clear();
        qt::refocus_after_send(list);
    }
}

std::string platform::selected_list_line(WindowHandle window, int id) {
    const QListWidget* list = find_list(window, id);
    return list ? qt::selected_line(list) : std::string();
}

// A close request ends the dialog through QDialog::reject. The
// handle dies with the run, but the dialog stays on screen until the next one
// is shown: the farewell at exit sounds while it is there, so an Escape still
// reaches the program and cuts it short.
void platform::run_modal(WindowHandle window) {
    qt::DialogWindow* dialog = qt::find_dialog(window);
    if (!dialog) {
        return;
    }
    qt::follow_desktop();
    dialog->show();
    registry().last_ended.reset();
    dialog->wait_until_ended();
    registry().last_ended = std::move(registry().dialogs[window]);
    registry().dialogs.erase(window);
}

void platform::end_dialog(WindowHandle window) {
    if (qt::DialogWindow* dialog = qt::find_dialog(window)) {
        dialog->done(QDialog::Rejected);
    }
}

}  // namespace korvane
