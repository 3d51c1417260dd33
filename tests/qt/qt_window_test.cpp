// The real windows: each widget stands where its record says, at every scale; each control that
// takes the focus tells assistive technology what it is; typing, clicks and the close box reach the
// records as the user meant them; the message box is the plain modal box the program asks for.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "about_window/frm_about.h"
#include "app/tarvex_program.h"
#include "core/notation.h"
#include "core/number_text.h"
#include "drive/property_text.h"
#include "main_window/frm_main.h"
#include "tests/support/shown_main_window.h"
#include "tests/support/view_log.h"
#include "toolkit/qt/conversions.h"
#include "toolkit/qt/form_view.h"
#include "toolkit/qt/qt_platform.h"
#include "toolkit/qt/raw_picture.h"
#include "toolkit/qt/surface.h"
#include "toolkit/qt/widgets.h"

namespace tarvex {
namespace {

struct QtWindowTest : testing::Test, ShownMainWindowOn<qt::QtPlatform> {
  QtWindowTest() { EXPECT_TRUE(QTest::qWaitForWindowActive(view())); }
  qt::FormView* view() const { return platform.view_of(window); }
  template <class Widget = QWidget>
  Widget* widget(const Control& control) const {
    return qobject_cast<Widget*>(platform.view_of(control.form())->widget_of(control));
  }
};

QRect twips_in_pixels(const Placed& c) {
  const auto px = [](float twips) { return static_cast<int>(std::lround(twips / 15.0f)); };
  return {px(c.Left), px(c.Top), px(c.Width), px(c.Height)};
}

double scale_factor() {
  const char* scale = std::getenv("QT_SCALE_FACTOR");
  return scale ? std::atof(scale) : 1.0;
}

// Every windowed control at its twips divided by 15, inside the client area; the client area at the
// window's designed size; the picture of it at the scale's number of device pixels.
void expect_laid_out_to_the_twip(const Form& form, const qt::FormView& view) {
  const QSize client(static_cast<int>(form.client_width / 15), static_cast<int>(form.client_height / 15));
  EXPECT_EQ(view.surface().size(), client);
  int widgets = 0;
  for (const Control* control : form.controls()) {
    const QWidget* widget = view.widget_of(*control);
    if (widget == nullptr) continue;
    ++widgets;
    const QRect expected = twips_in_pixels(static_cast<const Placed&>(*control));
    EXPECT_EQ(widget->geometry(), expected) << control->name();
    if (control->Visible) {
      EXPECT_TRUE(QRect(QPoint(0, 0), client).contains(expected)) << control->name() << " is clipped";
    }
  }
  EXPECT_GT(widgets, 0);
  EXPECT_DOUBLE_EQ(view.devicePixelRatioF(), scale_factor());
  EXPECT_EQ(view.surface().grab().size(), client * scale_factor());
}

TEST_F(QtWindowTest, GeometryOfTheMainWindowFollowsTheTwips) {
  expect_laid_out_to_the_twip(window, *view());
  EXPECT_EQ(view()->windowTitle(), QStringLiteral("Tarvex v1.5.4"));
  EXPECT_TRUE(view()->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(view()->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(view()->minimumSize(), view()->maximumSize()) << "the window has a fixed size";
}

TEST_F(QtWindowTest, GeometryOfTheAboutWindowFollowsTheTwipsAndItIsAModalDialogOverTheMain) {
  frmAbout about(toolkit);
  toolkit.Load(about);
  toolkit.Show(about);
  qt::FormView* about_view = platform.view_of(about);
  ASSERT_NE(about_view, nullptr);
  expect_laid_out_to_the_twip(about, *about_view);
  EXPECT_EQ(about_view->windowTitle(), QStringLiteral("About Tarvex"));
  toolkit.Unload(about);
}

// (The main window's: the conformance cases.)
TEST_F(QtWindowTest, EveryControlOfTheAboutWindowThatTakesTheFocusHasAnAccessibleName) {
  frmAbout about(toolkit);
  toolkit.Show(about);
  for (const Control* control : about.controls()) {
    if (!control->takes_focus() || !control->Visible) continue;
    QWidget* w = widget(*control);
    ASSERT_NE(w, nullptr) << control->name();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(accessible, nullptr) << control->name();
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << control->name();
  }
  toolkit.Unload(about);
}

TEST_F(QtWindowTest, KeystrokesReachTheRecordAndTheCaretStaysWhereTheUserLeftIt) {
  auto* edit = widget<QLineEdit>(window.txt_led_a);
  QTest::mouseClick(edit, Qt::LeftButton);
  EXPECT_EQ(window.StatusBar1.SimpleText.get(), u"LED Current capacity") << "a click's focus runs the hint";
  EXPECT_TRUE(window.Label3.FontBold);
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClicks(edit, QStringLiteral("5"));
  EXPECT_EQ(window.txt_led_a.Text.get(), u"250");
  EXPECT_EQ(window.txt_led_a.SelStart.get(), 2);
  EXPECT_EQ(edit->cursorPosition(), 2) << "the edit was not written back over the caret";
  EXPECT_TRUE(edit->isUndoAvailable()) << "the edit was not written back, which would have emptied the undo";
  // A write by code does reach the widget, with the caret where the record puts it.
  window.txt_led_a.Text = u"30";
  EXPECT_EQ(edit->text(), QStringLiteral("30"));
  EXPECT_EQ(edit->cursorPosition(), 0);
}

TEST_F(QtWindowTest, AReadOnlyBoxTakesTheFocusAndRefusesTyping) {
  auto* edit = widget<QLineEdit>(window.txt_resistor_val);
  QTest::mouseClick(edit, Qt::LeftButton);
  EXPECT_EQ(window.focused(), &window.txt_resistor_val);
  QTest::keyClicks(edit, QStringLiteral("9"));
  EXPECT_EQ(window.txt_resistor_val.Text.get(), u"0");
}

TEST_F(QtWindowTest, TheCloseBoxAsksTheToolkitWhichEndsTheProgram) {
  view()->close();
  EXPECT_FALSE(toolkit.running());
}

// The close box of the main window while the About window takes the input closes nothing; the About
// window's own close box closes the About window, not the window under it.
TEST_F(QtWindowTest, ACloseBoxClosesItsOwnWindowAndOnlyWhileThatWindowTakesInput) {
  frmAbout about(toolkit);
  toolkit.Show(about);
  qt::FormView* about_view = platform.view_of(about);
  ASSERT_NE(about_view, nullptr);
  view()->close();
  EXPECT_TRUE(window.is_loaded());
  EXPECT_TRUE(about.is_loaded());
  about_view->close();
  EXPECT_FALSE(about.is_loaded());
  EXPECT_TRUE(window.is_loaded());
  EXPECT_EQ(toolkit.active_window(), &window);
}

// The modal window runs in an event loop of its own: the show returns once the user's OK has
// unloaded it, and the window was drawn from its record (its Form_Load's caption) before the wait.
TEST_F(QtWindowTest, AModalWindowTakesTheInputUntilItsOKUnloadsIt) {
  frmAbout about(toolkit);
  QString title_while_open;
  bool main_took_input = true;
  QTimer::singleShot(0, [&] {
    qt::FormView* about_view = platform.view_of(about);
    ASSERT_NE(about_view, nullptr);
    title_while_open = about_view->windowTitle();
    main_took_input = !input.perform(action::Click{window.btn_compute}).has_value();
    QTest::mouseClick(about_view->widget_of(about.cmdOK), Qt::LeftButton);
  });
  toolkit.ShowModal(about, window);
  EXPECT_FALSE(about.is_loaded());
  EXPECT_EQ(title_while_open, QStringLiteral("About Tarvex"));
  EXPECT_FALSE(main_took_input) << "the owner takes no input while the modal window is open";
  EXPECT_EQ(toolkit.active_window(), &window);
}

// Started with a German locale (see the test's entry in CMakeLists.txt), the program reads the comma
// as the decimal separator and the point as the grouping one from the system.
TEST(SystemNotation, IsReadFromTheSystemAtStartUp) {
  const char* locale = std::getenv("LC_ALL");
  if (locale == nullptr || std::string(locale) != "de_DE.UTF-8") GTEST_SKIP() << "runs with LC_ALL=de_DE.UTF-8";
  ScopedNotation restored({});
  qt::use_system_notation();
  EXPECT_EQ(current_notation().decimal_separator, u',');
  EXPECT_EQ(current_notation().grouping_separator, u'.');
  EXPECT_EQ(current_notation().currency_symbol, u"€");
  EXPECT_TRUE(IsNumeric(u"1.000,5"));
  EXPECT_EQ(read_in_notation(u"1.000,5"), 1000.5);
}

TEST_F(QtWindowTest, TheMessageBoxIsModalWithTheCaptionThePromptAnOkButtonAndNoIcon) {
  bool seen = false;
  platform.message_box_shown = [&](QMessageBox& box) {
    seen = true;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Tarvex"));
    EXPECT_EQ(box.text(), QStringLiteral("Please Enter new values"));
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
    EXPECT_TRUE(box.isModal());
    QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
  };
  toolkit.MsgBox(u"Please Enter new values");
  EXPECT_TRUE(seen);
}

TEST_F(QtWindowTest, OnlyAWebAddressIsOpenedAndAnyOtherCommandIsReportedNotRun) {
  EXPECT_THROW(platform.start_program(u"explorer C:\\Windows", 2), std::runtime_error);
  EXPECT_THROW(platform.start_program(u"rm -rf /", 2), std::runtime_error);
}

// Every property of a window's controls as the driver prints it, by "control.Property".
std::map<std::string, std::string> properties_of(const Form& form) {
  std::map<std::string, std::string> values;
  for (const Control* control : form.controls()) {
    for (const PropertyBase* property : control->properties()) {
      values[control->name() + "." + std::string(property->name())] = format_property(*property);
    }
  }
  return values;
}

// What one Compute of 12 V, 2 V and 20 mA hands to the view, from the button's clicked signal on:
// one notice for each property of a shown control whose value differs afterwards, nothing for the
// hidden standard-value list (which has no widget at all), and no widget built anew.
TEST_F(QtWindowTest, OneComputeTellsTheViewOnceOfEachPropertyThatDiffersAfterwards) {
  window.txt_supply_v.Text = u"12";
  window.txt_led_v.Text = u"2";
  input.perform(action::Focus{window.btn_compute});
  QHash<const Control*, QWidget*> widgets_before;
  for (const Control* control : window.controls()) widgets_before.insert(control, view()->widget_of(*control));
  const auto before = properties_of(window);
  qt::FormView* shown = view();
  QWidget* compute = widget(window.btn_compute);
  ViewLog log(false, shown);
  window.set_view(&log);

  QTest::mouseClick(compute, Qt::LeftButton);
  window.set_view(shown);

  ASSERT_EQ(window.txt_standard_val.Text.get(), u"510");
  std::vector<std::string> differing;
  for (const auto& [name, value] : properties_of(window)) {
    const Control* control = window.find(name.substr(0, name.find('.')));
    const bool shown = control->Visible || name.ends_with(".Visible");
    if (value != before.at(name) && shown) differing.push_back(name);
  }
  std::vector<std::string> told = log.changes;
  std::sort(told.begin(), told.end());
  EXPECT_EQ(std::adjacent_find(told.begin(), told.end()), told.end()) << "a property was told twice";
  EXPECT_EQ(told, differing);
  EXPECT_GT(told.size(), 10u);
  EXPECT_EQ(view()->widget_of(window.lst_standards), nullptr);
  for (const Control* control : window.controls()) {
    EXPECT_EQ(view()->widget_of(*control), widgets_before.value(control)) << control->name() << " was rebuilt";
  }
}

TEST_F(QtWindowTest, LabelsThatSizeThemselvesAreAsWideAsTheTextDrawn) {
  const QFontMetricsF metrics(qt::to_qfont(window.Label10.shown_font()));
  const double drawn = metrics.horizontalAdvance(QStringLiteral("LED Limiting Resistor Calculator"));
  EXPECT_EQ(window.Label10.Width.get(), std::ceil(drawn - 1e-9) * 15);
}

// (Which data are refused: RawPixels, of the reader that every front end draws pictures with.)
TEST(RawPicture, ReadsEightBitPixelsRowByRowAndRefusesAnythingElse) {
  // Two by one: a red pixel, then a blue one, after a header with a comment in it.
  const QByteArray two_pixels =
      QByteArray("P6\n# drawn by hand\n2 1\n255\n") + QByteArray("\xFF\x00\x00\x00\x00\xFF", 6);
  const QImage picture = qt::read_raw_picture(two_pixels);
  ASSERT_EQ(picture.size(), QSize(2, 1));
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(picture.pixelColor(1, 0), QColor(Qt::blue));
  EXPECT_TRUE(qt::read_raw_picture(two_pixels.chopped(1)).isNull()) << "short of its last byte";
}

TEST_F(QtWindowTest, ThePictureLinkShowsItsPicture) {
  const QImage client = view()->surface().grab().toImage();
  const QRect picture = twips_in_pixels(window.Image1).adjusted(4, 4, -4, -30);
  QSet<QRgb> colours;
  for (int y = picture.top(); y < picture.bottom(); y += 3) {
    for (int x = picture.left(); x < picture.right(); x += 3) colours.insert(client.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 20) << "the picture's box is not one flat colour";
}

}  // namespace
}  // namespace tarvex
