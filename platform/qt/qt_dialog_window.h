#pragma once
// The Qt dialog behind a window handle: a fixed-size modal window without a
// close box whose Enter and Escape keys follow the classic dialog rules.

#include <string>
#include <vector>

#include <QDialog>

#include "platform/dialog.h"
#include "platform/qt/dialog_units.h"

class QKeyEvent;

namespace korvane::qt {

class DialogWindow final : public QDialog {
  public:
    // A hidden dialog of `width` x `height` dialog units, centred on the primary screen.
    DialogWindow(platform::WindowHandle handle, const std::string& caption, int width, int height);

    void add_control(const platform::ControlLayout& layout);

    // The widget of control `id`, or nullptr when the dialog has none.
    QWidget* control(int id) const;

    // The style bits control `id` was created with; 0 when the dialog has no such control.
    unsigned control_style(int id) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Control {
        int id;
        platform::ControlKind kind;
        unsigned style;
        platform::CommandHandler handler;
        QWidget* widget;
    };

    const Control* find(int id) const;
    int focused_push_button() const;
    // Delivers a click on control `id` to its handler; kNoControl clicks nothing.
    void click(int id) const;

    platform::WindowHandle handle_;
    DialogBaseUnits base_;
    std::vector<Control> controls_;
};

// The dialog behind `window`, or nullptr once it has ended (or never existed).
DialogWindow* find_dialog(platform::WindowHandle window);

}  // namespace korvane::qt
