// The conformance cases in the Windows windows: the mouse and the keys go in as the messages that
// Windows posts a program, handled by its message loop, and what the window shows is read back from
// the windows, the menu, the tooltips and the pointer that Windows holds.
#include <windows.h>

#include <commctrl.h>
#include <functional>
#include <oleacc.h>
#include <utility>

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

AccessibleRole role_of(LONG role) {
  switch (role) {
    case ROLE_SYSTEM_CLIENT: return AccessibleRole::Window;
    case ROLE_SYSTEM_STATICTEXT: return AccessibleRole::StaticText;
    case ROLE_SYSTEM_TEXT: return AccessibleRole::Text;
    case ROLE_SYSTEM_COMBOBOX: return AccessibleRole::ComboBox;
    case ROLE_SYSTEM_LIST: return AccessibleRole::List;
    case ROLE_SYSTEM_CHECKBUTTON: return AccessibleRole::CheckBox;
    case ROLE_SYSTEM_RADIOBUTTON: return AccessibleRole::RadioButton;
    case ROLE_SYSTEM_PUSHBUTTON: return AccessibleRole::PushButton;
    case ROLE_SYSTEM_GRAPHIC: return AccessibleRole::Graphic;
    case ROLE_SYSTEM_LINK: return AccessibleRole::Link;
    case ROLE_SYSTEM_STATUSBAR: return AccessibleRole::StatusBar;
    case ROLE_SYSTEM_SPINBUTTON: return AccessibleRole::SpinButton;
    case ROLE_SYSTEM_MENUITEM: return AccessibleRole::MenuItem;
    default: return AccessibleRole::None;
  }
}

// One object's line, as MSAA answers for it: a control window's own object, or a painted part as a
// child number of the client object.
std::string line_of(IAccessible& object, LONG number) {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = number;
  const auto text = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR got = nullptr;
    Text read;
    if ((object.*get)(child, &got) == S_OK && got != nullptr) read = text_of(got);
    SysFreeString(got);
    return read;
  };
  VARIANT role{}, state{};
  object.get_accRole(child, &role);
  object.get_accState(child, &state);
  const LONG bits = state.vt == VT_I4 ? state.lVal : 0;
  const AccessibleStates states{.focusable = (bits & STATE_SYSTEM_FOCUSABLE) != 0,
                                .read_only = (bits & STATE_SYSTEM_READONLY) != 0,
                                .unavailable = (bits & STATE_SYSTEM_UNAVAILABLE) != 0,
                                .linked = (bits & STATE_SYSTEM_LINKED) != 0,
                                .checked = (bits & STATE_SYSTEM_MIXED)     ? 2
                                           : (bits & STATE_SYSTEM_CHECKED) ? 1
                                                                           : 0};
  return accessible_line(role_of(role.vt == VT_I4 ? role.lVal : 0), text(&IAccessible::get_accName),
                         text(&IAccessible::get_accValue), text(&IAccessible::get_accDescription), states);
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
  // The client object's children, as a screen reader in this process walks them. The client object
  // leaves out the frame, title bar and scroll bars, which are the window object's.
  std::vector<std::string> accessible_lines() override {
    std::vector<std::string> lines;
    IAccessible* client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(view().window(), static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&client))))
      return {"no client object"};
    LONG count = 0, got = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    AccessibleChildren(client, 0, count, children.data(), &got);
    for (VARIANT& child : children) {
      IAccessible* own = nullptr;
      if (child.vt == VT_DISPATCH && child.pdispVal != nullptr &&
          SUCCEEDED(child.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&own)))) {
        lines.push_back(line_of(*own, CHILDID_SELF));
        own->Release();
      } else if (child.vt == VT_I4) {
        lines.push_back(line_of(*client, child.lVal));
      }
      VariantClear(&child);
    }
    client->Release();
    return lines;
  }
  std::string reader_object_at(TwipPoint at) override {
    std::string line = "none";
    reader_finds(at, [&](IAccessible& object, LONG number) {
      line = number == CHILDID_SELF && &object == client_ ? "client" : line_of(object, number);
    });
    return line;
  }
  void reader_press_at(TwipPoint at) override {
    reader_finds(at, [](IAccessible& object, LONG number) {
      VARIANT child{};
      child.vt = VT_I4;
      child.lVal = number;
      object.accDoDefaultAction(child);
    });
    platform_.pump_waiting();
  }

 private:
  win32::FormView& view() { return *platform_.view_of(window_); }
  // The object that the client object's hit test finds at a point, as an object and a child number.
  void reader_finds(TwipPoint at, const std::function<void(IAccessible&, LONG)>& found) {
    if (FAILED(AccessibleObjectFromWindow(view().window(), static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&client_))))
      return;
    POINT point{win32::to_pixels(at.x, view().dpi()), win32::to_pixels(at.y, view().dpi())};
    ClientToScreen(view().window(), &point);
    VARIANT hit{};
    IAccessible* own = nullptr;
    if (client_->accHitTest(point.x, point.y, &hit) == S_OK) {
      if (hit.vt == VT_I4) found(*client_, hit.lVal);
      if (hit.vt == VT_DISPATCH &&
          SUCCEEDED(hit.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&own)))) {
        found(*own, CHILDID_SELF);
        own->Release();
      }
    }
    VariantClear(&hit);
    std::exchange(client_, nullptr)->Release();
  }
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
  IAccessible* client_ = nullptr;  // while a hit test is read
};

}  // namespace

std::unique_ptr<FrontEnd> open_front_end() { return std::make_unique<Win32FrontEnd>(); }

}  // namespace tarvex::conformance
