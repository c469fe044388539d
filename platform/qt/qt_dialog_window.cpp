#include "platform/qt/qt_dialog_window.h"

#include <algorithm>

#include <QAbstractButton>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>

#include "platform/keyboard_rules.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_send.h"
#include "platform/qt/qt_speech.h"
#include "platform/sound.h"

namespace korvane::qt {
namespace {

// Qt substitutes the nearest font the machine has.
QFont dialog_font() {
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

DialogBaseUnits base_units_of(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters_advance = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return dialog_base_units(letters_advance, metrics.height());
}

bool is_enter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool has_no_modifier_but_keypad(const QKeyEvent& event) {
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool is_alt(const QKeyEvent& event) {
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

// A typed character: no modifier but Shift, which letter case ignores.
bool is_typed(const QKeyEvent& event) {
    return (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

}  // namespace

DialogWindow::DialogWindow(platform::WindowHandle handle, const std::string& caption, int width,
                           int height)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      handle_(handle),
      base_(base_units_of(dialog_font())) {
    setFont(dialog_font());
    setWindowTitle(widget_text(caption));
    setModal(true);
    setFixedSize(horizontal_pixels(width, base_), vertical_pixels(height, base_));
    centre_frame();
}

void DialogWindow::add_control(const platform::ControlLayout& layout) {
    QWidget* widget = make_control(layout, this, base_);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const int id = layout.id;
        connect(button, &QAbstractButton::clicked, this, [this, id] { click(id); });
    }
    // As on Windows, the last label before a text box names it.
    const auto label = std::find_if(controls_.rbegin(), controls_.rend(), [](const Control& c) {
        return c.kind == platform::ControlKind::label;
    });
    if (layout.kind == platform::ControlKind::edit && label != controls_.rend()) {
        static_cast<QLabel*>(label->widget)->setBuddy(widget);
    }
    controls_.push_back(Control{layout.id, layout.kind, layout.style, layout.handler, widget});
}

QWidget* DialogWindow::control(int id) const {
    const Control* c = find(id);
    return c ? c->widget : nullptr;
}

unsigned DialogWindow::control_style(int id) const {
    const Control* c = find(id);
    return c ? c->style : 0;
}

void DialogWindow::wait_until_ended() {
    if (!ended_) {
        run_.exec(QEventLoop::DialogExec);
    }
}

void DialogWindow::done(int result) {
    setResult(result);
    ended_ = true;
    run_.exit();
}

// A close request (the window manager's close, Alt+F4) during a send stops
// the send, as Escape does (outside a send a stop does nothing); QDialog then
// ends the dialog as it would when idle.
void DialogWindow::closeEvent(QCloseEvent* event) {
    platform::stop_send();
    QDialog::closeEvent(event);
}

// Enter and Escape never reach QDialog, whose own handling would close the
// dialog on Escape and click a default button on Enter.
void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (has_no_modifier_but_keypad(*event) && is_enter(*event)) {
        click(platform::enter_target(focused_push_button(), find(platform::kConfirmId)));
    } else if (has_no_modifier_but_keypad(*event) && event->key() == Qt::Key_Escape) {
        click(platform::escape_target(find(platform::kCancelId)));
    } else if (!click_access_key(*event)) {
        QDialog::keyPressEvent(event);
    }
}

// The frame is known only once the window exists: offscreen as it is shown,
// under X11 when the window manager has framed it, which moves the window.
// A move that comes with a new frame size centres the dialog again; the
// user's own moves keep the frame's size and are left alone.
void DialogWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (frameGeometry().size() != centred_frame_) {
        centre_frame();
    }
}

void DialogWindow::centre_frame() {
    QRect frame = frameGeometry();
    centred_frame_ = frame.size();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

const DialogWindow::Control* DialogWindow::find(int id) const {
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [id](const Control& c) { return c.id == id; });
    return it == controls_.end() ? nullptr : &*it;
}

const DialogWindow::Control* DialogWindow::focused_control() const {
    const QWidget* focused = focusWidget();
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [focused](const Control& c) { return c.widget == focused; });
    return it == controls_.end() ? nullptr : &*it;
}

int DialogWindow::focused_push_button() const {
    const Control* focused = focused_control();
    return focused && focused->kind == platform::ControlKind::push_button ? focused->id
                                                                          : platform::kNoControl;
}

// Text boxes and list boxes take typing (a list box selects the next line
// that starts with the letter); elsewhere a marked letter alone clicks its
// button, as Alt and the letter do everywhere. Alt and a letter come here only
// when no shortcut took them: held back during a send, and delivered after it.
bool DialogWindow::click_access_key(const QKeyEvent& event) const {
    const Control* focused = focused_control();
    const bool takes_typing = focused && (focused->kind == platform::ControlKind::edit ||
                                          focused->kind == platform::ControlKind::list_box);
    if (!is_alt(event) && (!is_typed(event) || takes_typing)) {
        return false;
    }
    const QKeySequence access_key(QKeyCombination(Qt::AltModifier, Qt::Key(event.key())));
    for (const Control& c : controls_) {
        auto* button = qobject_cast<QAbstractButton*>(c.widget);
        if (button && QKeySequence::mnemonic(button->text()) == access_key) {
            button->click();
            return true;
        }
    }
    return false;
}

void DialogWindow::click(int id) const {
    const Control* c = find(id);
    if (!ended_ && c && c->handler) {
        hold_speech();
        c->handler(handle_, platform::kWmCommand, platform::click_wparam(id), 0);
        finish_send();
    }
}

}  // namespace korvane::qt
