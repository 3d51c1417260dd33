#include "toolkit/qt/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <iterator>
#include <limits>
#include <utility>

#include "toolkit/choices.h"
#include "toolkit/qt/accessibility.h"
#include "toolkit/qt/conversions.h"
#include "toolkit/view_changes.h"

namespace tarvex::qt {

namespace {

// Buttons whose checked state only the record sets: a click is reported, and the record's answer
// (a new Value, or none) comes back as a property change.
template <class Button>
class RecordButton : public Button {
 public:
  using Button::Button;

 protected:
  void nextCheckState() override {}
};

// The status bar: one line of text along the bottom of the window.
class SimpleStatusBar : public QStatusBar {
 public:
  explicit SimpleStatusBar(QWidget* parent) : QStatusBar(parent), text_(new QLabel(this)) {
    setSizeGripEnabled(false);
    addWidget(text_, 1);
  }
  void set_text(const QString& text) { text_->setText(text); }

 private:
  QLabel* text_;
};

// The selection of a line edit as (start, length); with nothing selected, the caret and 0.
std::pair<Long, Long> selection_of(const QLineEdit& edit) {
  if (!edit.hasSelectedText()) return {edit.cursorPosition(), 0};
  return {edit.selectionStart(), edit.selectionLength()};
}

QLineEdit* create_text_box(TextBox& box, QWidget* parent, UserInput& input, QObject* link) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setReadOnly(box.read_only);
  edit->setAlignment(to_qt_alignment(box.alignment) | Qt::AlignVCenter);
  QObject::connect(edit, &QLineEdit::textEdited, link, [edit, &box, &input](const QString& text) {
    const auto [start, length] = selection_of(*edit);
    input.perform(action::Edit{box, to_text(text), start, length});
  });
  const auto report_selection = [edit, &box, &input] {
    const auto [start, length] = selection_of(*edit);
    input.perform(action::Select{box, start, length});
  };
  QObject::connect(edit, &QLineEdit::cursorPositionChanged, link, report_selection);
  QObject::connect(edit, &QLineEdit::selectionChanged, link, report_selection);
  return edit;
}

QComboBox* create_drop_down(ListControl& list, QWidget* parent, UserInput& input, QObject* link) {
  auto* combo = new DropDown(parent);
  combo->setMaxVisibleItems(kOpenListItems);
  for (const Text& item : list.items()) combo->addItem(to_qstring(item));
  // Picking an item, even the selected one again, is a pick.
  QObject::connect(combo, &QComboBox::activated, link, [&list, &input](int index) {
    input.perform(action::Pick{list, index});
  });
  return combo;
}

QListWidget* create_list(ListControl& list, QWidget* parent, UserInput& input, QObject* link) {
  auto* widget = new QListWidget(parent);
  for (const Text& item : list.items()) widget->addItem(to_qstring(item));
  QObject::connect(widget, &QListWidget::currentRowChanged, link, [&list, &input](int row) {
    if (is_pick(list, row)) input.perform(action::Pick{list, row});
  });
  return widget;
}

template <class Button>
Button* create_button(Control& control, QWidget* parent, UserInput& input, QObject* link) {
  auto* button = new Button(parent);
  QObject::connect(button, &QAbstractButton::clicked, link,
                   [&control, &input] { input.perform(action::Click{control}); });
  return button;
}

QWidget* create_bare(Control& control, QWidget* parent, UserInput& input, QObject* link) {
  switch (control.kind()) {
    case ControlKind::TextBox: return create_text_box(static_cast<TextBox&>(control), parent, input, link);
    case ControlKind::ComboBox: return create_drop_down(static_cast<ListControl&>(control), parent, input, link);
    case ControlKind::ListBox: return create_list(static_cast<ListControl&>(control), parent, input, link);
    case ControlKind::CheckBox: {
      auto* box = create_button<RecordButton<QCheckBox>>(control, parent, input, link);
      box->setTristate(true);
      return box;
    }
    case ControlKind::OptionButton:
      // Exclusive, as the record's buttons are, so that it is announced as a radio button.
      return create_button<RecordButton<QRadioButton>>(control, parent, input, link);
    case ControlKind::CommandButton: {
      auto* button = create_button<QPushButton>(control, parent, input, link);
      button->setAutoDefault(false);
      button->setDefault(static_cast<CommandButton&>(control).is_default);
      return button;
    }
    case ControlKind::UpDown: return new SpinArrows(control, parent, input, link);
    case ControlKind::StatusBar: return new SimpleStatusBar(parent);
    default: return nullptr;
  }
}

// --- The binding: which widget property shows which record property ---

void show_geometry(QWidget& w, const Control& c) {
  const QRectF r = to_pixels(static_cast<const Placed&>(c));
  w.setGeometry(qRound(r.x()), qRound(r.y()), qRound(r.width()), qRound(r.height()));
}
void show_visible(QWidget& w, const Control& c) { w.setVisible(c.Visible); }
void show_enabled(QWidget& w, const Control& c) { w.setEnabled(c.enabled()); }
void show_tooltip(QWidget& w, const Control& c) { w.setToolTip(to_qstring(c.ToolTipText.get())); }
void show_caption(QWidget& w, const Control& c) { static_cast<QAbstractButton&>(w).setText(to_qstring(*c.caption())); }

// With nothing selected, the caret goes to SelStart.
void show_selection(QWidget& w, const Control& c) {
  const auto& box = static_cast<const TextBox&>(c);
  static_cast<QLineEdit&>(w).setSelection(static_cast<int>(box.SelStart.get()), static_cast<int>(box.SelLength.get()));
}
// A new text leaves the caret where the record says (setText alone would put it at the end).
void show_text(QWidget& w, const Control& c) {
  static_cast<QLineEdit&>(w).setText(to_qstring(static_cast<const TextBox&>(c).Text.get()));
  show_selection(w, c);
}
void show_text_colour(QWidget& w, const Control& c) {
  QPalette palette = w.palette();
  palette.setColor(QPalette::Text, to_qcolor(static_cast<const TextBox&>(c).ForeColor));
  w.setPalette(palette);
}
void show_list_index(QWidget& w, const Control& c) {
  const int index = static_cast<const ListControl&>(c).ListIndex;
  if (auto* drop_down = qobject_cast<QComboBox*>(&w)) {
    drop_down->setCurrentIndex(index);
  } else {
    auto& list = static_cast<QListWidget&>(w);
    list.setCurrentRow(index);
    if (index < 0) list.clearSelection();
  }
}
void show_value(QWidget& w, const Control& c) {
  const CheckMark mark = check_mark(c);
  if (auto* box = qobject_cast<QCheckBox*>(&w)) {
    box->setCheckState(mark == CheckMark::Checked  ? Qt::Checked
                       : mark == CheckMark::Greyed ? Qt::PartiallyChecked
                                                   : Qt::Unchecked);
    return;
  }
  auto& option = static_cast<QRadioButton&>(w);
  // The selected button of an exclusive set cannot be cleared by itself; the record can clear it.
  if (mark == CheckMark::Clear && option.isChecked()) {
    option.setAutoExclusive(false);
    option.setChecked(false);
    option.setAutoExclusive(true);
  } else {
    option.setChecked(mark == CheckMark::Checked);
  }
}
void show_status(QWidget& w, const Control& c) {
  static_cast<SimpleStatusBar&>(w).set_text(to_qstring(static_cast<const StatusBar&>(c).SimpleText.get()));
}

// How each part of a widget is shown, in the order of the parts; nullptr for none. The arrows only
// report a click: the toolkit keeps the spin value.
using Shower = void (*)(QWidget&, const Control&);
constexpr Shower kShowers[] = {nullptr,    show_geometry,  show_visible,     show_enabled,    show_tooltip,
                               show_text,  show_selection, show_text_colour, show_list_index, show_caption,
                               show_value, nullptr,        show_status};
static_assert(std::size(kShowers) == static_cast<std::size_t>(WidgetPart::StatusText) + 1);

void show_part(QWidget& w, const Control& c, WidgetPart part) {
  const QSignalBlocker program_write(w);
  if (const Shower show = kShowers[static_cast<std::size_t>(part)]) show(w, c);
}

}  // namespace

SpinArrows::SpinArrows(Control& control, QWidget* parent, UserInput& input, QObject* link)
    : QWidget(parent), control_(control) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const auto& [arrow, direction] : {std::pair{Qt::UpArrow, +1}, {Qt::DownArrow, -1}}) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    button->setAccessibleName(arrow == Qt::UpArrow ? QStringLiteral("Up") : QStringLiteral("Down"));
    layout->addWidget(button);
    QObject::connect(button, &QToolButton::clicked, link, [&control, &input, direction = direction] {
      input.perform(action::Spin{control, direction});
    });
  }
}

void DropDown::showPopup() {
  if (!QApplication::palette(view()).isCopyOf(QApplication::palette())) view()->setPalette(window()->palette());
  QComboBox::showPopup();
}

QWidget* create_widget(Control& control, QWidget* parent, UserInput& input, QObject* link) {
  QWidget* widget = create_bare(control, parent, input, link);
  if (widget == nullptr) return nullptr;
  widget->setObjectName(QString::fromStdString(control.name()));
  widget->setFont(to_qfont(control.widget_font()));
  const AccessibleObject object = accessible_object(control);
  if (!object.name.empty()) widget->setAccessibleName(to_qstring(object.name));
  if (!object.description.empty()) widget->setAccessibleDescription(to_qstring(object.description));
  show_all_properties(*widget, control);
  return widget;
}

void show_property(QWidget& widget, const Control& control, PropertyId property) {
  show_part(widget, control, widget_part(control.kind(), property));
}

void show_all_properties(QWidget& widget, const Control& control) {
  for (WidgetPart part : widget_parts(control)) show_part(widget, control, part);
}

}  // namespace tarvex::qt
