// The drawn floor for the Windows start-up benchmark: the main window written by hand in plain
// Win32, with nothing of the program's design in it. The same controls at the same places showing
// the same content, and the same labels, shapes, lines and picture painted in one WM_PAINT through a
// back buffer, from the table that the Qt floor draws too. No records, no handlers, no bindings.
//   hand_drawn_win32_window [--stay]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <commctrl.h>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "bench/startup/hand_drawn_window_table.h"
#include "bench/win32/first_frame_win32.h"
#include "bench/win32/plain_window_win32.h"

namespace {

using tarvex::startup::kPainted;
using tarvex::startup::kWindowed;
using tarvex::startup::Painted;
using tarvex::startup::Twips;
using tarvex::startup::Windowed;

long g_frames = 0;
HBITMAP g_logo = nullptr;
int g_logo_width = 0, g_logo_height = 0;

int px(float twips) { return static_cast<int>(std::lround(twips / 15)); }
RECT box_of(const Twips& t) { return {px(t.left), px(t.top), px(t.left) + px(t.width), px(t.top) + px(t.height)}; }
COLORREF bgr(unsigned colour) { return static_cast<COLORREF>(colour); }
const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

HFONT font(float points, bool bold) {
  static std::map<std::pair<float, bool>, HFONT> fonts;
  auto& made = fonts[{points, bold}];
  if (made == nullptr) {
    made = CreateFontW(-static_cast<int>(std::lround(points * 96 / 72)), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                       DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Tahoma");
  }
  return made;
}

// The logo, kept as raw pixels in the program's resources: a P6 header and three bytes a pixel.
void load_logo() {
  HRSRC found = FindResourceW(nullptr, L"logo", MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (found == nullptr) return;
  const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  const std::string ppm(data, SizeofResource(nullptr, found));
  int width = 0, height = 0, maximum = 0, used = 0;
  if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maximum, &used) != 3 || width <= 0 || height <= 0)
    return;
  const std::size_t start = static_cast<std::size_t>(used) + 1;
  if (ppm.size() < start + static_cast<std::size_t>(width) * height * 3) return;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  g_logo = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* out = static_cast<std::uint8_t*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
    for (int c = 0; c < 3; ++c) out[i * 4 + c] = static_cast<std::uint8_t>(ppm[start + i * 3 + 2 - c]);
  }
  g_logo_width = width;
  g_logo_height = height;
}

void paint_label(HDC dc, const Painted& item) {
  RECT box = box_of(item.at);
  if (item.opaque) FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ before = SelectObject(dc, font(item.points, item.bold));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, bgr(item.colour));
  const UINT align = item.align == 1 ? DT_RIGHT : item.align == 2 ? DT_CENTER : DT_LEFT;
  const UINT format = align | DT_TOP | DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE;
  if (!item.wrap) {
    DrawTextW(dc, wide(item.text), -1, &box, format);
  } else {  // lines broken at blanks only
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const std::wstring text = wide(item.text);
    std::wstring line;
    std::size_t at = 0;
    RECT line_box{box.left, box.top, box.right, box.top + metrics.tmHeight + metrics.tmExternalLeading};
    while (at <= text.size()) {
      std::size_t blank = text.find(L' ', at);
      if (blank == std::wstring::npos) blank = text.size();
      const std::wstring word = text.substr(at, blank - at);
      const std::wstring longer = line.empty() ? word : line + L' ' + word;
      SIZE size{};
      GetTextExtentPoint32W(dc, longer.c_str(), static_cast<int>(longer.size()), &size);
      if (!line.empty() && size.cx > box.right - box.left) {
        DrawTextW(dc, line.c_str(), -1, &line_box, format);
        OffsetRect(&line_box, 0, line_box.bottom - line_box.top);
        line = word;
      } else {
        line = longer;
      }
      at = blank + 1;
    }
    DrawTextW(dc, line.c_str(), -1, &line_box, format);
  }
  SelectObject(dc, before);
}

void paint_item(HDC dc, const Painted& item) {
  switch (item.kind) {
    case Painted::Line: {
      const LOGBRUSH brush{BS_SOLID, bgr(item.colour), 0};
      HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, std::max(item.width, 1), &brush, 0, nullptr);
      HGDIOBJ before = SelectObject(dc, pen);
      MoveToEx(dc, px(item.at.left), px(item.at.top), nullptr);
      LineTo(dc, px(item.at.width), px(item.at.height));
      DeleteObject(SelectObject(dc, before));
      break;
    }
    case Painted::Shape: {
      RECT box = box_of(item.at);
      if (item.shape == 1 || item.shape == 3 || item.shape == 5) {
        const int side = std::min(box.right - box.left, box.bottom - box.top);
        box = {(box.left + box.right - side) / 2, (box.top + box.bottom - side) / 2, 0, 0};
        box.right = box.left + side;
        box.bottom = box.top + side;
      }
      HGDIOBJ brush = SelectObject(dc, CreateSolidBrush(bgr(item.colour)));
      const LOGBRUSH border{BS_SOLID, bgr(item.border), 0};
      HGDIOBJ pen =
          SelectObject(dc, item.width > 0 ? ExtCreatePen(PS_GEOMETRIC | PS_INSIDEFRAME | PS_SOLID | PS_JOIN_MITER,
                                                         item.width, &border, 0, nullptr)
                                          : GetStockObject(NULL_PEN));
      if (item.shape == 2 || item.shape == 3) {
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
      } else if (item.shape >= 4) {
        const int diameter = std::min(box.right - box.left, box.bottom - box.top) / 2;
        RoundRect(dc, box.left, box.top, box.right, box.bottom, diameter, diameter);
      } else {
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
      }
      DeleteObject(SelectObject(dc, brush));
      HGDIOBJ used = SelectObject(dc, pen);
      if (item.width > 0) DeleteObject(used);
      break;
    }
    case Painted::Label: paint_label(dc, item); break;
    case Painted::Picture: {
      if (g_logo == nullptr) break;
      const RECT box = box_of(item.at);
      HDC source = CreateCompatibleDC(dc);
      HGDIOBJ before = SelectObject(source, g_logo);
      SetStretchBltMode(dc, HALFTONE);
      StretchBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, source, 0, 0, g_logo_width,
                 g_logo_height, SRCCOPY);
      SelectObject(source, before);
      DeleteDC(source);
      break;
    }
  }
}

// Everything is drawn into a bitmap of the client area first, then copied at once.
void paint(HWND window) {
  PAINTSTRUCT paint_info{};
  HDC screen = BeginPaint(window, &paint_info);
  RECT client{};
  GetClientRect(window, &client);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP pixels = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC buffer = CreateCompatibleDC(screen);
  HGDIOBJ before = SelectObject(buffer, pixels);
  FillRect(buffer, &paint_info.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
  for (const Painted& item : kPainted) paint_item(buffer, item);
  const RECT& area = paint_info.rcPaint;
  BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer, area.left, area.top,
         SRCCOPY);
  SelectObject(buffer, before);
  DeleteDC(buffer);
  DeleteObject(pixels);
  EndPaint(window, &paint_info);
  ++g_frames;
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: paint(window); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}

const wchar_t* const kDigits[] = {L"0 Black", L"1 Brown", L"2 Red",    L"3 Orange", L"4 Yellow",
                                  L"5 Green", L"6 Blue",  L"7 Violet", L"8 Gray",   L"9 White"};
const wchar_t* const kTolerances[] = {L"Brown 1%", L"Red 2%", L"Gold 5%", L"Silver 10%", L"None 20%"};

HWND add_control(HWND window, const Windowed& w, HWND* focused) {
  static const std::map<Windowed::Kind, std::tuple<const wchar_t*, DWORD, DWORD>> kBlueprints = {
      {Windowed::TextBox, {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE}},
      {Windowed::DropDown, {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0}},
      {Windowed::CheckBox, {L"BUTTON", BS_3STATE, 0}},
      {Windowed::Option, {L"BUTTON", BS_RADIOBUTTON, 0}},
      {Windowed::Button, {L"BUTTON", BS_DEFPUSHBUTTON, 0}},
      {Windowed::Spin, {UPDOWN_CLASSW, 0, 0}},
      {Windowed::StatusBar, {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0}},
  };
  const auto& [window_class, style, extended] = kBlueprints.at(w.kind);
  DWORD more = 0;
  if (w.kind == Windowed::TextBox) more = (w.state & 1 ? ES_READONLY : 0) | (w.state & 2 ? ES_RIGHT : 0);
  const RECT box = box_of(w.at);
  const int height = box.bottom - box.top;
  HWND control = CreateWindowExW(extended, window_class, w.kind == Windowed::StatusBar ? L"" : wide(w.text),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style | more, box.left, box.top,
                                 box.right - box.left, w.kind == Windowed::DropDown ? height + 13 * 10 + 2 : height,
                                 window, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font(8.25f, false)), FALSE);
  switch (w.kind) {
    case Windowed::DropDown: {
      const bool tolerance = w.at.width > 1100;
      const int count = tolerance ? 5 : w.at.left > 3400 ? 7 : 10;
      for (int i = 0; i < count; ++i)
        SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tolerance ? kTolerances[i] : kDigits[i]));
      SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6);
      SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(w.state), 0);
      break;
    }
    case Windowed::CheckBox:
    case Windowed::Option: SendMessageW(control, BM_SETCHECK, w.state ? BST_CHECKED : BST_UNCHECKED, 0); break;
    case Windowed::StatusBar:
      SendMessageW(control, SB_SIMPLE, TRUE, 0);
      SendMessageW(control, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(wide(w.text)));
      break;
    case Windowed::TextBox:
      if (w.state & 4) *focused = control;
      break;
    default: break;
  }
  return control;
}

}  // namespace

// With --stay it stays on the screen after its first frame, to be looked at.
int main(int argc, char** argv) {
  tarvex::bench::prepare_plain_process();
  load_logo();
  HWND window = tarvex::bench::make_plain_window(L"HandDrawnWindow", window_proc, L"Tarvex v1.5.4",
                                                 tarvex::bench::plain_menu_bar(),
                                                 LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */));
  HWND focused = nullptr, leds = nullptr;
  // Made from the last to the first: each new child goes below the ones before it.
  for (auto it = std::rbegin(kWindowed); it != std::rend(kWindowed); ++it) {
    HWND control = add_control(window, *it, &focused);
    if (it->kind == Windowed::TextBox && it->at.left == 7800) leds = control;
    if (it->kind == Windowed::Spin) SendMessageW(control, UDM_SETRANGE32, 1, 99);
  }
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (std::wstring(name) == UPDOWN_CLASSW) SendMessageW(child, UDM_SETBUDDY, reinterpret_cast<WPARAM>(leds), 0);
  }

  ShowWindow(window, SW_SHOW);
  if (focused) {
    SetFocus(focused);
    SendMessageW(focused, EM_SETSEL, 0, -1);
  }
  tarvex::bench::pump_until_painted([] { return g_frames > 0; });
  const int reported = tarvex::startup::report_first_frame();
  if (argc > 1 && std::string(argv[1]) == "--stay") {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return reported;
}
