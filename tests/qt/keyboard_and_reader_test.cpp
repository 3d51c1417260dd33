// The window as a keyboard user and a screen reader meet it: the focus shows wherever the keyboard
// puts it, list items read whole in their closed drop-downs, arrows and Enter act as on every desktop,
// the window stays reachable on a small screen, and the read-out reads as the user sees it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHash>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTest>
#include <cmath>
#include <set>

#include "about_window/frm_about.h"
#include "main_window/frm_main.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/qt_platform.h"
#include "toolkit/qt/surface.h"

namespace tarvex {
namespace {

struct WindowAsMetTest : testing::Test {
  WindowAsMetTest() {
    toolkit.show_windows_in(platform, input);
    toolkit.Load(window);
    toolkit.Show(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(view(window)));
  }
  qt::FormView* view(const Form& form) const { return platform.view_of(form); }
  template <class Widget = QWidget>
  Widget* widget(const Control& control) const {
    return qobject_cast<Widget*>(view(control.form())->widget_of(control));
  }
  // A real Tab key, pressed where the focus is.
  void press_tab(const Form& form) {
    QWidget* at = view(form)->focusWidget();
    QTest::keyClick(at ? at : view(form), Qt::Key_Tab);
  }

  qt::QtPlatform platform;
  Toolkit toolkit{platform};
  UserInput input{toolkit};
  frmMain window{toolkit};
};

// Walks the tab order round with real Tab keys and compares the picture of each control that the
// keyboard reaches with its picture just before: a frame, a highlight, anything, but not the same
// pixels.
void expect_tab_shows_the_focus(WindowAsMetTest& test, const Form& form, std::set<ControlKind>& kinds) {
  const qt::FormView& view = *test.view(form);
  for (std::size_t step = 0; step <= form.tab_order().size(); ++step) {
    QHash<const Control*, QImage> before;
    for (const Control* c : form.tab_order()) {
      if (QWidget* w = view.widget_of(*c)) before.insert(c, w->grab().toImage());
    }
    const Control* from = form.focused();
    test.press_tab(form);
    const Control* now = form.focused();
    ASSERT_NE(now, nullptr);
    ASSERT_NE(now, from) << "Tab moved no focus";
    QWidget* w = view.widget_of(*now);
    ASSERT_TRUE(w->hasFocus()) << now->name();
    EXPECT_NE(w->grab().toImage(), before.value(now)) << now->name() << ": focus by the keyboard changes no pixel";
    kinds.insert(now->kind());
  }
}

TEST_F(WindowAsMetTest, FocusByTheKeyboardShowsOnEveryKindOfControl) {
  std::set<ControlKind> kinds;
  expect_tab_shows_the_focus(*this, window, kinds);
  frmAbout about(toolkit);
  toolkit.Load(about);
  toolkit.Show(about);
  ASSERT_TRUE(QTest::qWaitForWindowActive(view(about)));
  expect_tab_shows_the_focus(*this, about, kinds);
  toolkit.Unload(about);
  EXPECT_EQ(kinds, (std::set<ControlKind>{ControlKind::TextBox, ControlKind::OptionButton, ControlKind::CommandButton,
                                          ControlKind::ComboBox, ControlKind::CheckBox, ControlKind::ListBox}));
}

// A click gives no keyboard focus frame: the focus shows as the pointer left it.
TEST_F(WindowAsMetTest, FocusByThePointerLeavesTheLookAsTheStyleDrawsIt) {
  QTest::mouseClick(widget(window.chk_5band), Qt::LeftButton);
  EXPECT_FALSE(view(window)->testAttribute(Qt::WA_KeyboardFocusChange));
  press_tab(window);
  EXPECT_TRUE(view(window)->testAttribute(Qt::WA_KeyboardFocusChange));
}

// The text of every item, at the font drawn, within the edit field that the style gives the closed
// list (less the pixel it keeps on each side), and the arrow beside it inside the control.
TEST_F(WindowAsMetTest, EveryItemOfEveryListShowsWholeInItsClosedDropDown) {
  int lists = 0;
  for (const Control* control : window.controls()) {
    if (control->kind() != ControlKind::ComboBox) continue;
    ++lists;
    auto* combo = widget<QComboBox>(*control);
    ASSERT_NE(combo, nullptr) << control->name();
    for (const Text& item : static_cast<const ListControl*>(control)->items()) {
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.editable = false;
      option.currentText = QString::fromStdU16String(item);
      const QStyle* style = combo->style();
      const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
      const QRect arrow = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
      const double text = QFontMetricsF(combo->font()).horizontalAdvance(option.currentText);
      EXPECT_LE(std::ceil(text), field.width() - 2) << control->name() << ": " << option.currentText.toStdString();
      EXPECT_FALSE(field.intersects(arrow)) << control->name();
      EXPECT_TRUE(combo->rect().contains(arrow)) << control->name();
      EXPECT_GE(arrow.width(), 8) << control->name() << ": the arrow is still there to be clicked";
    }
  }
  EXPECT_EQ(lists, 5);
}

TEST_F(WindowAsMetTest, ArrowKeysInTheOptionPairSelectAsTheyMove) {
  QTest::mouseClick(widget(window.op_ma), Qt::LeftButton);
  QTest::keyClick(widget(window.op_ma), Qt::Key_Down);
  EXPECT_TRUE(window.op_a.Value);
  EXPECT_FALSE(window.op_ma.Value);
  EXPECT_TRUE(widget<QRadioButton>(window.op_a)->hasFocus());
  EXPECT_TRUE(widget<QRadioButton>(window.op_a)->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(window.op_ma)->isChecked());
  QTest::keyClick(widget(window.op_a), Qt::Key_Left);
  EXPECT_TRUE(window.op_ma.Value);
  EXPECT_TRUE(widget<QRadioButton>(window.op_ma)->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(window.op_a)->isChecked());
}

TEST_F(WindowAsMetTest, EnterInEachEntryBoxPressesCompute) {
  window.txt_supply_v.Text = u"12";
  window.txt_led_v.Text = u"2";
  for (TextBox* entry : {&window.txt_supply_v, &window.txt_led_v, &window.txt_led_a}) {
    window.txt_resistor_val.Text = u"";
    QTest::mouseClick(widget(*entry), Qt::LeftButton);
    QTest::keyClick(widget(*entry), Qt::Key_Return);
    EXPECT_EQ(window.txt_resistor_val.Text.get(), u"500") << entry->name();
    EXPECT_TRUE(widget(*entry)->hasFocus()) << entry->name();
  }
  QTest::mouseClick(widget(window.txt_leds), Qt::LeftButton);
  window.txt_resistor_val.Text = u"";
  QTest::keyClick(widget(window.txt_leds), Qt::Key_Return);
  EXPECT_EQ(window.txt_resistor_val.Text.get(), u"") << "Enter in the count does not compute";
}

// Centred where it fits; where it does not (the window at twice its size on the small screen of
// the test platform), with its frame's top-left corner on the screen.
TEST_F(WindowAsMetTest, TheWindowIsPlacedWithItsTopLeftOnTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect frame = view(window)->frameGeometry();
  ASSERT_GT(frame.width(), 0);
  EXPECT_TRUE(area.contains(frame.topLeft())) << frame.x() << "," << frame.y();
  // The frame's margins are known only once the window is on the screen, after it was placed.
  const QSize margins = frame.size() - view(window)->geometry().size();
  if (frame.width() <= area.width()) {
    EXPECT_LE(std::abs(frame.center().x() - area.center().x()), margins.width() / 2 + 1);
  }
  if (frame.height() <= area.height()) {
    EXPECT_LE(std::abs(frame.center().y() - area.center().y()), margins.height() / 2 + 1);
  }
}

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// Found among the client area's children by role.
QAccessibleInterface* find_accessible(QWidget* surface, QAccessible::Role role) {
  QAccessibleInterface* area = accessible(surface);
  for (int i = 0; i < area->childCount(); ++i) {
    if (area->child(i)->role() == role) return area->child(i);
  }
  return nullptr;
}

TEST_F(WindowAsMetTest, TheReadOutUnderTheResistorReadsAsTheUserSeesIt) {
  QAccessibleInterface* read_out = find_accessible(&view(window)->surface(), QAccessible::StaticText);
  ASSERT_NE(read_out, nullptr);
  EXPECT_EQ(read_out->text(QAccessible::Name), QStringLiteral("Resistor Value: 000 Ω"));
  window.txt_supply_v.Text = u"12";
  window.txt_led_v.Text = u"2";
  QTest::mouseClick(widget(window.btn_compute), Qt::LeftButton);
  EXPECT_EQ(read_out->text(QAccessible::Name), QStringLiteral("Resistor Value: 510 Ω")) << "four-band reading";
  window.chk_5band.Value = 1;
  EXPECT_EQ(read_out->text(QAccessible::Name).toStdU16String(),
            u"Resistor Value: 51" + window.lbl_band5.Caption.get() + window.lbl_band3.Caption.get() + u" Ω");
}

}  // namespace
}  // namespace tarvex
