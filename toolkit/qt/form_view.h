#pragma once
// A window on the screen: its menu bar, its client area with the painted controls and the widgets of
// its windowed controls, made with Qt as the toolkit's WidgetView asks (widget_view.h); what the
// user does becomes UserActions. It decides nothing.
#include <QAction>
#include <QHash>
#include <QMenuBar>
#include <QWidget>
#include <optional>

#include "toolkit/qt/accessibility.h"
#include "toolkit/widget_view.h"

namespace tarvex::qt {

class Surface;

class FormView : public QWidget, public WidgetView {
 public:
  FormView(Form& form, UserInput& input);

  Surface& surface() const { return *surface_; }
  QMenuBar* menu_bar() const { return menu_bar_; }
  QWidget* widget_of(const Control& control) const { return widgets_.value(&control); }
  QAction* action_of(const Control& menu) const { return actions_.value(&menu); }
  Control* control_of(const QObject* widget) const { return controls_.value(widget); }

  // A command's outcome was announced: a screen reader is told.
  void outcome_announced() override {
    if (accessible_) accessible_->outcome_announced();
  }
  // The client area has painted a frame: the first one sets the window's icon after it.
  void set_icon_after_first_frame();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  void make_window() override;
  void retitle(const Text& caption) override;
  // Shown centred on the screen, its top-left corner on it; a modal window over its owner.
  void show_on_screen(WidgetView* owner, bool modal) override;
  // Hides, and is deleted later.
  void close_window() override;

  // Each menu item is a QAction, hidden rather than left out.
  void begin_menu_bar() override;
  void add_menu(Menu& title) override;
  void add_menu_item(const Menu& title, Menu& item) override;
  void show_menu(const Menu& menu) override;

  bool make_widget(Control& control) override;
  void stack_widget(const Control& control, const Control* above) override;
  void focus_widget_of(const Control& control) override;
  void show_all_properties(const Control& control) override;
  void show_property(const Control& control, PropertyId property) override;
  void repaint_area(Bounds area) override;

  // What the surface paints is announced through widgets that paint nothing themselves: each link,
  // and each read-out of labels.
  void build_accessible() override;
  void accessible_changed(const PropertyChange& change) override;

 private:
  void watch(QWidget* widget, Control* control);
  bool route_key(QEvent* event);

  QObject* input_link_;  // holds every connection from a widget to the toolkit
  QMenuBar* menu_bar_ = nullptr;
  Surface* surface_ = nullptr;
  QHash<const Control*, QWidget*> widgets_;
  QHash<const QObject*, Control*> controls_;
  QHash<const Control*, QAction*> actions_;
  std::optional<AccessibleView> accessible_;
  bool delivering_key_ = false;  // the focus that the toolkit moves meanwhile is the keyboard's
  const QObject* focus_taken_by_press_ = nullptr;
  bool icon_set_ = false;
};

}  // namespace tarvex::qt
