// The floor of the Windows click benchmark: a bare Win32 window with the controls that a Compute
// changes, at their places, whose button does by hand what a Compute shows: two results and a hint
// written into their controls, three band lists set, one list enabled or not, the check box set,
// and the resistor's bands painted anew. Timed as the program's click is.
//   bare_click_win32 [RUNS]
#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdlib>

#include "bench/win32/click_timing_win32.h"
#include "bench/win32/plain_window_win32.h"

namespace {

long g_frames = 0;
bool g_second_value = false;
HWND g_results[2], g_status, g_lists[5], g_check;
constexpr int kButtonId = 1;
const RECT kBands{105, 340, 345, 390};  // the drawn resistor, in pixels

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      const COLORREF bands[2][4] = {{RGB(0, 128, 0), RGB(128, 64, 0), RGB(128, 64, 0), RGB(192, 160, 0)},
                                    {RGB(128, 64, 0), RGB(128, 64, 0), RGB(255, 0, 0), RGB(192, 160, 0)}};
      for (int band = 0; band < 4; ++band) {
        HBRUSH brush = CreateSolidBrush(bands[g_second_value][band]);
        const RECT r{kBands.left + 20 + band * 50, kBands.top, kBands.left + 35 + band * 50, kBands.bottom};
        FillRect(dc, &r, brush);
        DeleteObject(brush);
      }
      EndPaint(window, &paint);
      ++g_frames;
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == kButtonId && HIWORD(wparam) == BN_CLICKED) {
        g_second_value = !g_second_value;
        SetWindowTextW(g_results[0], g_second_value ? L"1000" : L"500");
        SetWindowTextW(g_results[1], g_second_value ? L"1100" : L"510");
        SendMessageW(g_status, SB_SETTEXTW, SB_SIMPLEID,
                     reinterpret_cast<LPARAM>(g_second_value ? L"Calculated: 1000" : L"Calculated: 500"));
        for (int list = 0; list < 3; ++list)
          SendMessageW(g_lists[list], CB_SETCURSEL, g_second_value ? 1 : 5 - list, 0);
        EnableWindow(g_lists[4], g_second_value);
        SendMessageW(g_check, BM_SETCHECK, g_second_value ? BST_CHECKED : BST_UNCHECKED, 0);
        InvalidateRect(window, &kBands, FALSE);
      }
      return 0;
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}

HWND placed(HWND parent, const wchar_t* window_class, DWORD style, int left, int top, int width, int height,
            const wchar_t* text = L"", int id = 0) {
  HWND child = CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, left / 15, top / 15, width / 15,
                               height / 15, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  static HFONT font =
      CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Verdana");
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  tarvex::bench::prepare_plain_process();
  HWND window = tarvex::bench::make_plain_window(L"BareClickWindow", window_proc, L"Bare click", nullptr);
  HWND button = placed(window, L"BUTTON", BS_DEFPUSHBUTTON, 3120, 840, 2055, 615, L"&Compute", kButtonId);
  g_results[0] = placed(window, L"EDIT", WS_BORDER | ES_READONLY | ES_RIGHT, 1440, 1890, 975, 285, L"0");
  g_results[1] = placed(window, L"EDIT", WS_BORDER | ES_READONLY, 4320, 1890, 975, 285);
  int left = 240;
  for (HWND& list : g_lists) {
    list = placed(window, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, left, 2760, 1095, 315 * 8);
    for (const wchar_t* item : {L"0 Black", L"1 Brown", L"2 Red", L"3 Orange", L"4 Yellow", L"5 Green"})
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    left += 1080;
  }
  g_check = placed(window, L"BUTTON", BS_3STATE, 2400, 2520, 1095, 255, L"Enable");
  g_status = placed(window, STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, 5595, 11850, 375);
  SendMessageW(g_status, SB_SIMPLE, TRUE, 0);
  ShowWindow(window, SW_SHOW);
  MSG message{};
  const auto pump_one = [&] {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) return false;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
  };
  return tarvex::bench::time_clicks(
      "ClickRoundTripBareWin32", button, runs, [](int) {}, [] { return g_frames; }, pump_one);
}
