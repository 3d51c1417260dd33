#include "drive/win32_hands.h"

#include <cstdio>
#include <fstream>
#include <variant>

#include "toolkit/win32/conversions.h"
#include "toolkit/win32/form_view.h"

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

// Plain ASCII is typed key by key; anything else (accents, symbols, control characters, long
// texts) goes in as a paste from the clipboard, as a person would bring it in.
bool types_key_by_key(const Text& text) {
  if (text.size() > 80) return false;
  for (char16_t c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
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
    case KeyName::Alt: return press.letter >= u'a' && press.letter <= u'z' ? press.letter - u'a' + u'A' : press.letter;
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

void Win32Hands::perform(const UserAction& action) {
  std::visit([this](const auto& a) { deliver(a); }, action);
}

void Win32Hands::deliver(const action::Type& a) {
  Control& control = a.control;
  const Text& text = a.text;
  active_view();
  HWND edit = window_of(control);
  click_centre(edit);
  settle();
  // All of the text selected (Home, then Shift+End), and the new text typed over it.
  post_key(edit, VK_HOME);
  settle();
  {
    const HeldKeys shift{VK_SHIFT};
    post_key(edit, VK_END);
    settle();
  }
  if (text.empty()) {
    if (GetWindowTextLengthW(edit) > 0) post_key(edit, VK_DELETE);
  } else if (types_key_by_key(text)) {
    for (char16_t c : text) PostMessageW(edit, WM_CHAR, c, 1);
  } else {
    if (!put_on_clipboard(text)) throw ScriptError{"the clipboard cannot take the text"};
    const HeldKeys control_key{VK_CONTROL};
    post_key(edit, 'V');
    PostMessageW(edit, WM_CHAR, 0x16, 1);  // Ctrl+V as the key translates
    settle();
  }
  settle();
}

void Win32Hands::deliver(const action::Focus& a) {
  Control& control = a.control;
  active_view();
  SetFocus(window_of(control));
  settle();
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

void Win32Hands::deliver(const action::Click& a) {
  Control& control = a.control;
  switch (control.kind()) {
    case ControlKind::Menu: click_menu_item(static_cast<const Menu&>(control)); break;
    case ControlKind::Label:
    case ControlKind::Image: {
      // Painted: the click lands on the window's client area, over the control.
      win32::FormView& view = active_view();
      const RECT box = win32::to_pixels(static_cast<const Placed&>(control), view.dpi());
      mouse_click(view.window(), (box.left + box.right) / 2, (box.top + box.bottom) / 2);
      break;
    }
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      // A click on a closed list opens it; what the user does next is a pick or nothing, so here
      // the click gives the focus only, as the click of a list that closes again at once.
      active_view();
      SetFocus(window_of(control));
      break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
      // On the box or circle itself, which takes the click whatever the caption's length.
      active_view();
      HWND button = window_of(control);
      RECT client{};
      GetClientRect(button, &client);
      mouse_click(button, 6, client.bottom / 2);
      break;
    }
    default:
      active_view();
      click_centre(window_of(control));
      break;
  }
  settle();
}

void Win32Hands::deliver(const action::Pick& a) {
  Control& control = a.control;
  const long index = a.index;
  active_view();
  HWND list = window_of(control);
  if (control.kind() == ControlKind::ComboBox) {
    // Opened with the mouse, and the item clicked in the open list. A list that closes again at
    // once (the window manager moved the activation as the list appeared) is clicked again, as a
    // person would.
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
  } else {
    click_list_item(list, index);
  }
  settle();
}

void Win32Hands::deliver(const action::Spin& a) {
  Control& control = a.control;
  const int direction = a.direction;
  active_view();
  HWND arrows = window_of(control);
  RECT client{};
  GetClientRect(arrows, &client);
  mouse_click(arrows, client.right / 2, direction > 0 ? client.bottom / 4 : client.bottom * 3 / 4);
  settle();
}

void Win32Hands::deliver(const action::Key& a) {
  const KeyPress press = a.press;
  win32::FormView& view = active_view();
  HWND focus = GetFocus();
  HWND target = focus != nullptr && win32::FormView::of(focus) == &view ? focus : view.window();
  if (press.name == KeyName::ShiftTab) {
    const HeldKeys shift{VK_SHIFT};
    post_key(target, VK_TAB);
    settle();
  } else if (press.name == KeyName::Alt) {
    const HeldKeys alt{VK_MENU};
    post_key(target, virtual_key_of(press), true);
    settle();
  } else {
    post_key(target, virtual_key_of(press));
  }
  settle();
}

void Win32Hands::deliver(const action::Close& a) {
  // The close box of the window the action names, which the toolkit lets through only while it is
  // the one that takes input.
  win32::FormView* view = platform_.view_of(a.window);
  if (view == nullptr) throw ScriptError{a.window.name() + " is not on the screen"};
  PostMessageW(view->window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  settle();
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
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP pixels = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
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
  const int px = static_cast<int>(win32::to_pixels_exact(x, dpi));
  const int py = static_cast<int>(win32::to_pixels_exact(y, dpi));
  if (px < 0 || py < 0 || px >= client.width || py >= client.height)
    throw ScriptError{"the point is outside the client area"};
  const std::size_t at = (static_cast<std::size_t>(py) * client.width + px) * 3;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%02X%02X%02X%02X", 0u, client.rgb[at + 2], client.rgb[at + 1],
                client.rgb[at]);
  return buffer;
}

}  // namespace tarvex
