#pragma once
// One front end as the conformance cases see it: the main window loaded and shown in it, raw input
// delivered as its window system delivers it (a button at a point of the client area, the pointer
// moved, a wheel turned over a widget, a key to the focused widget), and what it shows afterwards,
// read from its own state (the pointer's shape, the tooltip, the focused widget, the area it was
// asked to repaint, what a widget or the title shows, what a screen reader meets). Each front end's
// harness implements it once; cases.cpp holds every case, the same for all of them.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "main_window/frm_main.h"
#include "toolkit/accessible.h"
#include "toolkit/widget_view.h"

namespace tarvex::conformance {

enum class MouseButton { Left, Right, Middle };

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;

  // The main window, shown and ready for input.
  virtual frmMain& window() = 0;

  // Raw input. A point is in twips of the main window's client area; a wheel's delta is in the
  // 120ths of a notch that the systems report.
  virtual void press(MouseButton button, TwipPoint at) = 0;
  virtual void release(MouseButton button, TwipPoint at) = 0;
  virtual void move_pointer(TwipPoint at) = 0;
  virtual void turn_wheel(const Control& over, int delta) = 0;
  // Tab, or Tab with Shift held, to the widget that has the focus.
  virtual void press_tab(bool with_shift) = 0;

  // What the client area shows where the pointer last moved: the pointer's shape, and the tooltip
  // that a resting pointer brings up (empty for none).
  virtual PointerShape pointer() = 0;
  virtual Text resting_tooltip() = 0;
  // The control whose widget has the window system's focus; nullptr for none.
  virtual const Control* native_focus() = 0;

  // The change made in one dispatch of the toolkit, and the area of the client area that the view
  // asked to be repainted for it, in twips (whole pixels, as the front end asked).
  virtual Bounds repainted_by(const std::function<void()>& change) = 0;
  // What the window's title, a menu item and a windowed control's widget show.
  virtual Text title() = 0;
  virtual Text menu_caption(const Menu& item) = 0;
  virtual Text widget_text(const Control& control) = 0;
  virtual Text widget_tooltip(const Control& control) = 0;
  virtual bool widget_shown(const Control& control) = 0;
  // What a screen reader meets in the client area, read from the front end's own accessibility: one
  // line (accessible_line) per object, in the order it walks them.
  virtual std::vector<std::string> accessible_lines() = 0;
  // A screen reader at a point of the client area: the line of the object it finds there ("client"
  // for the client object itself), and that object's default action taken.
  virtual std::string reader_object_at(TwipPoint at) = 0;
  virtual void reader_press_at(TwipPoint at) = 0;

  // Each program that the window asks the system to start, as its command line.
  std::function<void(const Text& command_line)> program_started;
};

// One accessible object as a line: its role, name, value and description, and its states as words,
//   combo box "First digit band" value "Brown" [focusable]
// An entry's mark as wrong is not among the states: every front end tells it in the description.
// A check box reads "checked" or "mixed" only, as unchecked and not checkable look alike in MSAA.
std::string accessible_line(AccessibleRole role, const Text& name, const Text& value, const Text& description,
                            const AccessibleStates& states);

// The front end of this test program, with a fresh main window.
std::unique_ptr<FrontEnd> open_front_end();

}  // namespace tarvex::conformance
