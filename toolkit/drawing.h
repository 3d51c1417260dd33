#pragma once
// What a paint of a window's client area draws, as a short list of primitives in pixels at the
// window's DPI with their colours resolved (colours.h): a front end draws these and nothing else.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "toolkit/colours.h"
#include "toolkit/form.h"

namespace tarvex {

// A box in pixels, unrounded: a front end that draws on whole pixels rounds its corner and its
// size each to the nearest.
struct PixelBox {
  double left = 0, top = 0, width = 0, height = 0;
};

enum class Figure { Rectangle, Ellipse, RoundedRectangle };

// A filled figure; its outline, where it has one, lies inside the box.
struct ShapeDrawing {
  PixelBox box;
  Figure figure = Figure::Rectangle;
  double corner_radius = 0;  // a rounded rectangle's
  Color fill{};
  std::optional<Color> outline;
  int outline_width = 0;  // whole pixels
};

// A straight line with flat ends.
struct LineDrawing {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color colour{};
  int width = 1;  // whole pixels
};

// One line of text, drawn at the top of its box and aligned across it; it is not clipped to it.
struct TextDrawing {
  PixelBox box;
  std::u16string text;
  Font font;
  Color colour{};
  Alignment alignment = Alignment::Left;
};

// One of the program's pictures, stretched into its box.
struct PictureDrawing {
  PixelBox box;
  std::string picture;
};

using Primitive = std::variant<ShapeDrawing, LineDrawing, TextDrawing, PictureDrawing>;

// A front end's own measure of its text, in pixels at the window's DPI: a text's width, and how far
// apart the lines of a font lie.
struct TextMeasure {
  std::function<float(const Font&, std::u16string_view)> width;
  std::function<float(const Font&)> line_spacing;
};

// A paint of an area of the window's client area (twips): its background, then each painted control
// that may paint in it (controls_to_paint), in the window's paint order.
std::vector<Primitive> drawing_of(const Form& window, Bounds area, double dpi, const ColourScheme& colours,
                                  const TextMeasure& measure);

// A primitive as one line of text, for tests and the driver.
std::string describe(const Primitive& primitive);

}  // namespace tarvex
