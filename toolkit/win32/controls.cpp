#include "toolkit/win32/controls.h"

#include <algorithm>
#include <commctrl.h>
#include <iterator>
#include <map>
#include <optional>
#include <uxtheme.h>

#include "toolkit/choices.h"
#include "toolkit/form.h"
#include "toolkit/view_changes.h"
#include "toolkit/win32/conversions.h"

namespace tarvex::win32 {

namespace {

DWORD edit_style(const TextBox& box) {
  DWORD style = ES_AUTOHSCROLL;
  if (box.alignment == Alignment::Right) style |= ES_RIGHT;
  if (box.alignment == Alignment::Center) style |= ES_CENTER;
  if (box.read_only) style |= ES_READONLY;
  return style;
}

struct Blueprint {
  const wchar_t* window_class;
  DWORD style;
  DWORD extended_style = 0;
};

std::optional<Blueprint> blueprint_of(const Control& control) {
  switch (control.kind()) {
    case ControlKind::TextBox:
      return Blueprint{L"EDIT", edit_style(static_cast<const TextBox&>(control)), WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox: return Blueprint{L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL};
    case ControlKind::ListBox:
      return Blueprint{L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
    // The toolkit decides every state of these buttons: a click only reports itself.
    case ControlKind::CheckBox: return Blueprint{L"BUTTON", BS_3STATE};
    case ControlKind::OptionButton: return Blueprint{L"BUTTON", BS_RADIOBUTTON};
    case ControlKind::CommandButton:
      return Blueprint{L"BUTTON", static_cast<const CommandButton&>(control).is_default ? DWORD{BS_DEFPUSHBUTTON}
                                                                                        : DWORD{BS_PUSHBUTTON}};
    case ControlKind::UpDown: return Blueprint{UPDOWN_CLASSW, 0};
    case ControlKind::StatusBar: return Blueprint{STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER};
    default: return std::nullopt;
  }
}

// --- How each part of a Windows control shows its record (which property a part shows is the
// toolkit's widget_part) ---

// A closed drop-down list is as tall as its selection field makes it; the field is sized so that
// the closed list is as tall as the record says, and the open list shows ten items below it.
// The frame around the field grows with the DPI, and what CB_GETITEMHEIGHT reports back differs
// between systems, so the frame is measured, once at each DPI: one trial height, and the closed
// height it gives.
int drop_down_frame(HWND combo, UINT dpi, int trial) {
  static std::map<UINT, int> frames;
  if (auto found = frames.find(dpi); found != frames.end()) return found->second;
  SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), trial);
  RECT closed{};
  GetWindowRect(combo, &closed);
  return frames.emplace(dpi, (closed.bottom - closed.top) - trial).first->second;
}

void fit_drop_down(HWND combo, int height, UINT dpi) {
  const int field = height - drop_down_frame(combo, dpi, std::max(1, height / 2));
  if (field > 0 && field != SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0))
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
}

void show_geometry(HWND w, const Control& c, UINT dpi) {
  const RECT r = to_pixels(c, dpi);
  int height = r.bottom - r.top;
  if (c.kind() == ControlKind::ComboBox) {
    fit_drop_down(w, height, dpi);
    height += static_cast<int>(SendMessageW(w, CB_GETITEMHEIGHT, 0, 0)) * kOpenListItems + 2;
  }
  SetWindowPos(w, nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
void show_visible(HWND w, const Control& c, UINT) { ShowWindow(w, c.Visible ? SW_SHOWNA : SW_HIDE); }
void show_enabled(HWND w, const Control& c, UINT) { EnableWindow(w, c.enabled()); }
void show_caption(HWND w, const Control& c, UINT) { SetWindowTextW(w, wide(*c.caption())); }
void show_selection(HWND w, const Control& c, UINT) {
  const auto& box = static_cast<const TextBox&>(c);
  const auto start = static_cast<WPARAM>(box.SelStart.get());
  SendMessageW(w, EM_SETSEL, start, static_cast<LPARAM>(start + box.SelLength.get()));
}
// A new text leaves the caret where the record says (WM_SETTEXT alone would put it at the start).
void show_text(HWND w, const Control& c, UINT dpi) {
  SetWindowTextW(w, wide(static_cast<const TextBox&>(c).Text.get()));
  show_selection(w, c, dpi);
}
// The colour is read when the box is drawn (WM_CTLCOLOREDIT): it only has to be drawn again.
void show_text_colour(HWND w, const Control&, UINT) { InvalidateRect(w, nullptr, TRUE); }
void show_list_index(HWND w, const Control& c, UINT) {
  const auto index = static_cast<WPARAM>(static_cast<const ListControl&>(c).ListIndex.get());
  SendMessageW(w, c.kind() == ControlKind::ComboBox ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
}
// A button's state for each CheckMark, in their order.
constexpr WPARAM kCheckStates[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
void show_value(HWND w, const Control& c, UINT) {
  SendMessageW(w, BM_SETCHECK, kCheckStates[static_cast<int>(check_mark(c))], 0);
}
void show_spin_range(HWND w, const Control& c, UINT) {
  const auto& spin = static_cast<const UpDown&>(c);
  SendMessageW(w, UDM_SETRANGE32, static_cast<WPARAM>(spin.Min.get()), static_cast<LPARAM>(spin.Max.get()));
  SendMessageW(w, UDM_SETPOS32, 0, static_cast<LPARAM>(spin.Value.get()));
}
// The status bar would draw a new text at once: the view keeps it waiting for the message loop.
void show_status(HWND w, const Control& c, UINT) {
  SendMessageW(w, SB_SETTEXTW, SB_SIMPLEID,
               reinterpret_cast<LPARAM>(wide(static_cast<const StatusBar&>(c).SimpleText.get())));
}

using Shower = void (*)(HWND, const Control&, UINT dpi);

// How each part of the widget is shown here, in the order of the parts; nullptr for one the Windows
// control does not show (the tooltips are the view's).
constexpr Shower kShowers[] = {nullptr,    show_geometry,   show_visible,     show_enabled,    nullptr,
                               show_text,  show_selection,  show_text_colour, show_list_index, show_caption,
                               show_value, show_spin_range, show_status};
static_assert(std::size(kShowers) == static_cast<std::size_t>(WidgetPart::StatusText) + 1);

Shower shower_of(WidgetPart part) { return kShowers[static_cast<std::size_t>(part)]; }

// Every part once, after the font; a part in already_shown is left as it is.
void show_parts(HWND window, const Control& control, UINT dpi, std::initializer_list<WidgetPart> already_shown) {
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_for(control.widget_font(), dpi)), TRUE);
  for (WidgetPart part : widget_parts(control)) {
    if (std::find(already_shown.begin(), already_shown.end(), part) != already_shown.end()) continue;
    if (Shower show = shower_of(part)) show(window, control, dpi);
  }
}

}  // namespace

// Made hidden at its place, with its items and then the rest of the record, and shown last.
HWND create_control_window(const Control& control, HWND parent, int id, UINT dpi) {
  const auto blueprint = blueprint_of(control);
  if (!blueprint) return nullptr;
  const RECT at = to_pixels(control, dpi);
  HWND window = CreateWindowExW(blueprint->extended_style, blueprint->window_class, L"",
                                WS_CHILD | WS_CLIPSIBLINGS | blueprint->style, at.left, at.top, at.right - at.left,
                                at.bottom - at.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return nullptr;
  if (control.traits().list) {
    const bool drop_down = control.kind() == ControlKind::ComboBox;
    for (const Text& item : static_cast<const ListControl&>(control).items()) {
      SendMessageW(window, drop_down ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item)));
    }
  }
  if (control.kind() == ControlKind::StatusBar) {
    SendMessageW(window, SB_SIMPLE, TRUE, 0);
    // Drawn in the system's colours, its background and text alike: a visual style's background
    // stays when the system's colours change (Wine keeps its style on), while the text follows them.
    // (A class list that names no class: Wine takes an empty one for none given.)
    SetWindowTheme(window, L" ", L" ");
  }
  // A drop-down list is fitted once its items and font are in, and the arrows take a width of their
  // own when they are made: both are placed again.
  const bool placed = control.kind() != ControlKind::ComboBox && control.kind() != ControlKind::UpDown;
  show_parts(window, control, dpi,
             {WidgetPart::Visible, WidgetPart::TextColour, placed ? WidgetPart::Geometry : WidgetPart::None});
  if (control.Visible) ShowWindow(window, SW_SHOWNA);
  return window;
}

bool show_property(HWND window, const Control& control, PropertyId property, UINT dpi) {
  const Shower show = shower_of(widget_part(control.kind(), property));
  if (show != nullptr) show(window, control, dpi);
  return show != nullptr;
}

void show_all_properties(HWND window, const Control& control, UINT dpi) { show_parts(window, control, dpi, {}); }

}  // namespace tarvex::win32
