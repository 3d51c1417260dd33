// What a paint draws, printed as the headless front end prints it: the colour rule's table, and the
// main window's primitives after a Compute (in the design's colours) and after a bad entry under a
// contrast theme.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/band_code.h"
#include "tests/support/shown_main_window.h"
#include "toolkit/colours.h"
#include "toolkit/drawing.h"
#include "toolkit/headless/font_metrics.h"

namespace tarvex {
namespace {

// Windows' High Contrast Black and White, as their system colours.
constexpr SystemColours kContrastBlack{.face = kBlack,
                                       .text = kWhite,
                                       .window = kBlack,
                                       .gray_text = color_bgr(0x3FF23F),
                                       .highlight = color_bgr(0xFFEB1A),
                                       .hot_light = color_bgr(0x00FFFF)};
constexpr SystemColours kContrastWhite{.face = kWhite,
                                       .text = kBlack,
                                       .window = kWhite,
                                       .gray_text = color_bgr(0x000060),
                                       .highlight = color_bgr(0x6E0037),
                                       .hot_light = color_bgr(0x9F0000)};
constexpr Color kBrown = color_bgr(0x004080);

TEST(ColourRule, DecidesEachUseFromTheDesignTheSystemAndTheContrastFlag) {
  const ColourScheme design{};
  const ColourScheme black_unasked{kContrastBlack, false};  // the colours set, the flag off
  const ColourScheme black{kContrastBlack, true};
  const ColourScheme white{kContrastWhite, true};
  struct Row {
    Color design;
    ColourUse use;
    const ColourScheme& scheme;
    Color drawn;
  };
  const Row rows[] = {
      // Without the flag, the design's colours throughout, whatever the system's are.
      {kButtonFace, ColourUse::Face, black_unasked, kButtonFace},
      {kWindowText, ColourUse::Caption, black_unasked, kWindowText},
      {kRed, ColourUse::Caption, design, kRed},
      {kWindowBackground, ColourUse::EntryBackground, black_unasked, kWindowBackground},
      {kRed, ColourUse::DisabledText, design, kGrayText},
      {kResistorBody, ColourUse::Outline, black_unasked, kResistorBody},
      // With it, every role the system's; the marks in its link colour; the bands and body kept.
      {kButtonFace, ColourUse::Face, black, kBlack},
      {kWindowText, ColourUse::Caption, black, kWhite},
      {kRed, ColourUse::Caption, black, kContrastBlack.hot_light},
      {kRed, ColourUse::Caption, white, kContrastWhite.hot_light},
      {kRed, ColourUse::EntryText, black, kContrastBlack.hot_light},
      {kWindowText, ColourUse::EntryText, white, kBlack},
      {kWindowBackground, ColourUse::EntryBackground, black, kBlack},
      {kWindowText, ColourUse::DisabledText, black, kContrastBlack.gray_text},
      {kBlack, ColourUse::Line, black, kWhite},
      {kBrown, ColourUse::Line, black, kBrown},
      {kShadow3D, ColourUse::Line, black, kWhite},
      {kHighlight3D, ColourUse::Line, black, kBlack},  // an etched line's lit edge
      {kResistorBody, ColourUse::Fill, black, kResistorBody},
      {kWhite, ColourUse::Fill, black, kWhite},  // the LED's glint
      {kResistorBody, ColourUse::Outline, black, kWhite},
      {kWhite, ColourUse::Caption, black, kWhite},  // the address on the picture, which stays
  };
  for (const Row& row : rows) {
    EXPECT_EQ(drawn_colour(row.design, row.use, row.scheme), row.drawn)
        << std::hex << bgr_of(row.design) << " for use " << static_cast<int>(row.use);
  }
}

TEST(ColourRule, AMarkReadsAndStandsApartEvenWhereTheLinkColourCannotServe) {
  for (const SystemColours& system : {kContrastBlack, kContrastWhite}) {
    const Color mark = drawn_colour(kRed, ColourUse::Caption, {system, true});
    EXPECT_NE(mark, system.text);
    EXPECT_GE(contrast_ratio(mark, system.face), 4.5);
  }
  SystemColours dim = kContrastBlack;
  dim.hot_light = color_bgr(0x202020);  // unreadable on black: the selection's colour serves
  EXPECT_EQ(drawn_colour(kRed, ColourUse::Caption, {dim, true}), kContrastBlack.highlight);
  dim.highlight = dim.text;  // nothing else reads: the text colour, readable if not told apart
  EXPECT_EQ(drawn_colour(kRed, ColourUse::Caption, {dim, true}), kWhite);
  EXPECT_DOUBLE_EQ(contrast_ratio(kBlack, kWhite), 21);
}

struct DrawnMainWindow : testing::Test, ShownMainWindow {
  std::vector<std::string> lines(const ColourScheme& colours) {
    std::vector<std::string> drawn;
    const Bounds all{0, 0, window.client_width, window.client_height};
    for (const Primitive& primitive : drawing_of(window, all, 96, colours, headless_text_measure()))
      drawn.push_back(describe(primitive));
    return drawn;
  }
  void compute(std::u16string_view supply) {
    window.txt_supply_v.Text = Text(supply);
    window.txt_led_v.Text = u"2";
    input.perform(action::Click{window.btn_compute});
  }
};

// tests/toolkit/main_window_drawing.expected holds what the design draws after a Compute of 12 V,
// 2 V and 20 mA: where each shape, line, line of a caption and picture lies, and in what colour.
TEST_F(DrawnMainWindow, AfterAComputeDrawsWhatTheDesignSays) {
  compute(u"12");
  std::ifstream file(TARVEX_SOURCE_DIR "/tests/toolkit/main_window_drawing.expected");
  ASSERT_TRUE(file) << "the expected lines are missing";
  std::vector<std::string> expected;
  for (std::string line; std::getline(file, line);) expected.push_back(line);
  const std::vector<std::string> drawn = lines({});
  for (std::size_t i = 0; i < std::max(drawn.size(), expected.size()); ++i) {
    EXPECT_EQ(i < drawn.size() ? drawn[i] : "(nothing)", i < expected.size() ? expected[i] : "(nothing)")
        << "primitive " << i;
  }
}

TEST_F(DrawnMainWindow, UnderAContrastThemeEveryShapeIsOutlinedAndABadEntryMarked) {
  compute(u"x");
  int shapes = 0, marked = 0;
  for (const std::string& line : lines({kContrastBlack, true})) {
    EXPECT_EQ(line.find("#F0F0F0"), std::string::npos) << "the design's face: " << line;
    if (line.find("rectangle") == 0 || line.find("ellipse") == 0) {
      ++shapes;
      // Every shape but the backgrounds (the face's black) is outlined in the theme's text colour.
      if (!line.ends_with("fill #000000")) {
        EXPECT_NE(line.find("outline #FFFFFF"), std::string::npos) << line;
      }
    }
    if (line.find("#FFFF00 \"Supply Voltage:\"") != std::string::npos) ++marked;
  }
  EXPECT_GT(shapes, 10);
  EXPECT_EQ(marked, 1) << "the bad entry's caption in the link colour";
}

}  // namespace
}  // namespace tarvex
