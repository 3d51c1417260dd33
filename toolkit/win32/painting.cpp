#include "toolkit/win32/painting.h"

#include <algorithm>
#include <cmath>

#include "toolkit/win32/conversions.h"
#include "toolkit/win32/picture.h"

namespace tarvex::win32 {

namespace {

// GDI objects made for one drawing and let go when it ends.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object, bool owned = true)
      : dc_(dc), object_(object), owned_(owned), before_(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(dc_, before_);
    if (owned_) DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_;
  bool owned_;
  HGDIOBJ before_;
};

// style: a line's end cap, or PS_INSIDEFRAME for a border inside its box.
HPEN solid_pen(COLORREF colour, int width, DWORD style) {
  LOGBRUSH brush{BS_SOLID, colour, 0};
  return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | style | PS_JOIN_MITER, std::max(width, 1), &brush, 0, nullptr);
}

int whole(double pixels) { return static_cast<int>(std::lround(pixels)); }

RECT to_rect(const PixelBox& box) {
  const int left = whole(box.left), top = whole(box.top);
  return {left, top, left + whole(box.width), top + whole(box.height)};
}

void draw_shape(HDC dc, const ShapeDrawing& shape) {
  RECT box = to_rect(shape.box);
  Selected brush(dc, CreateSolidBrush(to_colorref(shape.fill)));
  HGDIOBJ pen = shape.outline ? static_cast<HGDIOBJ>(solid_pen(to_colorref(*shape.outline), shape.outline_width,
                                                                PS_INSIDEFRAME))
                              : GetStockObject(NULL_PEN);
  Selected selected_pen(dc, pen, shape.outline.has_value());
  // Without a pen, GDI's figures leave out their right and bottom edges: the box grows by that pixel.
  if (!shape.outline) {
    ++box.right;
    ++box.bottom;
  }
  switch (shape.figure) {
    case Figure::Ellipse: Ellipse(dc, box.left, box.top, box.right, box.bottom); break;
    case Figure::RoundedRectangle: {
      const int diameter = static_cast<int>(2 * shape.corner_radius);
      RoundRect(dc, box.left, box.top, box.right, box.bottom, diameter, diameter);
      break;
    }
    case Figure::Rectangle: Rectangle(dc, box.left, box.top, box.right, box.bottom); break;
  }
}

void draw_line(HDC dc, const LineDrawing& line) {
  Selected pen(dc, solid_pen(to_colorref(line.colour), line.width, PS_ENDCAP_FLAT));
  MoveToEx(dc, whole(line.x1), whole(line.y1), nullptr);
  LineTo(dc, whole(line.x2), whole(line.y2));
}

UINT horizontal_format(Alignment alignment) {
  return alignment == Alignment::Right ? DT_RIGHT : alignment == Alignment::Center ? DT_CENTER : DT_LEFT;
}

void draw_text(HDC dc, const TextDrawing& text, UINT dpi) {
  RECT box = to_rect(text.box);
  Selected font(dc, font_for(text.font, dpi), false);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, to_colorref(text.colour));
  DrawTextW(dc, wide(text.text), static_cast<int>(text.text.size()), &box,
            horizontal_format(text.alignment) | DT_TOP | DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE);
}

}  // namespace

void draw(HDC dc, const Primitive& primitive, UINT dpi) {
  if (const auto* shape = std::get_if<ShapeDrawing>(&primitive)) draw_shape(dc, *shape);
  if (const auto* line = std::get_if<LineDrawing>(&primitive)) draw_line(dc, *line);
  if (const auto* text = std::get_if<TextDrawing>(&primitive)) draw_text(dc, *text, dpi);
  if (const auto* drawn = std::get_if<PictureDrawing>(&primitive)) {
    if (const Picture* picture = program_picture(drawn->picture)) picture->draw(dc, to_rect(drawn->box));
  }
}

TextMeasure text_measure(HDC dc, UINT dpi) {
  return {[dc, dpi](const Font& font, std::u16string_view text) {
            Selected selected(dc, font_for(font, dpi), false);
            SIZE size{};
            GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()),
                                  &size);
            return static_cast<float>(size.cx);
          },
          [dc, dpi](const Font& font) {
            Selected selected(dc, font_for(font, dpi), false);
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            return static_cast<float>(metrics.tmHeight + metrics.tmExternalLeading);
          }};
}

}  // namespace tarvex::win32
