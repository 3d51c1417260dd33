// Prints the main window's first frame as plain data for the start-up floor (bench/startup/
// hand_drawn_window.cpp): every painted control in paint order and every visible windowed control,
// as the program shows them once it has started. Run it under QT_QPA_PLATFORM=offscreen, built
// against the program's libraries, and paste its output into bench/startup/hand_drawn_window.inc
// when the window changes:
//   c++ -std=c++20 -fPIC -I. -Ibuild/generated tools/floor_table.cpp $(pkg-config --cflags Qt6Widgets) \
//     build/app/libtarvex_app.a ... $(pkg-config --libs Qt6Widgets)
#include <QApplication>
#include <cstdio>
#include <string>

#include "app/tarvex_program.h"
#include "toolkit/text_encoding.h"

namespace {

using namespace tarvex;

std::string quoted(const Text& text) {
  std::string out = "u\"";
  for (char c : to_utf8(text)) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

unsigned bgr(Color c) { return static_cast<unsigned>(bgr_of(c)); }

void print_painted(const Control& c) {
  if (!c.Visible) return;
  switch (c.kind()) {
    case ControlKind::Line: {
      const auto& l = static_cast<const Line&>(c);
      std::printf("    {.kind = Painted::Line, .at = {%g, %g, %g, %g}, .colour = 0x%06X, .width = %d},\n", l.X1.get(),
                  l.Y1.get(), l.X2.get(), l.Y2.get(), bgr(l.BorderColor), l.border_width);
      break;
    }
    case ControlKind::Shape: {
      const auto& s = static_cast<const Shape&>(c);
      std::printf(
          "    {.kind = Painted::Shape, .at = {%g, %g, %g, %g}, .colour = 0x%06X, .border = 0x%06X, "
          ".width = %d, .shape = %d},\n",
          s.Left.get(), s.Top.get(), s.Width.get(), s.Height.get(), bgr(s.FillColor), bgr(s.BorderColor),
          s.has_border ? s.border_width : 0, static_cast<int>(s.shape));
      break;
    }
    case ControlKind::Label: {
      const auto& l = static_cast<const Label&>(c);
      const Font f = l.shown_font();
      std::printf(
          "    {.kind = Painted::Label, .at = {%g, %g, %g, %g}, .colour = 0x%06X, .text = %s, .points = %g, "
          ".bold = %s, .align = %d, .wrap = %s, .opaque = %s},\n",
          l.Left.get(), l.Top.get(), l.Width.get(), l.Height.get(), bgr(l.ForeColor), quoted(l.shown_caption()).c_str(),
          f.size, f.bold ? "true" : "false", static_cast<int>(l.alignment), l.word_wrap ? "true" : "false",
          l.paints_background() ? "true" : "false");
      break;
    }
    case ControlKind::Image: {
      const auto& i = static_cast<const Image&>(c);
      std::printf("    {.kind = Painted::Picture, .at = {%g, %g, %g, %g}},\n", i.Left.get(), i.Top.get(), i.Width.get(),
                  i.Height.get());
      break;
    }
    default: break;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  tarvex::TarvexProgram program;
  const tarvex::Form& window = *program.main_window()->form();
  std::printf("// Made by tools/floor_table.cpp: the main window's first frame.\n");
  std::printf("constexpr Painted kPainted[] = {\n");
  for (const tarvex::Control* c : window.paint_order()) print_painted(*c);
  std::printf("};\n\n");
  std::printf("constexpr Windowed kWindowed[] = {\n");
  for (const tarvex::Control* c : window.controls()) {
    if (!c->traits().windowed || !c->Visible) continue;
    const auto& p = static_cast<const tarvex::Placed&>(*c);
    std::string text;
    if (c->kind() == tarvex::ControlKind::TextBox) text = quoted(static_cast<const tarvex::TextBox&>(*c).Text.get());
    if (const tarvex::Text* caption = c->caption()) text = quoted(*caption);
    if (c->kind() == tarvex::ControlKind::StatusBar)
      text = quoted(static_cast<const tarvex::StatusBar&>(*c).SimpleText.get());
    int state = 0;
    if (c->kind() == tarvex::ControlKind::ComboBox) state = static_cast<const tarvex::ListControl&>(*c).ListIndex;
    if (c->kind() == tarvex::ControlKind::CheckBox) state = static_cast<const tarvex::CheckBox&>(*c).Value;
    if (c->kind() == tarvex::ControlKind::OptionButton) state = static_cast<const tarvex::OptionButton&>(*c).Value;
    if (c->kind() == tarvex::ControlKind::TextBox) {
      const auto& box = static_cast<const tarvex::TextBox&>(*c);
      state = (box.read_only ? 1 : 0) | (box.alignment == tarvex::Alignment::Right ? 2 : 0) |
              (c == window.focused() ? 4 : 0);
    }
    std::printf("    {.kind = Windowed::%s, .at = {%g, %g, %g, %g}, .text = %s, .state = %d},\n",
                std::string(c->kind() == tarvex::ControlKind::TextBox         ? "TextBox"
                            : c->kind() == tarvex::ControlKind::ComboBox      ? "DropDown"
                            : c->kind() == tarvex::ControlKind::CheckBox      ? "CheckBox"
                            : c->kind() == tarvex::ControlKind::OptionButton  ? "Option"
                            : c->kind() == tarvex::ControlKind::CommandButton ? "Button"
                            : c->kind() == tarvex::ControlKind::UpDown        ? "Spin"
                                                                              : "StatusBar")
                    .c_str(),
                p.Left.get(), p.Top.get(), p.Width.get(), p.Height.get(), text.empty() ? "u\"\"" : text.c_str(), state);
  }
  std::printf("};\n");
  return 0;
}
