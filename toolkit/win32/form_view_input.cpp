// What the user does to a window's controls, turned into UserInput calls: the focus that Windows
// moves on a click, the keys that the window acts on (Tab, Enter, Esc, Space, arrows, access keys),
// the controls' notifications and the wheel over a list. Windows' own dialog navigation and focus
// never decide: the toolkit does.
#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <optional>
#include <utility>

#include "toolkit/choices.h"
#include "toolkit/keys.h"
#include "toolkit/win32/accessibility.h"
#include "toolkit/win32/controls.h"
#include "toolkit/win32/conversions.h"
#include "toolkit/win32/form_view.h"

namespace tarvex::win32 {

namespace {

bool held(int virtual_key) { return (GetKeyState(virtual_key) & 0x8000) != 0; }

std::optional<KeyPress> key_press_of(const MSG& message) {
  constexpr std::pair<WPARAM, KeyName> kNamed[] = {
      {VK_TAB, KeyName::Tab}, {VK_RETURN, KeyName::Enter}, {VK_ESCAPE, KeyName::Escape}, {VK_SPACE, KeyName::Space},
      {VK_UP, KeyName::Up},   {VK_DOWN, KeyName::Down},    {VK_LEFT, KeyName::Left},     {VK_RIGHT, KeyName::Right}};
  const WPARAM key = message.wParam;
  // Alt comes with the key itself (a system key); a key that comes without it while Alt is held is
  // Alt's own business.
  const bool alt = message.message == WM_SYSKEYDOWN && (message.lParam & (1 << 29)) != 0;
  if (!alt && (message.message != WM_KEYDOWN || held(VK_MENU))) return std::nullopt;
  KeyStroke stroke{.code = static_cast<long>(key), .alt = alt, .shift = held(VK_SHIFT), .control = held(VK_CONTROL)};
  for (const auto& [code, name] : kNamed) {
    if (code == key) stroke.key = name;
  }
  return tarvex::key_press_of(stroke);
}

// An open drop-down list keeps its own keys: they move within it, pick and close it.
bool is_open_drop_down(HWND focus) {
  for (HWND window = focus; window != nullptr; window = GetParent(window)) {
    if (is_of_class(window, L"ComboBox")) return SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  return false;
}

std::pair<Long, Long> selection_of(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<Long>(start), static_cast<Long>(end - start)};
}

Text text_of(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return to_text(text);
}

}  // namespace

bool FormView::route_key(const MSG& message) {
  if (form_ == nullptr) return false;
  switch (message.message) {
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      // The release of a key whose press the window took is the window's too (a lone Alt release
      // after an access key would otherwise open the menu bar).
      auto taken = std::find(keys_taken_.begin(), keys_taken_.end(), message.wParam);
      if (taken == keys_taken_.end()) return false;
      keys_taken_.erase(taken);
      return true;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: break;
    default: return false;
  }
  if (is_open_drop_down(GetFocus())) return false;
  const auto press = key_press_of(message);
  if (!press || !input_.takes_key(*press)) return false;
  keys_taken_.push_back(message.wParam);
  if (press->name == KeyName::Alt) keys_taken_.push_back(VK_MENU);
  HWND window = window_;
  input_.perform(action::Key{*press});
  // The keyboard moved the focus or pressed a control: its focus mark and access keys show now.
  if (IsWindow(window))
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  return true;
}

LRESULT CALLBACK FormView::control_proc(HWND child, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<FormView*>(GetWindowLongPtrW(child, GWLP_USERDATA));
  Control* control = self->form_ ? self->control_of(child) : nullptr;
  if (control == nullptr) return self->control_default(child, message, wparam, lparam);
  return self->handle_control(child, *control, message, wparam, lparam);
}

LRESULT FormView::control_default(HWND child, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcW(control_procs_.at(child), child, message, wparam, lparam);
}

LRESULT FormView::handle_control(HWND child, Control& control, UINT message, WPARAM wparam, LPARAM lparam) {
  relay_to_tooltips(child, message, wparam, lparam);
  switch (message) {
    case WM_LBUTTONDOWN:
      if (press_spent_on_focus(control, GetFocus() != child)) {
        SetFocus(child);
        return 0;
      }
      break;
    case WM_SETFOCUS: {
      const LRESULT result = control_default(child, message, wparam, lparam);
      if (!giving_focus_) input_.perform(action::Focus{control, true});
      return result;
    }
    case WM_GETOBJECT:
      if (const LRESULT object = accessible_object(child, wparam, lparam)) return object;
      break;
    case WM_PAINT:
      // A control that paints at once when the view writes into it (the status bar's new text, a list
      // enabled) waits for the message loop like every other, after the window's own frame: what it
      // leaves to paint stays to paint.
      if (showing_ > 0) return 0;
      break;
    case WM_MOUSEWHEEL:
      if (wheel_turned(control, GET_WHEEL_DELTA_WPARAM(wparam))) return 0;
      break;
    default: break;
  }
  const LRESULT result = control_default(child, message, wparam, lparam);
  // Keys and the mouse move the caret and the selection of a text box without telling anyone.
  if (control.kind() == ControlKind::TextBox && form_ != nullptr && showing_ == 0 &&
      (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR || message == WM_LBUTTONUP ||
       (message == WM_MOUSEMOVE && (wparam & MK_LBUTTON)))) {
    auto& box = static_cast<TextBox&>(control);
    const auto [start, length] = selection_of(child);
    if (start != box.SelStart.get() || length != box.SelLength.get())
      input_.perform(action::Select{box, start, length});
  }
  return result;
}

void FormView::on_command(WPARAM wparam, LPARAM lparam) {
  if (form_ == nullptr) return;
  const UINT code = HIWORD(wparam);
  if (lparam == 0) {
    // A menu item (code 0); accelerators (code 1) the window has none of.
    const UINT command = LOWORD(wparam);
    if (code == 0 && command >= 1 && command <= menu_items_.size())
      input_.perform(action::Click{*menu_items_[command - 1]});
    return;
  }
  HWND child = reinterpret_cast<HWND>(lparam);
  Control* control = control_of(child);
  if (control == nullptr || showing_ > 0) return;
  // The item that a list's selection message reports, when choosing it is a pick.
  const auto pick = [&](UINT selection_message) {
    const auto index = static_cast<long>(SendMessageW(child, selection_message, 0, 0));
    if (is_pick(static_cast<ListControl&>(*control), index)) input_.perform(action::Pick{*control, index});
  };
  switch (control->kind()) {
    case ControlKind::TextBox:
      if (code == EN_CHANGE) {
        const auto [start, length] = selection_of(child);
        input_.perform(action::Edit{*control, text_of(child), start, length});
      }
      break;
    case ControlKind::ComboBox:
      // Choosing an item, even the selected one again, is a pick; a list closed without a choice
      // shows the record's item again.
      if (code == CBN_SELENDOK) {
        pick(CB_GETCURSEL);
      } else if (code == CBN_SELENDCANCEL) {
        ++showing_;
        win32::show_property(child, *control, PropertyId::ListIndex, dpi_);
        --showing_;
      }
      break;
    case ControlKind::ListBox:
      if (code == LBN_SELCHANGE) pick(LB_GETCURSEL);
      break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
      if (code == BN_CLICKED) input_.perform(action::Click{*control});
      break;
    default: break;
  }
}

// The arrows only report the click: the toolkit keeps the value and the buddy's text.
LRESULT FormView::on_notify(const NMHDR& header) {
  Control* control = form_ ? control_of(header.hwndFrom) : nullptr;
  if (control == nullptr || control->kind() != ControlKind::UpDown || header.code != UDN_DELTAPOS) return 0;
  const int delta = reinterpret_cast<const NMUPDOWN&>(header).iDelta;
  if (delta != 0) input_.perform(action::Spin{*control, delta > 0 ? +1 : -1});
  return 1;
}

}  // namespace tarvex::win32
