#pragma once
// The frames a window paints, counted from outside the program: the window's procedure is wrapped by
// one that counts each WM_PAINT it has handled. For one window at a time.
#include <windows.h>

namespace tarvex::bench {

inline WNDPROC g_counted_procedure = nullptr;
inline long g_frames_painted = 0;

inline LRESULT CALLBACK counting_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = CallWindowProcW(g_counted_procedure, window, message, wparam, lparam);
  if (message == WM_PAINT) ++g_frames_painted;
  return result;
}

// Counts the window's frames from now on; the count so far is g_frames_painted.
inline void count_frames_of(HWND window) {
  g_frames_painted = 0;
  g_counted_procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(counting_procedure)));
}

}  // namespace tarvex::bench
