// The conformance cases in the Windows windows: the mouse and the keys go in as the messages that
// Windows posts a program, handled by its message loop, and what the window shows is read back from
// the windows, the menu, the tooltips and the pointer that Windows holds.
#include <windows.h>

#include <commctrl.h>

#include "app/start_up.h"
#include "tests/conformance/front_end.h"
#include "toolkit/text_encoding.h"
#include "toolkit/win32/conversions.h"
#include "toolkit/win32/form_view.h"
#include "toolkit/win32/win32_platform.h"

namespace tarvex::conformance {
namespace {

// Programs are noted, never started.
struct NotingWin32Platform : win32::Win32Platform {
  std::function<void(const Text&)>* started = nullptr;
  void start_program(const Text& command_line, int) override {
    if (started && *started) (*started)(command_line);
  }
};

Text text_of(const std::wstring& text) { return Text(text.begin(), text.end()); }

std::wstring window_text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

class Win32FrontEnd : public FrontEnd {
 public:
  Win32FrontEnd() {
    static const bool prepared = (win32::prepare_process(), true);
    (void)prepared;
    platform_.started = &program_started;
    toolkit_.show_windows_in(platform_, input_);
    load_and_show(toolkit_, window_);
    platform_.pump_waiting();
    // The pointer comes over the window, as it does before a person does anything there: the view
    // makes its tooltips then.
    post(WM_MOUSEMOVE, 0, at_pixels({15, 15}));
  }

  frmMain& window() override { return window_; }

  void press(MouseButton button, TwipPoint at) override {
    held_ |= flag_of(button);
    post(button == MouseButton::Left    ? WM_LBUTTONDOWN
         : button == MouseButton::Right ? WM_RBUTTONDOWN
                                        : WM_MBUTTONDOWN,
         held_, at_pixels(at));
  }
  void release(MouseButton button, TwipPoint at) override {
    held_ &= ~flag_of(button);
    post(button == MouseButton::Left    ? WM_LBUTTONUP
         : button == MouseButton::Right ? WM_RBUTTONUP
                                        : WM_MBUTTONUP,
         held_, at_pixels(at));
  }
  void move_pointer(TwipPoint at) override { post(WM_MOUSEMOVE, held_, at_pixels(at)); }
  void turn_wheel(const Control& over, int delta) override {
    HWND child = view().control_window(over);
    RECT box{};
    GetWindowRect(child, &box);
    PostMessageW(child, WM_MOUSEWHEEL, MAKEWPARAM(0, delta),
                 MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2));
    platform_.pump_waiting();
  }
  // Shift is held in the thread's keyboard state while the message loop handles the key.
  void press_tab(bool with_shift) override {
    BYTE before[256], held[256];
    GetKeyboardState(before);
    CopyMemory(held, before, sizeof held);
    if (with_shift) held[VK_SHIFT] = 0x80;
    SetKeyboardState(held);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(VK_TAB, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1 | scan);
    PostMessageW(GetFocus(), WM_KEYUP, VK_TAB, 1 | scan | (3 << 30));
    platform_.pump_waiting();
    SetKeyboardState(before);
  }

  // What Windows asks the window for the pointer over its client area.
  PointerShape pointer() override {
    SendMessageW(view().window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(view().window()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor() == LoadCursorW(nullptr, MAKEINTRESOURCEW(32649) /* IDC_HAND */) ? PointerShape::PointingHand
                                                                                       : PointerShape::Arrow;
  }
  // The painted controls share one tool, the client area's.
  Text resting_tooltip() override { return tooltip_of(view().window()); }
  const Control* native_focus() override { return view().control_of(GetFocus()); }

  // What the change left to repaint, before the message loop paints it.
  Bounds repainted_by(const std::function<void()>& change) override {
    UpdateWindow(view().window());
    toolkit_.dispatch(change);
    RECT area{};
    GetUpdateRect(view().window(), &area, FALSE);
    return win32::to_twips(area, view().dpi());
  }
  Text title() override { return text_of(window_text(view().window())); }
  Text menu_caption(const Menu& item) override {
    wchar_t text[64] = {};
    GetMenuStringW(view().menu_bar(), view().menu_command_of(item), text, 64, MF_BYCOMMAND);
    return text_of(text);
  }
  Text widget_text(const Control& control) override {
    HWND child = view().control_window(control);
    return child ? text_of(window_text(child)) : Text();
  }
  Text widget_tooltip(const Control& control) override { return tooltip_of(view().control_window(control)); }
  bool widget_shown(const Control& control) override {
    HWND child = view().control_window(control);
    return child != nullptr && IsWindowVisible(child);
  }

 private:
  win32::FormView& view() { return *platform_.view_of(window_); }
  static WPARAM flag_of(MouseButton button) {
    return button == MouseButton::Left ? MK_LBUTTON : button == MouseButton::Right ? MK_RBUTTON : MK_MBUTTON;
  }
  LPARAM at_pixels(TwipPoint at) {
    return MAKELPARAM(win32::to_pixels(at.x, view().dpi()), win32::to_pixels(at.y, view().dpi()));
  }
  void post(UINT message, WPARAM wparam, LPARAM lparam) {
    PostMessageW(view().window(), message, wparam, lparam);
    platform_.pump_waiting();
  }
  Text tooltip_of(HWND tool_window) {
    wchar_t text[120] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = view().window();
    tool.uId = reinterpret_cast<UINT_PTR>(tool_window);
    tool.lpszText = text;
    SendMessageW(view().tooltips(), TTM_GETTEXTW, 120, reinterpret_cast<LPARAM>(&tool));
    return text_of(text);
  }

  NotingWin32Platform platform_;
  Toolkit toolkit_{platform_};
  UserInput input_{toolkit_};
  frmMain window_{toolkit_};
  WPARAM held_ = 0;
};

}  // namespace

std::unique_ptr<FrontEnd> open_front_end() { return std::make_unique<Win32FrontEnd>(); }

}  // namespace tarvex::conformance
