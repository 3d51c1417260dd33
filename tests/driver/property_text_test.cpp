// The driver reads back what it prints, and refuses a text that is no value of the property.
#include "drive/property_text.h"

#include <gtest/gtest.h>

#include "toolkit/headless/headless_platform.h"
#include "toolkit/toolkit.h"

namespace tarvex {
namespace {

struct Box : Form {
  explicit Box(Toolkit& t) : Form(t, "frmBox") {}
  Shape shape{*this, "shape"};
  ListControl list{*this, "list", ControlKind::ListBox};
};

struct PropertyTextTest : testing::Test {
  HeadlessPlatform platform;
  Toolkit toolkit{platform};
  Box box{toolkit};

  void write(PropertyBase& property, std::string_view text) { property.write_value(parse_property(property, text)); }
};

TEST_F(PropertyTextTest, ParsesWhatItPrints) {
  write(box.shape.FillColor, "0x003AAEC2");
  EXPECT_EQ(format_property(box.shape.FillColor), "0x003AAEC2");
  write(box.shape.Left, "168.75");
  EXPECT_EQ(format_property(box.shape.Left), "168.75");
  write(box.shape.Visible, "False");
  EXPECT_EQ(format_property(box.shape.Visible), "False");
  write(box.shape.Left, "-0");
  EXPECT_EQ(format_property(box.shape.Left), "0") << "no negative zero";
}

TEST_F(PropertyTextTest, RefusesATextThatIsNoValueOfTheProperty) {
  EXPECT_THROW(parse_property(box.shape.FillColor, "0x1000000"), BadPropertyText) << "beyond 24 bits";
  EXPECT_THROW(parse_property(box.shape.Visible, "yes"), BadPropertyText);
  EXPECT_THROW(parse_property(box.shape.Left, "12px"), BadPropertyText);
  EXPECT_THROW(parse_property(box.list.ListIndex, "70000"), BadPropertyText) << "beyond an Integer";
}

}  // namespace
}  // namespace tarvex
