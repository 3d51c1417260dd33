#pragma once
// A window on the screen: its menu bar, its client area with the painted controls, the widgets of
// its windowed controls, all built once from the window's record when it is first shown (a control
// that is hidden then gets its widget when it first becomes visible). Each change that the toolkit
// tells afterwards updates its one widget property or repaints its one control; what the user does
// becomes UserActions. It decides nothing.
#include <QAction>
#include <QHash>
#include <QMenuBar>
#include <QWidget>
#include <optional>

#include "toolkit/qt/accessibility.h"
#include "toolkit/window_view.h"

namespace tarvex::qt {

class Surface;

class FormView : public QWidget, public WindowView {
 public:
  FormView(Form& form, UserInput& input);

  Surface& surface() const { return *surface_; }
  QMenuBar* menu_bar() const { return menu_bar_; }
  QWidget* widget_of(const Control& control) const { return widgets_.value(&control); }
  QAction* action_of(const Control& menu) const { return actions_.value(&menu); }
  Control* control_of(const QObject* widget) const { return controls_.value(widget); }

  // Shown centred on the screen, its top-left corner on it; a modal window over its owner.
  void show_window(FormView* owner, bool modal);
  // The toolkit has unloaded the window (or its record is going away): the view lets go of the
  // record, hides and is deleted later.
  void close_for_toolkit();

  void property_changed(const PropertyChange& change) override;
  void outcome_announced() override {
    if (accessible_) accessible_->outcome_announced();
  }
  // The client area has painted a frame: the first one sets the window's icon after it.
  void set_icon_after_first_frame();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focus_widget_of(const Control& control) override;

 private:
  void build();
  void build_menus();
  void add_widget(Control& control);
  void build_accessible_areas();
  void watch(QWidget* widget, Control* control);
  void show_menu_property(QAction& action, const Menu& menu);
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
