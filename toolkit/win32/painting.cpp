#include "toolkit/win32/painting.h"

#include <algorithm>

#include "toolkit/view_rules.h"
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

// Border widths are in pixels at 96 DPI and grow with the DPI.
int scaled_width(int pixels, UINT dpi) { return std::max(1, MulDiv(pixels, static_cast<int>(dpi), 96)); }

UINT horizontal_format(const Label& label) {
  return label.alignment == Alignment::Right ? DT_RIGHT : label.alignment == Alignment::Center ? DT_CENTER : DT_LEFT;
}

}  // namespace

void draw(HDC dc, const Shape& shape, UINT dpi) {
  RECT box = to_pixels(shape_box(shape), dpi);
  Selected brush(dc, CreateSolidBrush(to_colorref(shape.FillColor)));
  // The border lies inside the box, as wide as it says; without one, GDI's figures leave out their
  // right and bottom edges, so the box grows by that pixel.
  HGDIOBJ pen = shape.has_border
                    ? static_cast<HGDIOBJ>(solid_pen(to_colorref(shape.BorderColor),
                                                     scaled_width(shape.border_width, dpi), PS_INSIDEFRAME))
                    : GetStockObject(NULL_PEN);
  Selected selected_pen(dc, pen, shape.has_border);
  if (!shape.has_border) {
    ++box.right;
    ++box.bottom;
  }
  switch (shape.shape) {
    case ShapeKind::Oval:
    case ShapeKind::Circle: Ellipse(dc, box.left, box.top, box.right, box.bottom); break;
    case ShapeKind::RoundedRectangle:
    case ShapeKind::RoundedSquare: {
      const int diameter = std::min(box.right - box.left, box.bottom - box.top) / 2;
      RoundRect(dc, box.left, box.top, box.right, box.bottom, diameter, diameter);
      break;
    }
    default: Rectangle(dc, box.left, box.top, box.right, box.bottom); break;
  }
}

void draw(HDC dc, const Line& line, UINT dpi) {
  Selected pen(dc, solid_pen(to_colorref(line.BorderColor), scaled_width(line.border_width, dpi), PS_ENDCAP_FLAT));
  MoveToEx(dc, to_pixels(line.X1, dpi), to_pixels(line.Y1, dpi), nullptr);
  LineTo(dc, to_pixels(line.X2, dpi), to_pixels(line.Y2, dpi));
}

void draw(HDC dc, const Label& label, UINT dpi) {
  RECT box = to_pixels(label, dpi);
  if (label.paints_background()) {
    HBRUSH back = CreateSolidBrush(to_colorref(label.back_color()));
    FillRect(dc, &box, back);
    DeleteObject(back);
  }
  Selected font(dc, font_for(label.shown_font(), dpi), false);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, label.enabled() ? to_colorref(label.ForeColor) : GetSysColor(COLOR_GRAYTEXT));
  const Text caption = label.shown_caption();
  const UINT format = horizontal_format(label) | DT_TOP | DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE;
  if (!label.word_wrap) {
    DrawTextW(dc, wide(caption), static_cast<int>(caption.size()), &box, format);
    return;
  }
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int spacing = metrics.tmHeight + metrics.tmExternalLeading;
  const auto width_of = [dc](std::u16string_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &size);
    return static_cast<float>(size.cx);
  };
  RECT line_box{box.left, box.top, box.right, box.top + spacing};
  for (const Text& line : lines_broken_at_blanks(caption, static_cast<float>(box.right - box.left), width_of)) {
    DrawTextW(dc, wide(line), static_cast<int>(line.size()), &line_box, format);
    OffsetRect(&line_box, 0, spacing);
  }
}

void draw(HDC dc, const Image& image, UINT dpi) {
  if (const Picture* picture = program_picture(image.picture)) picture->draw(dc, to_pixels(image, dpi));
}

}  // namespace tarvex::win32
