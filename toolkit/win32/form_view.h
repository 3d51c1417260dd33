#pragma once
// A window on the screen: its menu bar, its client area with the painted controls, the Windows
// controls of its windowed controls, built when the window is loaded and brought to its record when
// it is shown. Each property that changes afterwards updates its one control or repaints its one
// painted control; what the user does becomes user actions. It decides nothing.
#include <windows.h>

#include <commctrl.h>
#include <map>
#include <vector>

#include "toolkit/view_rules.h"
#include "toolkit/window_view.h"

namespace tarvex::win32 {

class FormView : public WindowView {
 public:
  // A window other than the start-up window is owned by the window that loads it.
  FormView(Form& form, UserInput& input, HWND owner);
  ~FormView() override;

  HWND window() const { return window_; }
  HMENU menu_bar() const { return menu_bar_; }
  // The system's tooltip window of the controls, nullptr until the pointer first comes over the window.
  HWND tooltips() const { return tooltips_; }
  HWND control_window(const Control& control) const;
  Control* control_of(HWND child) const;
  // The menu command of an item of the menu bar, 0 for none.
  UINT menu_command_of(const Menu& item) const;
  UINT dpi() const { return dpi_; }

  // Shown centred on its monitor and never off it; a modal window disables its owner meanwhile.
  void show_window(FormView* owner, bool modal);
  // The toolkit has unloaded the window (or its record is going away): the view lets go of the
  // record and its window. The object itself is deleted later, outside its window's messages.
  void close_for_toolkit();

  void property_changed(const PropertyChange& change) override;
  void changes_delivered() override;
  void outcome_announced() override;

  // The keys that the window acts on, taken from the message loop before Windows' own handling
  // (Tab, Enter, Esc, Space, the arrows, access keys). True when the message was taken.
  bool route_key(const MSG& message);
  // The view whose window is, or holds, a window handle; nullptr for none.
  static FormView* of(HWND window);

  // Lays the window out again at a new DPI, as Windows asks when it moves to another monitor.
  void apply_dpi(UINT dpi, const RECT* suggested);

  // How many control properties and painted controls the view has updated since it was built, and
  // how many frames it has painted.
  long widget_updates() const { return widget_updates_; }
  long frames_painted() const { return frames_painted_; }

 private:
  static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK control_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // A message of a control window handed on to the control's own procedure.
  LRESULT control_default(HWND child, UINT message, WPARAM wparam, LPARAM lparam);
  void focus_widget_of(const Control& control) override;
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
  // What the user did to a control, seen by its own window procedure first.
  LRESULT handle_control(HWND child, Control& control, UINT message, WPARAM wparam, LPARAM lparam);
  // The notifications that controls send their window.
  void on_command(WPARAM wparam, LPARAM lparam);
  LRESULT on_notify(const NMHDR& header);
  void build();
  void add_control_window(Control& control);
  void make_tooltips();
  // Adds a tool (TTM_ADDTOOLW) or gives it a new text (TTM_UPDATETIPTEXTW).
  void tell_tooltips(UINT message, HWND tool_window, const Text& text);
  // Hands a message of the mouse on to the tooltips; any other is left alone.
  void relay_to_tooltips(HWND from, UINT message, WPARAM wparam, LPARAM lparam);
  void show_tooltip(const Control& control);
  LRESULT colour_control(UINT message, HDC dc, HWND child);

  void build_menus();
  void paint();
  HDC back_buffer(HDC screen);
  void release_back_buffer();
  void repaint_control(const Control& control);
  // The painted parts' tooltips share one tool, the client area, whose text is that of the topmost
  // painted control under the pointer.
  void on_mouse_move(TwipPoint at);
  void fit_to_client(bool centre);

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HMENU menu_bar_ = nullptr;
  HWND tooltips_ = nullptr;
  HBRUSH background_ = nullptr;
  UINT dpi_ = 96;
  std::map<const Control*, HWND> windows_;
  std::map<HWND, Control*> controls_;
  std::map<HWND, WNDPROC> control_procs_;  // each control window's own procedure
  std::vector<Menu*> menu_items_;          // a menu command is 1 + the index here
  HRGN to_repaint_ = nullptr;              // what the changes of a delivery have asked to repaint so far
  const Control* tooltip_owner_ = nullptr;
  int showing_ = 0;  // > 0 while the program writes into a control
  bool disabled_owner_ = false;
  std::vector<WPARAM> keys_taken_;  // keys whose press the window took: their release is taken too
  HDC buffer_dc_ = nullptr;
  HBITMAP buffer_ = nullptr;
  HGDIOBJ buffer_before_ = nullptr;
  SIZE buffer_size_{};
  long widget_updates_ = 0;
  long frames_painted_ = 0;
};

}  // namespace tarvex::win32
