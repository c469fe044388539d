#include "platform/qt/qt_controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextOption>

namespace korvane::qt {
namespace {

using platform::ControlLayout;

// Lines compare as the classic list box sorts them: letter case does not count.
bool less_ignoring_case(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QPushButton* make_button(QWidget* parent) {
    auto* button = new QPushButton(parent);
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
    auto* box = new QLineEdit(parent);
    box->setReadOnly(layout.style & platform::kReadOnly);
    box->setAlignment((layout.style & platform::kCentered ? Qt::AlignHCenter : Qt::AlignLeft) |
                      Qt::AlignVCenter);
    box->setFrame(layout.style & platform::kStaticEdge);
    return box;
}

QListWidget* make_list(const ControlLayout& layout, QWidget* parent) {
    auto* list = new QListWidget(parent);
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
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
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
    } else if (auto* panel = qobject_cast<QPlainTextEdit*>(control)) {
        panel->setPlainText(widget_text(text));
    }
}

void add_line(QListWidget* list, const std::string& line, bool sorted) {
    const QString text = widget_text(line);
    int row = list->count();
    if (sorted) {
        // After every line that does not sort above the new one, as Win32 list boxes insert.
        while (row > 0 && less_ignoring_case(text, list->item(row - 1)->text())) {
            --row;
        }
    }
    list->insertItem(row, text);
}

std::string selected_line(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? std::string() : selected.front()->text().toLatin1().toStdString();
}

}  // namespace korvane::qt
