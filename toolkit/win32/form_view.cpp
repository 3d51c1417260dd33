#include "toolkit/win32/form_view.h"

#include <algorithm>
#include <commctrl.h>
#include <utility>

#include "toolkit/win32/controls.h"
#include "toolkit/win32/conversions.h"
#include "toolkit/win32/painting.h"
#include "toolkit/win32/picture.h"

namespace tarvex::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"TarvexWindow";
constexpr int kFirstControlId = 100;

void register_window_class(WNDPROC procedure) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  window_class.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"TARVEX");
  window_class.lpszClassName = kWindowClass;
  RegisterClassExW(&window_class);
  registered = true;
}

DWORD window_style(const Form& form) {
  DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  style |= form.border == FormBorder::FixedDialog ? WS_POPUP : WS_OVERLAPPED;
  if (form.min_button) style |= WS_MINIMIZEBOX;
  if (form.max_button) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD window_extended_style(const Form& form) {
  DWORD style = form.border == FormBorder::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
  if (!form.show_in_taskbar) style &= ~WS_EX_APPWINDOW;
  return style;
}

RECT united(const RECT& a, const RECT& b) {
  RECT both{};
  if (IsRectEmpty(&a)) return b;
  if (IsRectEmpty(&b)) return a;
  UnionRect(&both, &a, &b);
  return both;
}

}  // namespace

FormView::FormView(Form& form, UserInput& input, HWND owner) : form_(&form), input_(input), owner_(owner) {
  register_window_class(window_proc);
  background_ = CreateSolidBrush(to_colorref(form.back_color));
  window_ = CreateWindowExW(window_extended_style(form), kWindowClass, wide(form.Caption.get()), window_style(form),
                            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
  dpi_ = GetDpiForWindow(window_);
  if (dpi_ == 0) dpi_ = 96;
  fit_to_client(true);
  form.set_observer(this);
}

FormView::~FormView() {
  if (form_) form_->set_observer(nullptr);
  if (window_) DestroyWindow(window_);
  if (background_) DeleteObject(background_);
}

FormView* FormView::of(HWND window) {
  while (window != nullptr) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wstring_view(name) == kWindowClass) {
      return reinterpret_cast<FormView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    window = GetParent(window);
  }
  return nullptr;
}

HWND FormView::control_window(const Control& control) const {
  auto found = windows_.find(&control);
  return found == windows_.end() ? nullptr : found->second;
}

Control* FormView::control_of(HWND child) const {
  auto found = controls_.find(child);
  return found == controls_.end() ? nullptr : found->second;
}

UINT FormView::menu_command_of(const Menu& item) const {
  auto found = std::find(menu_items_.begin(), menu_items_.end(), &item);
  return found == menu_items_.end() ? 0 : static_cast<UINT>(found - menu_items_.begin() + 1);
}

void FormView::build_menus() {
  HMENU bar = CreateMenu();
  menu_items_.clear();
  for (Menu* title : form_->menu_bar()) {
    if (!title->Visible) continue;
    HMENU items = CreatePopupMenu();
    for (Menu* item : title->items()) {
      if (!item->Visible) continue;
      menu_items_.push_back(item);
      const UINT command = static_cast<UINT>(menu_items_.size());
      if (item->is_separator()) {
        AppendMenuW(items, MF_SEPARATOR, command, nullptr);
      } else {
        AppendMenuW(items, MF_STRING | (item->enabled() ? MF_ENABLED : MF_GRAYED), command, wide(item->Caption.get()));
      }
    }
    AppendMenuW(bar, MF_POPUP | (title->enabled() ? MF_ENABLED : MF_GRAYED), reinterpret_cast<UINT_PTR>(items),
                wide(title->Caption.get()));
  }
  HMENU before = menu_bar_;
  menu_bar_ = bar;
  SetMenu(window_, bar);
  if (before) DestroyMenu(before);
}

// Created in the windows' stacking order: a later control lies above an earlier one.
void FormView::build_controls() {
  int id = kFirstControlId;
  for (Control* control : form_->controls()) {
    if (!control->traits().windowed) continue;
    HWND child = create_control_window(*control, window_, id++, dpi_);
    if (child == nullptr) continue;
    windows_[control] = child;
    controls_[child] = control;
    SetWindowSubclass(child, control_proc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  // Every windowed control is a tool of one tooltip window of the system's; a tooltip that the
  // record changes (the results' hints after a Compute) is updated in place, and an empty one shows
  // nothing.
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  for (const auto& [control, child] : windows_) {
    TTTOOLINFOW tool = tool_of(child);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  for (const auto& [control, child] : windows_) show_tooltip(*control);
  TTTOOLINFOW client = tool_of(window_);
  client.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  client.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&client));
  // The arrows keep their buddy: the text box they stand against.
  for (const auto& [control, child] : windows_) {
    if (control->kind() != ControlKind::UpDown) continue;
    if (const TextBox* buddy = static_cast<const UpDown*>(control)->buddy) {
      if (HWND buddy_window = control_window(*buddy))
        SendMessageW(child, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy_window), 0);
    }
  }
}

// The window's outer size for its client area at its DPI, with its menu bar; centred on its
// monitor's work area when asked, and always kept on it.
void FormView::fit_to_client(bool centre) {
  const int width = to_pixels(form_->client_width, dpi_);
  const int height = to_pixels(form_->client_height, dpi_);
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
  const DWORD extended = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
  RECT outer{0, 0, width, height};
  AdjustWindowRectExForDpi(&outer, style, menu_bar_ != nullptr, extended, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar that wraps takes more room than one line: the client area keeps its size.
  RECT client{};
  GetClientRect(window_, &client);
  RECT frame{};
  GetWindowRect(window_, &frame);
  const int outer_width = frame.right - frame.left + width - client.right;
  const int outer_height = frame.bottom - frame.top + height - client.bottom;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner_ ? owner_ : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  int left = frame.left;
  int top = frame.top;
  if (centre) {
    left = work.left + (work.right - work.left - outer_width) / 2;
    top = work.top + (work.bottom - work.top - outer_height) / 2;
  }
  left = std::max<int>(work.left, std::min<int>(left, work.right - outer_width));
  top = std::max<int>(work.top, std::min<int>(top, work.bottom - outer_height));
  SetWindowPos(window_, nullptr, left, top, outer_width, outer_height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormView::apply_dpi(UINT dpi, const RECT* suggested) {
  dpi_ = dpi;
  ++showing_;
  for (const auto& [control, child] : windows_) show_all_properties(child, *control, dpi_);
  --showing_;
  for (auto& [control, extent] : extents_) extent = painted_extent(*control, dpi_);
  if (suggested != nullptr) {
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  fit_to_client(false);
  InvalidateRect(window_, nullptr, FALSE);
}

void FormView::show_window(FormView* owner, bool modal) {
  if (owner != nullptr && owner->window() != owner_) {
    owner_ = owner->window();
    SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
  }
  if (!built_) build();
  fit_to_client(true);
  if (modal && owner_ != nullptr) {
    EnableWindow(owner_, FALSE);
    disabled_owner_ = true;
  }
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  if (form_) give_focus_to(form_->focused());
  UpdateWindow(window_);
}

void FormView::close_for_toolkit() {
  if (form_) form_->set_observer(nullptr);
  form_ = nullptr;
  // The owner takes input again before this window goes, so that it becomes the active one.
  if (disabled_owner_ && owner_) {
    EnableWindow(owner_, TRUE);
    SetActiveWindow(owner_);
  }
  disabled_owner_ = false;
  if (HWND window = std::exchange(window_, nullptr)) DestroyWindow(window);
}

void FormView::give_focus_to(const Control* control) {
  HWND child = control ? control_window(*control) : nullptr;
  if (child == nullptr || GetFocus() == child) return;
  giving_focus_ = true;
  SetFocus(child);
  giving_focus_ = false;
}

TTTOOLINFOW FormView::tool_of(HWND child) const {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(child);
  return tool;
}

void FormView::show_tooltip(const Control& control) {
  HWND tool_window = control_window(control);
  if (tool_window == nullptr && &control == tooltip_owner_) tool_window = window_;
  if (tool_window == nullptr || tooltips_ == nullptr) return;
  TTTOOLINFOW tool = tool_of(tool_window);
  tool.lpszText = const_cast<wchar_t*>(wide(control.ToolTipText.get()));
  SendMessageW(tooltips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

const Control* FormView::tooltip_owner_at(POINT at) const {
  if (form_ == nullptr) return nullptr;
  const auto& order = form_->paint_order();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if ((*it)->Visible && covers(**it, at, dpi_)) return *it;
  }
  return nullptr;
}

void FormView::on_mouse_move(POINT at) {
  const Control* owner = tooltip_owner_at(at);
  if (owner == tooltip_owner_ || tooltips_ == nullptr) return;
  tooltip_owner_ = owner;
  TTTOOLINFOW tool = tool_of(window_);
  tool.lpszText = const_cast<wchar_t*>(owner ? wide(owner->ToolTipText.get()) : L"");
  SendMessageW(tooltips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  if (owner == nullptr || owner->ToolTipText.get().empty()) SendMessageW(tooltips_, TTM_POP, 0, 0);
}

// The toolkit tells nothing of a window before it is shown: its menus and controls are made when it
// first appears, from what Form_Load left in the record (made once: each control's fonts and texts
// cost Wine a font lookup).
void FormView::build() {
  built_ = true;
  SetWindowTextW(window_, wide(form_->Caption.get()));
  if (!form_->menu_bar().empty()) build_menus();
  build_controls();
  for (const Control* control : form_->paint_order()) extents_[control] = painted_extent(*control, dpi_);
  InvalidateRect(window_, nullptr, FALSE);
}

void FormView::property_changed(const PropertyChange& change) {
  if (!built_) return;  // built from the record when first shown
  Control& control = change.control;
  if (&control == form_) {
    if (change.property.id() == PropertyId::Caption) SetWindowTextW(window_, wide(form_->Caption.get()));
    return;
  }
  if (control.kind() == ControlKind::Menu) {
    build_menus();
    ++widget_updates_;
    return;
  }
  if (change.property.id() == PropertyId::ToolTipText) {
    show_tooltip(control);  // a painted control's tooltip changes nothing that is drawn
    return;
  }
  if (HWND child = control_window(control)) {
    // The user's own edit is already in the control: writing it back would move the caret.
    if (change.made_in_widget) return;
    ++showing_;
    // The toolkit tells nothing of a hidden control: once it is visible again, all of it is shown.
    if (change.property.id() == PropertyId::Visible && control.Visible) {
      show_all_properties(child, control, dpi_);
      ++widget_updates_;
    } else if (show_property(child, control, change.property.id(), dpi_)) {
      ++widget_updates_;
    }
    --showing_;
    return;
  }
  repaint_control(control);
  ++control_repaints_;
}

void FormView::repaint_control(const Control& control) {
  const RECT now = painted_extent(control, dpi_);
  RECT& before = extents_[&control];
  const RECT both = united(before, now);
  before = now;
  InvalidateRect(window_, &both, FALSE);
}

Control* FormView::painted_control_at(POINT at) const {
  if (form_ == nullptr) return nullptr;
  const auto& order = form_->paint_order();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if ((*it)->Visible && hit(**it, at, dpi_)) return *it;
  }
  return nullptr;
}

// Drawn into a bitmap first and then copied at once: the window never shows half a frame.
void FormView::paint() {
  PAINTSTRUCT paint_info{};
  HDC screen = BeginPaint(window_, &paint_info);
  const RECT area = paint_info.rcPaint;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width > 0 && height > 0) {
    HDC buffer = CreateCompatibleDC(screen);
    HBITMAP pixels = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ before = SelectObject(buffer, pixels);
    SetViewportOrgEx(buffer, -area.left, -area.top, nullptr);
    FillRect(buffer, &area, background_);
    if (form_ != nullptr) {
      for (const Control* control : form_->paint_order()) {
        if (!control->Visible) continue;
        const RECT extent = painted_extent(*control, dpi_);
        RECT overlap{};
        if (!IntersectRect(&overlap, &extent, &area)) continue;
        const Picture* picture = control->kind() == ControlKind::Image
                                     ? program_picture(static_cast<const Image*>(control)->picture)
                                     : nullptr;
        paint_control(buffer, *control, dpi_, picture);
      }
    }
    SetViewportOrgEx(buffer, 0, 0, nullptr);
    BitBlt(screen, area.left, area.top, width, height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, before);
    DeleteObject(pixels);
    DeleteDC(buffer);
  }
  EndPaint(window_, &paint_info);
  ++frames_painted_;
}

// Check boxes, option buttons and read-only boxes stand on the window's background; the text
// boxes take their text colour from their records.
LRESULT FormView::colour_control(UINT message, HDC dc, HWND child) {
  const LRESULT system =
      DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
  const Control* control = control_of(child);
  if (control == nullptr) return system;
  if (control->kind() == ControlKind::TextBox) {
    SetTextColor(dc, to_colorref(static_cast<const TextBox*>(control)->ForeColor));
    return system;
  }
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    SetBkColor(dc, to_colorref(control->form().back_color));
    return reinterpret_cast<LRESULT>(background_);
  }
  return system;
}

LRESULT CALLBACK FormView::window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* view = static_cast<FormView*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    view->window_ = window;
  }
  auto* view = reinterpret_cast<FormView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (view == nullptr || view->window_ != window) return DefWindowProcW(window, message, wparam, lparam);
  return view->handle(message, wparam, lparam);
}

LRESULT FormView::handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;  // the paint fills the background itself
    case WM_PAINT: paint(); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return colour_control(message, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_COMMAND: on_command(wparam, lparam); return 0;
    case WM_NOTIFY: return on_notify(*reinterpret_cast<const NMHDR*>(lparam));
    case WM_MOUSEMOVE:
      on_mouse_move(POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      on_mouse(message, POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
      return 0;
    case WM_SETFOCUS:
      // Windows gives an activated window the focus itself; the toolkit's control takes it.
      if (form_) give_focus_to(form_->focused());
      return 0;
    case WM_CLOSE:
      // The close box asks the toolkit, which unloads the window (or does not).
      if (form_) input_.perform(action::Close{*form_});
      return 0;
    case WM_DPICHANGED: apply_dpi(HIWORD(wparam), reinterpret_cast<const RECT*>(lparam)); return 0;
    default: return DefWindowProcW(window_, message, wparam, lparam);
  }
}

}  // namespace tarvex::win32
