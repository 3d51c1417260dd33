#include "drive/win32_hands.h"

#include <fstream>

#include "drive/property_text.h"
#include "toolkit/win32/conversions.h"
#include "toolkit/win32/form_view.h"
#include "toolkit/win32/picture.h"

namespace tarvex {

namespace {

LPARAM point_param(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

void mouse_click(HWND window, int x, int y) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point_param(x, y));
  PostMessageW(window, WM_LBUTTONUP, 0, point_param(x, y));
}

// An item of a list box (or of a drop-down's open list), scrolled into view first.
void click_list_item(HWND list, long index) {
  SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  mouse_click(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

void click_centre(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  mouse_click(window, client.right / 2, client.bottom / 2);
}

// The keys held with a key are the thread's key state, which the controls read as they take it.
class HeldKeys {
 public:
  HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(before_);
    BYTE state[256];
    std::copy(std::begin(before_), std::end(before_), std::begin(state));
    for (int key : keys) state[key] = 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(before_); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE before_[256];
};

void post_key(HWND window, UINT virtual_key, bool with_alt = false) {
  const UINT scan = MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16) | (with_alt ? (1 << 29) : 0);
  const LPARAM up = down | (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31);
  PostMessageW(window, with_alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtual_key, down);
  PostMessageW(window, with_alt ? WM_SYSKEYUP : WM_KEYUP, virtual_key, up);
}

bool put_on_clipboard(const Text& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool put = false;
  if (memory != nullptr) {
    auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), copy);
    copy[text.size()] = L'\0';
    GlobalUnlock(memory);
    put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!put) GlobalFree(memory);
  }
  CloseClipboard();
  return put;
}

UINT virtual_key_of(KeyPress press) {
  switch (press.name) {
    case KeyName::Enter: return VK_RETURN;
    case KeyName::Escape: return VK_ESCAPE;
    case KeyName::Tab:
    case KeyName::ShiftTab: return VK_TAB;
    case KeyName::Space: return VK_SPACE;
    case KeyName::Up: return VK_UP;
    case KeyName::Down: return VK_DOWN;
    case KeyName::Left: return VK_LEFT;
    case KeyName::Right: return VK_RIGHT;
    case KeyName::Alt: return ascii_upper(press.letter);
  }
  return 0;
}

HWND g_menu_window = nullptr;
UINT g_menu_key = 0;

void CALLBACK choose_in_open_menu(HWND, UINT, UINT_PTR timer, DWORD) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (!GetGUIThreadInfo(GetCurrentThreadId(), &thread) || (thread.flags & GUI_INMENUMODE) == 0) return;
  KillTimer(nullptr, timer);
  post_key(g_menu_window, g_menu_key);
}

}  // namespace

void Win32Hands::settle() {
  platform_.pump_waiting();
  platform_.pump_waiting();
}

win32::FormView& Win32Hands::active_view() {
  Form* window = toolkit_.active_window();
  win32::FormView* view = window ? platform_.view_of(*window) : nullptr;
  if (view == nullptr || view->window() == nullptr) throw ScriptError{"no window is on the screen"};
  if (GetActiveWindow() != view->window()) {
    SetForegroundWindow(view->window());
    SetActiveWindow(view->window());
    settle();
  }
  return *view;
}

HWND Win32Hands::window_of(const Control& control) {
  win32::FormView* view = platform_.view_of(control.form());
  HWND window = view ? view->control_window(control) : nullptr;
  if (window == nullptr) throw ScriptError{control.name() + " has no window of its own"};
  return window;
}

void Win32Hands::press_ok(HWND box) {
  if (HWND ok = GetDlgItem(box, IDOK)) click_centre(ok);
}

// From the keyboard, as the menu bar takes it: Alt and the title's access key open the menu, the
// item's access key chooses it.
void Win32Hands::click_menu_item(const Menu& item) {
  win32::FormView& view = active_view();
  const char16_t title_key = access_key(item.parent->Caption.get());
  const char16_t item_key = access_key(item.Caption.get());
  if (view.menu_command_of(item) == 0 || title_key == 0 || item_key == 0) {
    throw ScriptError{item.name() + " cannot be reached from the keyboard"};
  }
  // The item's key goes in once the menu is open and waits in its own loop.
  g_menu_window = view.window();
  g_menu_key = item_key;
  SetTimer(nullptr, 0, 10, choose_in_open_menu);
  {
    const HeldKeys alt{VK_MENU};
    post_key(view.window(), title_key, true);
  }
}

void Win32Hands::click(const Control& control, ClickTarget target) {
  if (target == ClickTarget::PaintedBox) {
    win32::FormView& view = active_view();
    const RECT box = win32::to_pixels(static_cast<const Placed&>(control), view.dpi());
    mouse_click(view.window(), (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    return;
  }
  HWND window = window_of(control);
  RECT client{};
  GetClientRect(window, &client);
  mouse_click(window, target == ClickTarget::LeftEnd ? 6 : client.right / 2, client.bottom / 2);
}

void Win32Hands::give_focus(const Control& control, bool /*by_mouse: Windows tells no reason*/) {
  SetFocus(window_of(control));
}

// Home, then Shift+End.
void Win32Hands::select_all(const Control& box) {
  HWND edit = window_of(box);
  post_key(edit, VK_HOME);
  settle();
  const HeldKeys shift{VK_SHIFT};
  post_key(edit, VK_END);
  settle();
}

void Win32Hands::erase(const Control& box) {
  HWND edit = window_of(box);
  if (GetWindowTextLengthW(edit) > 0) post_key(edit, VK_DELETE);
}

void Win32Hands::type_key(const Control& box, char16_t c) { PostMessageW(window_of(box), WM_CHAR, c, 1); }

// As a paste from the clipboard.
void Win32Hands::bring_in_whole(const Control& box, const Text& text) {
  if (!put_on_clipboard(text)) throw ScriptError{"the clipboard cannot take the text"};
  HWND edit = window_of(box);
  const HeldKeys control_key{VK_CONTROL};
  post_key(edit, 'V');
  PostMessageW(edit, WM_CHAR, 0x16, 1);  // Ctrl+V as the key translates
  settle();
}

void Win32Hands::pick(const Control& control, long index) {
  HWND list = window_of(control);
  if (control.kind() != ControlKind::ComboBox) return click_list_item(list, index);
  // Opened with the mouse, and the item clicked in the open list. A list that closes again at once
  // (the window manager moved the activation as the list appeared) is clicked again, as a person
  // would.
  for (int attempt = 0; attempt < 3 && !SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0); ++attempt) {
    click_centre(list);
    settle();
  }
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  if (!SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) || !GetComboBoxInfo(list, &parts) || parts.hwndList == nullptr) {
    throw ScriptError{control.name() + " did not open"};
  }
  click_list_item(parts.hwndList, index);
}

void Win32Hands::spin(const Control& arrows, int direction) {
  HWND window = window_of(arrows);
  RECT client{};
  GetClientRect(window, &client);
  mouse_click(window, client.right / 2, direction > 0 ? client.bottom / 4 : client.bottom * 3 / 4);
}

void Win32Hands::press(KeyPress key) {
  win32::FormView& view = active_view();
  HWND focus = GetFocus();
  HWND target = focus != nullptr && win32::FormView::of(focus) == &view ? focus : view.window();
  if (key.name != KeyName::ShiftTab && key.name != KeyName::Alt) return post_key(target, virtual_key_of(key));
  // Shift or Alt held while the key goes in.
  const HeldKeys held{key.name == KeyName::Alt ? VK_MENU : VK_SHIFT};
  post_key(target, virtual_key_of(key), key.name == KeyName::Alt);
  settle();
}

void Win32Hands::close(const Form& window) {
  win32::FormView* view = platform_.view_of(window);
  if (view == nullptr) throw ScriptError{window.name() + " is not on the screen"};
  PostMessageW(view->window(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

RgbPicture Win32Hands::capture(bool with_menu_bar) {
  win32::FormView& view = active_view();
  settle();
  HWND window = view.window();
  RECT frame{};
  GetWindowRect(window, &frame);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  int top = origin.y;
  if (with_menu_bar && view.menu_bar() != nullptr) {
    MENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (GetMenuBarInfo(window, OBJID_MENU, 0, &bar)) top = bar.rcBar.top;
  }
  const int width = client.right;
  const int height = origin.y + client.bottom - top;
  // The window's own pixels, its controls' included, as they stand on its surface.
  HDC source = GetDCEx(window, nullptr, DCX_WINDOW | DCX_CACHE);
  HDC copy = CreateCompatibleDC(source);
  void* bits = nullptr;
  HBITMAP pixels = win32::top_down_bitmap(copy, width, height, &bits);
  HGDIOBJ before = SelectObject(copy, pixels);
  BitBlt(copy, 0, 0, width, height, source, origin.x - frame.left, top - frame.top, SRCCOPY);
  GdiFlush();
  RgbPicture picture{width, height, {}};
  picture.rgb.resize(static_cast<std::size_t>(width) * height * 3);
  const auto* in = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
    picture.rgb[i * 3 + 0] = in[i * 4 + 2];
    picture.rgb[i * 3 + 1] = in[i * 4 + 1];
    picture.rgb[i * 3 + 2] = in[i * 4 + 0];
  }
  SelectObject(copy, before);
  DeleteObject(pixels);
  DeleteDC(copy);
  ReleaseDC(window, source);
  return picture;
}

void Win32Hands::shot(const std::string& file) {
  const std::string bytes = png_bytes(capture(true));
  std::ofstream out(file, std::ios::binary);
  if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
    throw ScriptError{"cannot write " + file};
  }
}

std::string Win32Hands::pixel(float x, float y) {
  const UINT dpi = active_view().dpi();
  const RgbPicture client = capture(false);
  const int px = static_cast<int>(pixels_of(x, dpi));
  const int py = static_cast<int>(pixels_of(y, dpi));
  if (px < 0 || py < 0 || px >= client.width || py >= client.height)
    throw ScriptError{"the point is outside the client area"};
  const std::size_t at = (static_cast<std::size_t>(py) * client.width + px) * 3;
  const std::uint32_t red = client.rgb[at], green = client.rgb[at + 1], blue = client.rgb[at + 2];
  return format_color(color_bgr(red | green << 8 | blue << 16));
}

}  // namespace tarvex
