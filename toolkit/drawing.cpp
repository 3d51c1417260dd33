#include "toolkit/drawing.h"

#include <algorithm>
#include <cstdio>

#include "toolkit/line_breaks.h"
#include "toolkit/painted_controls.h"
#include "toolkit/text_encoding.h"
#include "toolkit/units.h"

namespace tarvex {

namespace {

PixelBox pixels_of(Bounds box, double dpi) {
  return {tarvex::pixels_of(box.left, dpi), tarvex::pixels_of(box.top, dpi), tarvex::pixels_of(box.width, dpi),
          tarvex::pixels_of(box.height, dpi)};
}

Figure figure_of(ShapeKind kind) {
  switch (kind) {
    case ShapeKind::Oval:
    case ShapeKind::Circle: return Figure::Ellipse;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: return Figure::RoundedRectangle;
    default: return Figure::Rectangle;
  }
}

// A box filled with a colour: the window's background, an opaque label's.
ShapeDrawing filled(PixelBox box, Color fill) { return {box, Figure::Rectangle, 0, fill, std::nullopt, 0}; }

// Turns each painted control into its primitives.
struct Painter {
  double dpi;
  const ColourScheme& colours;
  const TextMeasure& measure;
  std::vector<Primitive>& out;

  void operator()(const Shape& shape) const {
    ShapeDrawing drawn = filled(pixels_of(shape_box(shape), dpi), drawn_colour(shape.FillColor, ColourUse::Fill, colours));
    drawn.figure = figure_of(shape.shape);
    // A rounded rectangle's corners are a quarter of its shorter side.
    if (drawn.figure == Figure::RoundedRectangle) drawn.corner_radius = std::min(drawn.box.width, drawn.box.height) / 4;
    if (shape.has_border || outlines_every_shape(colours)) {
      drawn.outline = drawn_colour(shape.BorderColor, ColourUse::Outline, colours);
      drawn.outline_width = line_pixels(shape.has_border ? shape.border_width : 1, dpi);
    }
    out.emplace_back(drawn);
  }

  void operator()(const Line& line) const {
    out.emplace_back(LineDrawing{tarvex::pixels_of(line.X1, dpi), tarvex::pixels_of(line.Y1, dpi),
                                 tarvex::pixels_of(line.X2, dpi), tarvex::pixels_of(line.Y2, dpi),
                                 drawn_colour(line.BorderColor, ColourUse::Line, colours),
                                 line_pixels(line.border_width, dpi)});
  }

  // A wrapping caption is broken into its lines here, by the front end's measure.
  void operator()(const Label& label) const {
    const PixelBox box = pixels_of(label.bounds(), dpi);
    if (label.paints_background())
      out.emplace_back(filled(box, drawn_colour(label.back_color(), ColourUse::Face, colours)));
    const Font font = label.shown_font();
    const Color ink = label.enabled() ? drawn_colour(label.ForeColor, ColourUse::Caption, colours)
                                      : drawn_colour(label.ForeColor, ColourUse::DisabledText, colours);
    const Text caption = label.shown_caption();
    if (!label.word_wrap) {
      out.emplace_back(TextDrawing{box, caption, font, ink, label.alignment});
      return;
    }
    const double spacing = measure.line_spacing(font);
    PixelBox line_box{box.left, box.top, box.width, spacing};
    const auto width_of = [&](std::u16string_view text) { return measure.width(font, text); };
    for (Text& line : lines_broken_at_blanks(caption, static_cast<float>(box.width), width_of)) {
      out.emplace_back(TextDrawing{line_box, std::move(line), font, ink, label.alignment});
      line_box.top += spacing;
    }
  }

  void operator()(const Image& image) const {
    out.emplace_back(PictureDrawing{pixels_of(image.bounds(), dpi), image.picture});
  }
};

std::string hex(Color colour) {
  const std::uint32_t bgr = bgr_of(colour);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
  return text;
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string box_text(const PixelBox& box) {
  return number(box.left) + "," + number(box.top) + " " + number(box.width) + "x" + number(box.height);
}

struct Describer {
  std::string operator()(const ShapeDrawing& shape) const {
    static constexpr const char* kFigures[] = {"rectangle", "ellipse", "rounded rectangle"};
    std::string text = std::string(kFigures[static_cast<int>(shape.figure)]) + " " + box_text(shape.box);
    if (shape.figure == Figure::RoundedRectangle) text += " radius " + number(shape.corner_radius);
    text += " fill " + hex(shape.fill);
    if (shape.outline) text += " outline " + hex(*shape.outline) + " " + number(shape.outline_width);
    return text;
  }
  std::string operator()(const LineDrawing& line) const {
    return "line " + number(line.x1) + "," + number(line.y1) + " to " + number(line.x2) + "," + number(line.y2) + " " +
           hex(line.colour) + " " + number(line.width);
  }
  std::string operator()(const TextDrawing& text) const {
    static constexpr const char* kAlignments[] = {"left", "right", "centre"};
    return "text " + box_text(text.box) + " " + kAlignments[static_cast<int>(text.alignment)] + " " +
           to_utf8(text.font.face) + " " + number(text.font.size) + (text.font.bold ? " bold " : " ") +
           hex(text.colour) + " \"" + to_utf8(text.text) + "\"";
  }
  std::string operator()(const PictureDrawing& picture) const {
    return "picture " + box_text(picture.box) + " " + picture.picture;
  }
};

}  // namespace

std::vector<Primitive> drawing_of(const Form& window, Bounds area, double dpi, const ColourScheme& colours,
                                  const TextMeasure& measure) {
  std::vector<Primitive> drawing;
  drawing.emplace_back(filled(pixels_of(area, dpi), drawn_colour(window.back_color, ColourUse::Face, colours)));
  draw_painted_controls(window, area, Painter{dpi, colours, measure, drawing});
  return drawing;
}

std::string describe(const Primitive& primitive) { return std::visit(Describer{}, primitive); }

}  // namespace tarvex
