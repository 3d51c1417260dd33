#include "toolkit/win32/form_view.h"

#include <algorithm>
#include <commctrl.h>
#include <utility>

#include "toolkit/drawing.h"
#include "toolkit/pointer.h"
#include "toolkit/system_colors.h"
#include "toolkit/win32/accessibility.h"
#include "toolkit/win32/controls.h"
#include "toolkit/win32/conversions.h"
#include "toolkit/win32/painting.h"
#include "toolkit/win32/picture.h"
#include "toolkit/window_placement.h"

namespace tarvex::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"TarvexWindow";
constexpr int kFirstControlId = 100;

// Every view alive, for FormView::of.
std::vector<FormView*>& live_views() {
  static std::vector<FormView*> views;
  return views;
}

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

// The system's own pointers for the shapes the toolkit asks for.
HCURSOR cursor_of(PointerShape shape) {
  static const HCURSOR arrow = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  static const HCURSOR hand = LoadCursorW(nullptr, MAKEINTRESOURCEW(32649) /* IDC_HAND */);
  return shape == PointerShape::PointingHand ? hand : arrow;
}

DWORD window_style(const Form& form) {
  DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  style |= form.border == FormBorder::FixedDialog ? WS_POPUP : WS_OVERLAPPED;
  if (form.min_button) style |= WS_MINIMIZEBOX;
  if (form.max_button) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD window_extended_style(const Form& form) {
  return form.border == FormBorder::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
}

}  // namespace

FormView::FormView(Form& form, UserInput& input, HWND owner)
    : WidgetView(form, input), owner_(owner), face_(form.back_color) {
  register_window_class(window_proc);
  make_brushes();
  window_ = CreateWindowExW(window_extended_style(form), kWindowClass, wide(form.Caption.get()), window_style(form),
                            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (const UINT dpi = GetDpiForWindow(window_)) dpi_ = dpi;
  live_views().push_back(this);
}

FormView::~FormView() {
  std::erase(live_views(), this);
  release_back_buffer();
  if (to_repaint_) DeleteObject(to_repaint_);
  let_go_of_form();
  if (window_) DestroyWindow(window_);
  if (background_) DeleteObject(background_);
  if (entry_background_) DeleteObject(entry_background_);
}

// A message's window is mostly a view's own or a control's: only else are its parents looked at.
FormView* FormView::of(HWND window) {
  for (; window != nullptr; window = GetParent(window)) {
    for (FormView* view : live_views()) {
      if (view->form_ && (window == view->window_ || view->controls_.contains(window))) return view;
    }
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

void FormView::begin_menu_bar() {
  new_menu_bar_ = CreateMenu();
  menu_items_.clear();
}

void FormView::add_menu(Menu& title) {
  if (!title.Visible) return;
  HMENU items = CreatePopupMenu();
  menus_[&title] = items;
  AppendMenuW(new_menu_bar_, MF_POPUP | (title.enabled() ? MF_ENABLED : MF_GRAYED), reinterpret_cast<UINT_PTR>(items),
              wide(title.Caption.get()));
}

void FormView::add_menu_item(const Menu& title, Menu& item) {
  const auto menu = menus_.find(&title);
  if (menu == menus_.end() || !item.Visible) return;
  menu_items_.push_back(&item);
  const UINT command = static_cast<UINT>(menu_items_.size());
  if (item.is_separator()) {
    AppendMenuW(menu->second, MF_SEPARATOR, command, nullptr);
  } else {
    AppendMenuW(menu->second, MF_STRING | (item.enabled() ? MF_ENABLED : MF_GRAYED), command, wide(item.Caption.get()));
  }
}

void FormView::end_menu_bar() {
  menus_.clear();
  HMENU before = std::exchange(menu_bar_, std::exchange(new_menu_bar_, nullptr));
  SetMenu(window_, menu_bar_);
  if (before) DestroyMenu(before);
}

bool FormView::make_widget(Control& control) {
  const auto& controls = form_->controls();
  const auto at = std::find(controls.begin(), controls.end(), &control);
  HWND child = create_control_window(control, window_, kFirstControlId + static_cast<int>(at - controls.begin()), dpi_);
  if (child == nullptr) return false;
  windows_[&control] = child;
  controls_[child] = &control;
  // The view's procedure goes in front of the control's own. (comctl32's SetWindowSubclass looks its
  // chain up in a window property at every message: under Wine, a round trip to the server each.)
  SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  control_procs_[child] =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control_proc)));
  if (tooltips_ != nullptr) tell_tooltips(TTM_ADDTOOLW, child, control.ToolTipText);
  // The arrows keep their buddy: the text box they stand against.
  for (const auto& [arrows, arrows_window] : windows_) {
    if (arrows->kind() != ControlKind::UpDown) continue;
    const TextBox* buddy = static_cast<const UpDown*>(arrows)->buddy;
    if (buddy != nullptr && (arrows == &control || buddy == &control)) {
      if (HWND buddy_window = control_window(*buddy))
        SendMessageW(arrows_window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy_window), 0);
    }
  }
  return true;
}

// A new child window goes below its siblings.
void FormView::stack_widget(const Control& control, const Control* above) {
  SetWindowPos(control_window(control), above ? control_window(*above) : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormView::show_property(const Control& control, PropertyId property) {
  win32::show_property(control_window(control), control, property, dpi_);
}

void FormView::show_all_properties(const Control& control) {
  win32::show_all_properties(control_window(control), control, dpi_);
}

void FormView::retitle(const Text& caption) { SetWindowTextW(window_, wide(caption)); }

// Every windowed control is a tool of one tooltip window of the system's, and the client area one
// more, for the painted controls. It is made when the pointer first comes over the window, as
// nothing shows a tooltip before; a tooltip that the record changes afterwards (the results' hints
// after a Compute) is updated in place, and an empty one shows nothing.
void FormView::make_tooltips() {
  if (tooltips_ != nullptr || window_ == nullptr) return;
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  for (const auto& [control, child] : windows_) tell_tooltips(TTM_ADDTOOLW, child, control->ToolTipText);
  tell_tooltips(TTM_ADDTOOLW, window_, tooltip_owner_ ? tooltip_owner_->ToolTipText.get() : Text());
}

// A tool is known by its window: a windowed control's, or the client area's for the painted ones.
void FormView::tell_tooltips(UINT message, HWND tool_window, const Text& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(tool_window);
  tool.lpszText = const_cast<wchar_t*>(wide(text));
  SendMessageW(tooltips_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

// The tooltips see the mouse through the windows' own procedures, which see every message anyway.
void FormView::relay_to_tooltips(HWND from, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_MOUSEMOVE && (message < WM_LBUTTONDOWN || message > WM_MBUTTONDBLCLK)) return;
  if (message == WM_MOUSEMOVE) make_tooltips();
  if (tooltips_ == nullptr) return;
  MSG relayed{from, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&relayed.pt);
  SendMessageW(tooltips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
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
  RECT frame{};
  GetWindowRect(window_, &frame);
  const auto place = [&](int outer_width, int outer_height) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner_ ? owner_ : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const ScreenRect area{work.left, work.top, work.right - work.left, work.bottom - work.top};
    const ScreenRect now{frame.left, frame.top, outer_width, outer_height};
    const ScreenPoint at = centre ? place_centred(now, area) : keep_on_screen(now, area);
    SetWindowPos(window_, nullptr, at.x, at.y, outer_width, outer_height, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(outer.right - outer.left, outer.bottom - outer.top);
  // A menu bar that wraps takes more room than one line: the client area keeps its size.
  RECT client{};
  GetClientRect(window_, &client);
  if (client.right == width && client.bottom == height) return;
  GetWindowRect(window_, &frame);
  place(frame.right - frame.left + width - client.right, frame.bottom - frame.top + height - client.bottom);
}

void FormView::apply_dpi(UINT dpi, const RECT* suggested) {
  dpi_ = dpi;
  ++showing_;
  for (const auto& [control, child] : windows_) win32::show_all_properties(child, *control, dpi_);
  --showing_;
  if (suggested != nullptr) {
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  fit_to_client(false);
  InvalidateRect(window_, nullptr, FALSE);
}

void FormView::show_on_screen(WidgetView* owner_view, bool modal) {
  const auto* owner = static_cast<const FormView*>(owner_view);
  if (owner != nullptr && owner->window() != owner_) {
    owner_ = owner->window();
    SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
  }
  fit_to_client(true);
  if (modal && owner_ != nullptr) {
    EnableWindow(owner_, FALSE);
    disabled_owner_ = true;
  }
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  if (form_) give_focus_to(form_->focused());
  // The first frame is painted by the message loop, once the dispatch that shows the window has
  // handed on everything it changed (the focus handlers' writes too): painted here, it would be
  // painted twice.
}

void FormView::close_window() {
  // The owner takes input again before this window goes, so that it becomes the active one.
  if (disabled_owner_ && owner_) {
    EnableWindow(owner_, TRUE);
    SetActiveWindow(owner_);
  }
  disabled_owner_ = false;
  if (HWND window = std::exchange(window_, nullptr)) DestroyWindow(window);
}

void FormView::focus_widget_of(const Control& control) {
  HWND child = control_window(control);
  if (child != nullptr && GetFocus() != child) SetFocus(child);
}

void FormView::show_tooltip(const Control& control) {
  HWND tool_window = control_window(control);
  if (tool_window == nullptr && &control == tooltip_owner_) tool_window = window_;
  if (tool_window == nullptr || tooltips_ == nullptr) return;
  tell_tooltips(TTM_UPDATETIPTEXTW, tool_window, control.ToolTipText);
}

void FormView::on_mouse_move(TwipPoint at) {
  if (const PointerShape shape = pointer_at(at); shape != pointer_) {
    pointer_ = shape;
    SetCursor(cursor_of(shape));
  }
  const Control* owner = painted_at(at, PointerUse::Tooltip);
  if (owner == tooltip_owner_ || tooltips_ == nullptr) return;
  tooltip_owner_ = owner;
  tell_tooltips(TTM_UPDATETIPTEXTW, window_, owner ? owner->ToolTipText.get() : Text());
  if (owner == nullptr || owner->ToolTipText.get().empty()) SendMessageW(tooltips_, TTM_POP, 0, 0);
}

// The toolkit tells nothing of a window before it is shown: its menus and controls are made when it
// first appears, from what Form_Load left in the record (made once: each control's fonts and texts
// cost Wine a font lookup).
void FormView::make_window() {
  SetWindowTextW(window_, wide(form_->Caption.get()));
  InvalidateRect(window_, nullptr, FALSE);
}

void FormView::property_changed(const PropertyChange& change) {
  ++showing_;
  WidgetView::property_changed(change);
  --showing_;
}

// Announced as the change is shown.
void FormView::accessible_changed(const PropertyChange& change) { announce_change(*this, change); }

void FormView::repaint_area(Bounds area) {
  const RECT pixels = to_pixels(area, dpi_);
  // Handed to Windows once, as the delivery ends.
  HRGN region = CreateRectRgnIndirect(&pixels);
  if (to_repaint_ == nullptr) {
    to_repaint_ = region;
  } else {
    CombineRgn(to_repaint_, to_repaint_, region, RGN_OR);
    DeleteObject(region);
  }
}

void FormView::outcome_announced() { announce_outcome(*this); }

void FormView::changes_delivered() {
  if (to_repaint_ == nullptr) return;
  if (window_ != nullptr) InvalidateRgn(window_, to_repaint_, FALSE);
  DeleteObject(to_repaint_);
  to_repaint_ = nullptr;
}

// Drawn into a bitmap first and then copied at once: the window never shows half a frame. The
// bitmap is the client area's, kept from one frame to the next: a section of the program's own
// memory, so drawing into it needs no round trip to the display, touched once rather than anew for
// every frame.
HDC FormView::back_buffer(HDC screen) {
  RECT client{};
  GetClientRect(window_, &client);
  if (buffer_dc_ != nullptr && buffer_size_.cx >= client.right && buffer_size_.cy >= client.bottom) return buffer_dc_;
  release_back_buffer();
  buffer_size_ = {std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)};
  void* bits = nullptr;
  buffer_ = top_down_bitmap(screen, buffer_size_.cx, buffer_size_.cy, &bits);
  if (buffer_ == nullptr) return nullptr;
  buffer_dc_ = CreateCompatibleDC(screen);
  buffer_before_ = SelectObject(buffer_dc_, buffer_);
  return buffer_dc_;
}

void FormView::release_back_buffer() {
  if (buffer_dc_ != nullptr) {
    SelectObject(buffer_dc_, buffer_before_);
    DeleteDC(buffer_dc_);
  }
  if (buffer_ != nullptr) DeleteObject(buffer_);
  buffer_dc_ = nullptr;
  buffer_ = nullptr;
  buffer_size_ = {};
}

void FormView::paint() {
  PAINTSTRUCT paint_info{};
  HDC screen = BeginPaint(window_, &paint_info);
  const RECT area = paint_info.rcPaint;
  HDC buffer = IsRectEmpty(&area) ? nullptr : back_buffer(screen);
  if (buffer != nullptr) {
    IntersectClipRect(buffer, area.left, area.top, area.right, area.bottom);
    if (form_ == nullptr) {
      FillRect(buffer, &area, background_);
    } else {
      for (const Primitive& primitive :
           drawing_of(*form_, to_twips(area, dpi_), dpi_, colour_scheme(), text_measure(buffer, dpi_)))
        draw(buffer, primitive, dpi_);
    }
    SelectClipRgn(buffer, nullptr);
    BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer, area.left, area.top,
           SRCCOPY);
  }
  EndPaint(window_, &paint_info);
}

// The window's face and the entries' background, in the colours the rule gives now.
void FormView::make_brushes() {
  const ColourScheme& colours = colour_scheme();
  for (HBRUSH brush : {background_, entry_background_}) {
    if (brush) DeleteObject(brush);
  }
  background_ = CreateSolidBrush(to_colorref(drawn_colour(face_, ColourUse::Face, colours)));
  entry_background_ =
      CreateSolidBrush(to_colorref(drawn_colour(kWindowBackground, ColourUse::EntryBackground, colours)));
}

// Every control that asks for its colours gets its text and its background from the colour rule
// together, never one without the other: entry boxes and lists in the entries' colours, read-only
// boxes, check boxes and option buttons on the window's face; a text box's text as its record says.
LRESULT FormView::colour_control(UINT message, HDC dc, HWND child) {
  // A disabled control's text is the system's grey, whatever it is told: its background is the
  // system's too.
  if (!IsWindowEnabled(child))
    return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
  const ColourScheme& colours = colour_scheme();
  const Control* control = control_of(child);
  const bool entry = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  const Color text = control != nullptr && control->kind() == ControlKind::TextBox
                         ? static_cast<const TextBox*>(control)->ForeColor.get()
                         : kWindowText;
  SetTextColor(dc, to_colorref(drawn_colour(text, entry ? ColourUse::EntryText : ColourUse::Caption, colours)));
  SetBkColor(dc, to_colorref(entry ? drawn_colour(kWindowBackground, ColourUse::EntryBackground, colours)
                                   : drawn_colour(face_, ColourUse::Face, colours)));
  return reinterpret_cast<LRESULT>(entry ? entry_background_ : background_);
}

// The system's colours or its contrast theme changed while the window is shown: it is drawn anew in
// the colours the rule gives now, with its frame and menu bar, and its common controls are told
// (Windows tells only top-level windows). Nothing is made again: the focus and what was typed stay.
void FormView::colours_changed(UINT message, WPARAM wparam, LPARAM lparam) {
  reread_colour_scheme();
  make_brushes();
  if (message == WM_SYSCOLORCHANGE) {
    for (const auto& [control, child] : windows_) SendMessageW(child, message, wparam, lparam);
    if (tooltips_ != nullptr) SendMessageW(tooltips_, message, wparam, lparam);
  }
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
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
  relay_to_tooltips(window_, message, wparam, lparam);
  switch (message) {
    case WM_ERASEBKGND: return 1;  // the paint fills the background itself
    case WM_PAINT: paint(); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return colour_control(message, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_COMMAND: on_command(wparam, lparam); return 0;
    case WM_NOTIFY: return on_notify(*reinterpret_cast<const NMHDR*>(lparam));
    case WM_MOUSEMOVE: on_mouse_move(to_twips(mouse_point(lparam), dpi_)); return 0;
    case WM_SETCURSOR:
      // Over the client area the pointer is the shape that the last move over it asked for.
      if (reinterpret_cast<HWND>(wparam) != window_ || LOWORD(lparam) != HTCLIENT)
        return DefWindowProcW(window_, message, wparam, lparam);
      SetCursor(cursor_of(pointer_));
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (button_down(message == WM_LBUTTONDOWN, to_twips(mouse_point(lparam), dpi_))) SetCapture(window_);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (message == WM_LBUTTONUP && GetCapture() == window_) ReleaseCapture();
      button_up(message == WM_LBUTTONUP, to_twips(mouse_point(lparam), dpi_));
      return 0;
    case WM_SETFOCUS:
      // Windows gives an activated window the focus itself; the toolkit's control takes it.
      if (form_) give_focus_to(form_->focused());
      return 0;
    case WM_CLOSE: close_asked(); return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
      colours_changed(message, wparam, lparam);
      return DefWindowProcW(window_, message, wparam, lparam);
    case kPressLink:
      if (form_ != nullptr && wparam < form_->controls().size())
        input_.perform(action::Click{*form_->controls()[wparam]});
      return 0;
    case WM_DPICHANGED: apply_dpi(HIWORD(wparam), reinterpret_cast<const RECT*>(lparam)); return 0;
    case WM_GETOBJECT:
      if (const LRESULT object = accessible_object(window_, wparam, lparam)) return object;
      return DefWindowProcW(window_, message, wparam, lparam);
    default: return DefWindowProcW(window_, message, wparam, lparam);
  }
}

}  // namespace tarvex::win32
