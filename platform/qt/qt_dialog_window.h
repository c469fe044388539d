#pragma once
// The Qt dialog behind a window handle: a fixed-size modal window without a
// close box, centred by its frame, whose Enter, Escape and access keys follow
// the classic dialog rules.

#include <string>
#include <vector>

#include <QDialog>
#include <QEventLoop>
#include <QSize>

#include "platform/dialog.h"
#include "platform/qt/dialog_units.h"

class QCloseEvent;
class QKeyEvent;
class QMoveEvent;

namespace korvane::qt {

class DialogWindow final : public QDialog {
  public:
    // A hidden dialog of `width` x `height` dialog units; it shows centred on the primary screen.
    DialogWindow(platform::WindowHandle handle, const std::string& caption, int width, int height);

    void add_control(const platform::ControlLayout& layout);

    // The widget of control `id`, or nullptr when the dialog has none.
    QWidget* control(int id) const;

    // The style bits control `id` was created with; 0 when the dialog has no such control.
    unsigned control_style(int id) const;

    // Returns once the shown dialog has ended. It stays shown, and inert: its
    // handlers are no longer called.
    void wait_until_ended();

    // Ends the dialog's run without hiding it; Escape and close requests come here too.
    void done(int result) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    struct Control {
        int id;
        platform::ControlKind kind;
        unsigned style;
        platform::CommandHandler handler;
        QWidget* widget;
    };

    const Control* find(int id) const;
    // The control that has the focus, or nullptr when none has.
    const Control* focused_control() const;
    int focused_push_button() const;
    // Clicks the button whose marked letter `event` types, when the focus is
    // on a control that takes no typing; false when no button answers.
    bool click_access_key(const QKeyEvent& event) const;
    // Delivers a click on control `id` to its handler; kNoControl clicks nothing.
    void click(int id) const;
    // Moves the dialog so that its frame, as far as it is known, is centred on the primary screen.
    void centre_frame();

    platform::WindowHandle handle_;
    DialogBaseUnits base_;
    std::vector<Control> controls_;
    QSize centred_frame_;  // the frame size the dialog was last centred with
    QEventLoop run_;
    bool ended_ = false;
};

// The dialog behind `window`, or nullptr once it has ended (or never existed).
DialogWindow* find_dialog(platform::WindowHandle window);

}  // namespace korvane::qt
