#pragma once
// The driver's hands in the real windows: each action that the window takes is delivered to the
// widgets as real mouse and key events, which the Qt front end turns into the toolkit's actions as
// it does for a person.
#include <QWidget>

#include "drive/hands.h"
#include "toolkit/qt/qt_platform.h"

namespace tarvex {

namespace qt {
class FormView;
}

class QtHands : public Hands {
 public:
  QtHands(qt::QtPlatform& platform, Toolkit& toolkit) : platform_(platform), toolkit_(toolkit) {}

  void perform(const UserAction& action) override;
  void shot(const std::string& file) override;
  std::string pixel(float x, float y) override;

 private:
  void deliver(const action::Type& a);
  void deliver(const action::Focus& a);
  void deliver(const action::Click& a);
  void deliver(const action::Pick& a);
  void deliver(const action::Spin& a);
  void deliver(const action::Key& a);
  void deliver(const action::Close& a);
  // A script has no words for these: only a person's widgets make them.
  [[noreturn]] void deliver(const action::Edit&) { throw ScriptError{"a keystroke edit comes from a widget"}; }
  [[noreturn]] void deliver(const action::Select&) { throw ScriptError{"a selection comes from a widget"}; }
  [[noreturn]] void deliver(const action::Wheel&) { throw ScriptError{"the wheel comes from a widget"}; }

  // The active window's view, active and exposed, ready for input.
  qt::FormView& active_view();
  QWidget& widget_of(const Control& control);
  void click_menu_item(const Menu& item);
  void click_painted(const Control& control);
  // Lets Qt deliver what the action has posted (repaints, deferred deletes).
  static void settle();

  qt::QtPlatform& platform_;
  Toolkit& toolkit_;
};

}  // namespace tarvex
