// The floor for the Windows start-up benchmark: a bare Win32 main window with the same number and
// kinds of controls as the program's main window, at the same places, with its menu bar, and
// nothing else: no records, no handlers, nothing painted but the background.
#include <windows.h>

#include <commctrl.h>
#include <initializer_list>
#include <utility>

#include "bench/win32/first_frame_win32.h"
#include "bench/win32/plain_window_win32.h"

namespace {

bool g_painted = false;

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(window, &paint);
    g_painted = true;
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// Positions in pixels: the designer's twips divided by 15.
HWND placed(HWND parent, const wchar_t* window_class, DWORD style, int left, int top, int width, int height,
            const wchar_t* text = L"") {
  return CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, left / 15, top / 15, width / 15,
                         height / 15, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int main() {
  tarvex::bench::prepare_plain_process();
  HWND window =
      tarvex::bench::make_plain_window(L"BareWindow", window_proc, L"Bare window", tarvex::bench::plain_menu_bar());
  HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Verdana");
  const struct {
    int left, top, width, height;
    DWORD style;
  } edits[] = {
      {1800, 600, 495, 285, ES_RIGHT},     {1800, 960, 495, 285, ES_RIGHT},      {1800, 1320, 495, 285, ES_RIGHT},
      {1440, 1890, 975, 285, ES_READONLY}, {4320, 1890, 975, 285, ES_READONLY},  {7800, 840, 375, 285, ES_READONLY},
      {10320, 930, 975, 285, ES_READONLY}, {10320, 1410, 975, 285, ES_READONLY},
  };
  HWND leds = nullptr;
  for (const auto& e : edits) {
    HWND edit = placed(window, L"EDIT", WS_BORDER | e.style, e.left, e.top, e.width, e.height, L"0");
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (e.left == 7800) leds = edit;
  }
  for (int left : {240, 1320, 2400, 3480, 4680}) {
    HWND combo = placed(window, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, left, 2760, 1095, 315 * 8);
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const wchar_t* item : {L"0 Black", L"1 Brown", L"2 Red", L"3 Orange", L"4 Yellow", L"5 Green", L"6 Blue",
                                L"7 Violet", L"8 Grey", L"9 White"}) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
  }
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD, 0, 0, 10, 10, window, nullptr, nullptr, nullptr);
  for (int i = 0; i < 90; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"510"));
  for (const auto& [top, text] : {std::pair<int, const wchar_t*>{1320, L"mA"}, {1560, L"A"}}) {
    SendMessageW(placed(window, L"BUTTON", BS_RADIOBUTTON, 2400, top, 855, 255, text), WM_SETFONT,
                 reinterpret_cast<WPARAM>(font), FALSE);
  }
  SendMessageW(placed(window, L"BUTTON", BS_3STATE, 2400, 2520, 1095, 255, L"Enable"), WM_SETFONT,
               reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(placed(window, L"BUTTON", BS_DEFPUSHBUTTON, 3120, 840, 2055, 615, L"&Compute"), WM_SETFONT,
               reinterpret_cast<WPARAM>(font), FALSE);
  HWND arrows = placed(window, UPDOWN_CLASSW, 0, 8160, 840, 195, 285);
  SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(leds), 0);
  HWND status = placed(window, STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, 5595, 11850, 375);
  SendMessageW(status, SB_SIMPLE, TRUE, 0);
  SendMessageW(status, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"Voltage coming in the LED"));

  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  tarvex::bench::pump_until_painted([] { return g_painted; });
  return tarvex::startup::report_first_frame();
}
