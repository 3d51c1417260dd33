#pragma once
// A window on the screen: its menu bar, its client area with the painted controls and the Windows
// controls of its windowed controls, made as the toolkit's WidgetView asks (widget_view.h); what the
// user does becomes user actions. It decides nothing.
#include <windows.h>

#include <commctrl.h>
#include <map>
#include <vector>

#include "toolkit/pointer.h"
#include "toolkit/system_colors.h"
#include "toolkit/widget_view.h"

namespace tarvex::win32 {

class FormView : public WidgetView {
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

  // The program's writes into the controls are no input of the user.
  void property_changed(const PropertyChange& change) override;
  // The area that the changes of a delivery asked to repaint is handed to Windows at once.
  void changes_delivered() override;
  void outcome_announced() override;

  // The keys that the window acts on, taken from the message loop before Windows' own handling
  // (Tab, Enter, Esc, Space, the arrows, access keys). True when the message was taken.
  bool route_key(const MSG& message);
  // The view whose window is, or holds, a window handle; nullptr for none.
  static FormView* of(HWND window);

  // Lays the window out again at a new DPI, as Windows asks when it moves to another monitor.
  void apply_dpi(UINT dpi, const RECT* suggested);

 private:
  static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK control_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // A message of a control window handed on to the control's own procedure.
  LRESULT control_default(HWND child, UINT message, WPARAM wparam, LPARAM lparam);
  void make_window() override;
  bool make_widget(Control& control) override;
  void stack_widget(const Control& control, const Control* above) override;
  void show_property(const Control& control, PropertyId property) override;
  void show_all_properties(const Control& control) override;
  void show_tooltip(const Control& control) override;
  void retitle(const Text& caption) override;
  // Gathered until the delivery ends: every InvalidateRect is a round trip to Wine's server.
  void repaint_area(Bounds area) override;
  // Windows' menus have no hidden items: a change builds the menu bar anew, without them.
  void begin_menu_bar() override;
  void add_menu(Menu& title) override;
  void add_menu_item(const Menu& title, Menu& item) override;
  void end_menu_bar() override;
  void show_menu(const Menu&) override { build_menu_bar(); }
  // Shown centred on its monitor and never off it; a modal window disables its owner meanwhile.
  void show_on_screen(WidgetView* owner, bool modal) override;
  // The window goes; the object itself is deleted later, outside its window's messages.
  void close_window() override;
  void focus_widget_of(const Control& control) override;
  void accessible_changed(const PropertyChange& change) override;
  LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
  // What the user did to a control, seen by its own window procedure first.
  LRESULT handle_control(HWND child, Control& control, UINT message, WPARAM wparam, LPARAM lparam);
  // The notifications that controls send their window.
  void on_command(WPARAM wparam, LPARAM lparam);
  LRESULT on_notify(const NMHDR& header);
  void make_tooltips();
  // Adds a tool (TTM_ADDTOOLW) or gives it a new text (TTM_UPDATETIPTEXTW).
  void tell_tooltips(UINT message, HWND tool_window, const Text& text);
  // Hands a message of the mouse on to the tooltips; any other is left alone.
  void relay_to_tooltips(HWND from, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT colour_control(UINT message, HDC dc, HWND child);
  void make_brushes();
  void colours_changed(UINT message, WPARAM wparam, LPARAM lparam);

  void paint();
  HDC back_buffer(HDC screen);
  void release_back_buffer();
  // The painted parts' tooltips share one tool, the client area, whose text is that of the topmost
  // painted control under the pointer; the pointer takes the shape that the toolkit gives the point.
  void on_mouse_move(TwipPoint at);
  void fit_to_client(bool centre);

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HMENU menu_bar_ = nullptr;
  HMENU new_menu_bar_ = nullptr;        // while the menu bar is built anew
  std::map<const Menu*, HMENU> menus_;  // each visible title's menu, while the menu bar is built
  HWND tooltips_ = nullptr;
  Color face_ = kButtonFace;           // the window's background as designed
  HBRUSH background_ = nullptr;        // the face, as drawn
  HBRUSH entry_background_ = nullptr;  // inside entry boxes and lists, as drawn
  UINT dpi_ = 96;
  std::map<const Control*, HWND> windows_;
  std::map<HWND, Control*> controls_;
  std::map<HWND, WNDPROC> control_procs_;  // each control window's own procedure
  std::vector<Menu*> menu_items_;          // a menu command is 1 + the index here
  HRGN to_repaint_ = nullptr;              // what the changes of a delivery have asked to repaint so far
  const Control* tooltip_owner_ = nullptr;
  PointerShape pointer_ = PointerShape::Arrow;  // over the client area, where the pointer last moved
  int showing_ = 0;  // > 0 while the program writes into a control
  bool disabled_owner_ = false;
  std::vector<WPARAM> keys_taken_;  // keys whose press the window took: their release is taken too
  HDC buffer_dc_ = nullptr;
  HBITMAP buffer_ = nullptr;
  HGDIOBJ buffer_before_ = nullptr;
  SIZE buffer_size_{};
};

}  // namespace tarvex::win32
