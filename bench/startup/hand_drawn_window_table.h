#pragma once
// The main window's first frame as plain data, for the start-up floors that draw it by hand (in
// plain Qt, and in plain Win32): every painted control in paint order and every visible windowed
// control, in twips and 0x00BBGGRR colours. The table itself, hand_drawn_window.inc, was printed by
// tools/floor_table.cpp from the program's first frame.

namespace tarvex::startup {

struct Twips {
  float left, top, width, height;  // for a line: x1, y1, x2, y2
};

struct Painted {
  enum Kind { Line, Shape, Label, Picture } kind;
  Twips at;
  unsigned colour = 0;
  unsigned border = 0;
  int width = 0;  // a line's or a border's, in pixels
  int shape = 0;  // rectangle, square, oval, circle, rounded rectangle, rounded square
  const char16_t* text = u"";
  float points = 0;
  bool bold = false;
  int align = 0;  // left, right, centre
  bool wrap = false;
  bool opaque = false;
};

struct Windowed {
  enum Kind { TextBox, DropDown, CheckBox, Option, Button, Spin, StatusBar } kind;
  Twips at;
  const char16_t* text;
  int state;  // a text box: 1 read-only, 2 right-aligned, 4 focused; a list: its selection; a box or option: checked
};

#include "bench/startup/hand_drawn_window.inc"

}  // namespace tarvex::startup
