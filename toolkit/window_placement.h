#pragma once
// Where a window goes when it is shown: centred on the screen's area for windows (the screen less
// its panels), but never with its top-left corner off that area. A window larger than the area
// (a fixed-size window at a large scale) then starts at the area's top or left edge, so that its
// title bar, its menus and the left of its client area can be reached; only its far side is cut.
namespace tarvex {

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

struct ScreenPoint {
  int x = 0, y = 0;
};

// window: the size of the window with its frame; available: the screen's area for windows.
inline ScreenPoint place_centred(ScreenRect window, ScreenRect available) {
  const auto axis = [](int size, int area_start, int area_size) {
    const int centred = area_start + (area_size - size) / 2;
    return centred < area_start ? area_start : centred;
  };
  return {axis(window.width, available.left, available.width), axis(window.height, available.top, available.height)};
}

}  // namespace tarvex
