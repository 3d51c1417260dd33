#pragma once
// What the plain Win32 windows of the benchmarks (the bare windows and the window drawn by hand)
// share: the process set up as the program sets itself up, and a main window with a 790 x 398
// client area, with or without the program's menu bar.
#include <windows.h>

#include <commctrl.h>

namespace tarvex::bench {

inline void prepare_plain_process() {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

// The File menu (a separator, Exit) and the Help menu (About).
inline HMENU plain_menu_bar() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_SEPARATOR, 1, nullptr);
  AppendMenuW(file, MF_STRING, 2, L"E&xit");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, 3, L"&About");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
  return bar;
}

// Not shown yet: its controls are made first.
inline HWND make_plain_window(const wchar_t* class_name, WNDPROC procedure, const wchar_t* title, HMENU menu_bar,
                              HCURSOR cursor = nullptr) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = cursor;
  window_class.lpszClassName = class_name;
  RegisterClassExW(&window_class);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT outer{0, 0, 790, 398};
  AdjustWindowRectEx(&outer, style, menu_bar != nullptr, 0);
  return CreateWindowExW(0, class_name, title, style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                         outer.bottom - outer.top, nullptr, menu_bar, GetModuleHandleW(nullptr), nullptr);
}

// Handles messages until painted() says the first frame is drawn, then the ones it brought.
template <class Painted>
void pump_until_painted(Painted painted) {
  MSG message{};
  while (!painted() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace tarvex::bench
