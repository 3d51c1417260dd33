#pragma once
// Where a window goes on a screen: never with its top-left corner off the screen's area for windows
// (the screen less its panels), and within that area as far as it fits. A window larger than the
// area (a fixed-size window at a large scale) then starts at the area's top or left edge, so that its
// title bar, its menus and the left of its client area can be reached; only its far side is cut.
namespace tarvex {

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

struct ScreenPoint {
  int x = 0, y = 0;
};

// window: the window with its frame, where it is now; available: the screen's area for windows.
inline ScreenPoint keep_on_screen(ScreenRect window, ScreenRect available) {
  const auto axis = [](int start, int size, int area_start, int area_size) {
    const int fitted = start + size > area_start + area_size ? area_start + area_size - size : start;
    return fitted < area_start ? area_start : fitted;
  };
  return {axis(window.left, window.width, available.left, available.width),
          axis(window.top, window.height, available.top, available.height)};
}

// Where a window is first shown: centred on the area, and kept on it.
inline ScreenPoint place_centred(ScreenRect window, ScreenRect available) {
  window.left = available.left + (available.width - window.width) / 2;
  window.top = available.top + (available.height - window.height) / 2;
  return keep_on_screen(window, available);
}

}  // namespace tarvex
