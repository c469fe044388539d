#include "platform/qt/qt_controls.h"

#include <algorithm>
#include <ranges>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCollator>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTextOption>

namespace korvane::qt {
namespace {

using platform::ControlLayout;

// A list line keeps the bytes it was added with, whatever its text shows.
constexpr int kLineBytesRole = Qt::UserRole;

// A push button that Alt and its marked letter click at once: a key press
// should be heard as soon as it is made, not after Qt's animated click. A
// letter that marks several buttons keeps Qt's way of moving the focus.
class AccessKeyButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut &&
            !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            click();
            return true;
        }
        return QPushButton::event(event);
    }
};

// A read-only value box that the focus leaves unselected: Qt would select its
// text on Tab before it tells a screen reader of the focus, and Orca would
// then read the value as a selection, then again with the box's name, and say
// "unselected" when it is left.
class ValueBox final : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QFocusEvent unselecting(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(isReadOnly() ? &unselecting : event);
    }
};

// A value box as a screen reader reads it. Qt's own gives each character a
// text-attribute run of its own that ends where it starts, from which Orca
// takes the line one character short (script_utilities.py,
// getLanguageAndDialectFromTextAttributes); here the whole text is one run.
class ValueBoxInterface final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ValueBoxInterface(ValueBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int, int* start, int* end) const override {
        *start = box()->hasSelectedText() ? box()->selectionStart() : 0;
        *end = *start + static_cast<int>(box()->selectedText().size());
    }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    // The character's cell on screen, from the font's advances across the text.
    QRect characterRect(int offset) const override {
        const QFontMetrics metrics(box()->font());
        const QString shown = box()->text();
        const QRect area = box()->contentsRect();
        const int left = area.left() + metrics.horizontalAdvance(shown.left(offset));
        return QRect(box()->mapToGlobal(QPoint(left, area.top())),
                     QSize(metrics.horizontalAdvance(shown.mid(offset, 1)), area.height()));
    }
    void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }

  private:
    ValueBox* box() const { return static_cast<ValueBox*>(widget()); }
};

QAccessibleInterface* value_box_interface(const QString&, QObject* object) {
    auto* box = dynamic_cast<ValueBox*>(object);
    return box ? new ValueBoxInterface(box) : nullptr;
}

// A single-selection list whose selected line stays selected, as on Windows:
// neither Ctrl+click, Ctrl+Space nor a click below the lines leaves it without one.
class SingleSelectionList final : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    // With no line selected, as in a list just refilled, End selects the last
    // line and Home, Up and Down the first, as in a Windows list box; Qt would
    // move from its current line, or take the first for End as well.
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && count() > 0 && selectedItems().isEmpty() &&
            (key == Qt::Key_End || key == Qt::Key_Home || key == Qt::Key_Up ||
             key == Qt::Key_Down)) {
            const int row = key == Qt::Key_End ? count() - 1 : 0;
            const bool moves = row != currentRow();
            setCurrentRow(row);
            if (!moves) {
                focus_line(row);  // the line had the focus unselected, as after a refill
            }
        } else {
            QListWidget::keyPressEvent(event);
        }
    }

    // A screen reader follows the line that has the focus, also the first one
    // a key or a refill gives it, which Qt itself announces only as selected.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        QListWidget::currentChanged(current, previous);
        if (current.isValid()) {
            focus_line(current.row());
        }
    }

  private:
    void focus_line(int row) {
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(row);
            QAccessible::updateAccessibility(&focus);
        }
    }

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        const auto command = QListWidget::selectionCommand(index, event);
        return !index.isValid() || command.testFlag(QItemSelectionModel::Deselect)
                   ? QItemSelectionModel::NoUpdate
                   : command;
    }
};

// Where a sorted list puts a new line: after every line that the user's
// locale orders before it or as equal to it, letter case not counting.
int sorted_row(const QListWidget* list, const QString& text) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto rows = std::views::iota(0, list->count());
    return static_cast<int>(
        std::ranges::upper_bound(rows, text, collator,
                                 [list](int row) { return list->item(row)->text(); }) -
        rows.begin());
}

QPushButton* make_button(QWidget* parent) {
    auto* button = new AccessKeyButton(parent);
    // Enter is handled by the dialog itself; Qt's default-button logic must not pick a button.
    button->setAutoDefault(false);
    return button;
}

QLabel* make_label(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A multi-line box wraps its lines at its width and scrolls only when asked to.
QPlainTextEdit* make_text_panel(const ControlLayout& layout, QWidget* parent) {
    auto* panel = new QPlainTextEdit(parent);
    panel->setTabChangesFocus(true);
    if (layout.style & platform::kReadOnly) {
        panel->setReadOnly(true);
        panel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    if (layout.style & platform::kCentered) {
        QTextOption option = panel->document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        panel->document()->setDefaultTextOption(option);
    }
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->setVerticalScrollBarPolicy(
        layout.style & platform::kVerticalScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    panel->setFrameStyle(layout.style & platform::kStaticEdge ? QFrame::Panel | QFrame::Sunken
                                                              : QFrame::NoFrame);
    panel->setLineWidth(1);
    return panel;
}

QLineEdit* make_line_box(const ControlLayout& layout, QWidget* parent) {
    static const bool installed = (QAccessible::installFactory(value_box_interface), true);
    static_cast<void>(installed);
    auto* box = new ValueBox(parent);
    box->setReadOnly(layout.style & platform::kReadOnly);
    box->setAlignment((layout.style & platform::kCentered ? Qt::AlignHCenter : Qt::AlignLeft) |
                      Qt::AlignVCenter);
    box->setFrame(layout.style & platform::kStaticEdge);
    return box;
}

QListWidget* make_list(const ControlLayout& layout, QWidget* parent) {
    auto* list = new SingleSelectionList(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(
        layout.style & platform::kVerticalScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    // The client edge is the deeper, two-pixel sunken edge.
    list->setFrameStyle(layout.style & platform::kClientEdge ? QFrame::WinPanel | QFrame::Sunken
                                                             : QFrame::NoFrame);
    return list;
}

QWidget* make_widget(const ControlLayout& layout, QWidget* parent) {
    switch (layout.kind) {
        case platform::ControlKind::push_button:
            return make_button(parent);
        case platform::ControlKind::label:
            return make_label(parent);
        case platform::ControlKind::edit:
            if (layout.style & platform::kMultiLine) {
                return make_text_panel(layout, parent);
            }
            return make_line_box(layout, parent);
        case platform::ControlKind::list_box:
            return make_list(layout, parent);
    }
    return nullptr;
}

}  // namespace

QString widget_text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QWidget* make_control(const ControlLayout& layout, QWidget* parent, DialogBaseUnits base) {
    QWidget* control = make_widget(layout, parent);
    control->setObjectName(QString::number(layout.id));
    control->setGeometry(horizontal_pixels(layout.x, base), vertical_pixels(layout.y, base),
                         horizontal_pixels(layout.width, base),
                         vertical_pixels(layout.height, base));
    if (layout.kind != platform::ControlKind::label) {
        control->setFocusPolicy(layout.style & platform::kTabStop ? Qt::StrongFocus
                                                                  : Qt::ClickFocus);
    }
    set_widget_text(control, layout.text ? layout.text : "");
    return control;
}

void set_widget_text(QWidget* control, const std::string& text) {
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        button->setText(widget_text(text));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(widget_text(text));
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->setText(widget_text(text));
        // Orca reads the line at the caret, and Qt gives it one character short at the end.
        box->home(false);
    } else if (auto* panel = qobject_cast<QPlainTextEdit*>(control)) {
        panel->setPlainText(widget_text(text));
    }
}

void add_line(QListWidget* list, const std::string& line, const std::string& spoken, bool sorted) {
    auto* item = new QListWidgetItem(widget_text(line));
    item->setData(kLineBytesRole, QByteArray::fromStdString(line));
    if (!spoken.empty()) {
        item->setData(Qt::AccessibleTextRole, widget_text(spoken));
    }
    list->insertItem(sorted ? sorted_row(list, item->text()) : list->count(), item);
}

std::string selected_line(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? std::string()
                              : selected.front()->data(kLineBytesRole).toByteArray().toStdString();
}

}  // namespace korvane::qt
