// Where the hands in the real windows click each kind of control, and which texts they type key by key.
#include "drive/window_hands.h"

#include <gtest/gtest.h>

#include "toolkit/headless/headless_platform.h"
#include "toolkit/toolkit.h"

namespace tarvex {
namespace {

struct EveryKind : Form {
  explicit EveryKind(Toolkit& t) : Form(t, "frmKinds") {}
  Menu title{*this, "mnu_file"}, item{*this, "mnu_exit", &title};
  Label label{*this, "label"};
  Image picture{*this, "picture"};
  ListControl combo{*this, "combo", ControlKind::ComboBox}, list{*this, "list", ControlKind::ListBox};
  CheckBox check{*this, "check"};
  OptionButton option{*this, "option"};
  CommandButton button{*this, "button"};
  TextBox box{*this, "box"};
};

TEST(WindowHands, ClicksEachKindWhereItTakesTheClick) {
  HeadlessPlatform platform;
  Toolkit toolkit{platform};
  EveryKind window{toolkit};
  const std::pair<const Control&, ClickTarget> rows[] = {
      {window.item, ClickTarget::MenuItem},      {window.label, ClickTarget::PaintedBox},
      {window.picture, ClickTarget::PaintedBox}, {window.combo, ClickTarget::ListFocus},
      {window.list, ClickTarget::ListFocus},     {window.check, ClickTarget::LeftEnd},
      {window.option, ClickTarget::LeftEnd},     {window.button, ClickTarget::LeftEnd},
      {window.box, ClickTarget::Centre},
  };
  for (const auto& [control, target] : rows) EXPECT_EQ(click_target(control), target) << control.name();
}

TEST(WindowHands, TypesShortPlainAsciiKeyByKeyAndBringsInAnythingElseWhole) {
  EXPECT_TRUE(types_key_by_key(u" 12,5 ~"));
  EXPECT_TRUE(types_key_by_key(Text(80, u'9')));
  EXPECT_FALSE(types_key_by_key(Text(81, u'9')));
  EXPECT_FALSE(types_key_by_key(u"12\t"));
  EXPECT_FALSE(types_key_by_key(u"1\u007F"));
  EXPECT_FALSE(types_key_by_key(u"5 µA"));
}

}  // namespace
}  // namespace tarvex
