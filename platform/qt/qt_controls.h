#pragma once
// Child controls of a dialog as Qt widgets: creation from a control layout,
// texts and list lines.

#include <string>

#include <QString>

#include "platform/dialog.h"
#include "platform/qt/dialog_units.h"

class QListWidget;
class QWidget;

namespace korvane::qt {

// The program's text as Qt text: its bytes read as UTF-8, the desktop's
// encoding (bytes that are not UTF-8 show as U+FFFD), each CR LF a line break.
QString widget_text(const std::string& text);

// A new widget for `layout` inside `parent`, placed and sized in dialog units of `base`.
QWidget* make_control(const platform::ControlLayout& layout, QWidget* parent, DialogBaseUnits base);

// Sets the visible text of a button, label or text box; other widgets keep none.
void set_widget_text(QWidget* control, const std::string& text);

// Adds a line at the end, or where the locale's case-insensitive order puts it
// when `sorted`; a screen reader says `spoken` for it unless that is empty.
void add_line(QListWidget* list, const std::string& line, const std::string& spoken, bool sorted);

// The bytes of the selected line as they were added, or "" when none is selected.
std::string selected_line(const QListWidget* list);

}  // namespace korvane::qt
