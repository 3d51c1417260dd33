// The main and About windows as Windows shows them: every windowed control where its twips put it,
// at 96 DPI and after a move to a 144 DPI monitor; the frame, the controls' kinds and their binding
// to the records; the focus and the keyboard through the toolkit; the About window owned and modal.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <commctrl.h>
#include <cstdio>
#include <string>

#include "app/win32_program.h"
#include "main_window/frm_main.h"
#include "toolkit/win32/form_view.h"

namespace tarvex {
namespace {

class Win32Window : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { win32::prepare_process(); }

  void SetUp() override {
    program_ = std::make_unique<Win32Program>();
    view_ = program_->main_window();
    ASSERT_NE(view_, nullptr);
    form_ = view_->form();
    pump();
  }
  void TearDown() override { program_.reset(); }

  void pump() { program_->platform().pump_waiting(); }

  Control& control(const char* name) {
    Control* found = form_->find(name);
    EXPECT_NE(found, nullptr) << name;
    return *found;
  }
  HWND window_of(const char* name) { return view_->control_window(control(name)); }

  // A control's rectangle in its window's client area.
  static RECT client_rect_of(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  static long scaled(float twips, UINT dpi) { return std::lround(static_cast<double>(twips) * dpi / 1440.0); }

  void expect_every_control_at(UINT dpi) {
    int checked = 0;
    for (Control* c : form_->controls()) {
      if (!c->traits().windowed || !c->Visible) continue;
      HWND child = view_->control_window(*c);
      ASSERT_NE(child, nullptr) << c->name();
      const auto& placed = static_cast<const Placed&>(*c);
      const RECT r = client_rect_of(child);
      const long left = scaled(placed.Left, dpi), top = scaled(placed.Top, dpi);
      EXPECT_EQ(r.left, left) << c->name();
      EXPECT_EQ(r.top, top) << c->name();
      EXPECT_EQ(r.right - r.left, scaled(placed.Width, dpi)) << c->name();
      EXPECT_EQ(r.bottom - r.top, scaled(placed.Height, dpi)) << c->name();
      ++checked;
    }
    EXPECT_GT(checked, 0);
  }

  static LONG font_height(HWND child) {
    LOGFONTW look{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof look, &look);
    return look.lfHeight;
  }

  std::unique_ptr<Win32Program> program_;
  win32::FormView* view_ = nullptr;
  Form* form_ = nullptr;
};

TEST_F(Win32Window, EveryWindowedControlStandsAtItsTwipsOver15At96Dpi) {
  ASSERT_EQ(view_->dpi(), 96u) << "the test display runs at 96 DPI";
  expect_every_control_at(96);
  RECT client{};
  GetClientRect(view_->window(), &client);
  EXPECT_EQ(client.right, 790);
  EXPECT_EQ(client.bottom, 398);
}

TEST_F(Win32Window, AMoveTo144DpiScalesControlsFontsAndTheClientArea) {
  const LONG body_at_96 = font_height(window_of("txt_supply_v"));
  RECT suggested{};
  GetWindowRect(view_->window(), &suggested);
  SendMessageW(view_->window(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  pump();
  EXPECT_EQ(view_->dpi(), 144u);
  expect_every_control_at(144);
  RECT client{};
  GetClientRect(view_->window(), &client);
  EXPECT_EQ(client.right, 1185);
  EXPECT_EQ(client.bottom, 597);
  EXPECT_EQ(body_at_96, -11);  // 8.25 points
  EXPECT_EQ(font_height(window_of("txt_supply_v")), -17);
}

TEST_F(Win32Window, TheMainWindowHasAFixedBorderAMinimizeBoxAndStaysOnItsMonitor) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(view_->window(), GWL_STYLE));
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(IsWindowVisible(view_->window()));
  wchar_t title[64] = {};
  GetWindowTextW(view_->window(), title, 64);
  EXPECT_EQ(std::wstring(title), L"Tarvex v1.5.4");

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(view_->window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT frame{};
  GetWindowRect(view_->window(), &frame);
  EXPECT_GE(frame.left, monitor.rcWork.left);
  EXPECT_GE(frame.top, monitor.rcWork.top);
  EXPECT_LE(frame.right, monitor.rcWork.right);
  EXPECT_LE(frame.bottom, monitor.rcWork.bottom);
  EXPECT_LE(std::abs((frame.left + frame.right) - (monitor.rcWork.left + monitor.rcWork.right)), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)), 1);
}

TEST_F(Win32Window, ControlsAreTheWindowsOwnKindsAsTheLayoutSays) {
  const auto style = [&](const char* name) {
    return static_cast<DWORD>(GetWindowLongPtrW(window_of(name), GWL_STYLE));
  };
  EXPECT_TRUE(style("txt_supply_v") & ES_RIGHT);
  EXPECT_FALSE(style("txt_supply_v") & ES_READONLY);
  EXPECT_TRUE(style("txt_resistor_val") & ES_READONLY);
  EXPECT_TRUE(style("txt_resistor_val") & ES_RIGHT);
  EXPECT_TRUE(style("txt_standard_val") & ES_READONLY);
  EXPECT_FALSE(style("txt_standard_val") & ES_RIGHT);
  EXPECT_TRUE(style("txt_leds") & ES_READONLY);
  EXPECT_EQ(style("cmb_band1") & 3, static_cast<DWORD>(CBS_DROPDOWNLIST));
  EXPECT_EQ(SendMessageW(window_of("cmb_band1"), CB_GETCOUNT, 0, 0), 10);
  EXPECT_EQ(window_of("lst_standards"), nullptr) << "a control never visible gets no window";
  EXPECT_EQ(style("chk_5band") & BS_TYPEMASK, static_cast<DWORD>(BS_3STATE));
  EXPECT_EQ(style("op_ma") & BS_TYPEMASK, static_cast<DWORD>(BS_RADIOBUTTON));
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(window_of("UpDown1"), UDM_GETBUDDY, 0, 0)), window_of("txt_leds"));
  wchar_t caption[32] = {};
  GetWindowTextW(window_of("btn_compute"), caption, 32);
  EXPECT_EQ(std::wstring(caption), L"&Compute");
}

TEST_F(Win32Window, TheMenuBarFollowsTheMenuTree) {
  HMENU bar = view_->menu_bar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  wchar_t text[32] = {};
  GetMenuStringW(bar, 0, text, 32, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"&File");
  GetMenuStringW(bar, 1, text, 32, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"&Help");
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 2);
  EXPECT_TRUE(GetMenuState(file, 0, MF_BYPOSITION) & MF_SEPARATOR);
  GetMenuStringW(file, 1, text, 32, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"E&xit");
}

// (A text box's text: the conformance cases.)
TEST_F(Win32Window, WritesFromCodeReachTheListAndTheCheckBox) {
  form_->toolkit().dispatch([&] {
    static_cast<ListControl&>(control("cmb_band1")).ListIndex = 3;
    static_cast<CheckBox&>(control("chk_5band")).Value = 2;
  });
  EXPECT_EQ(SendMessageW(window_of("cmb_band1"), CB_GETCURSEL, 0, 0), 3);
  EXPECT_EQ(SendMessageW(window_of("chk_5band"), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
}

TEST_F(Win32Window, AHiddenControlCatchesUpWhenItIsShown) {
  auto& list = static_cast<ListControl&>(control("lst_standards"));
  ASSERT_FALSE(list.Visible.get());
  form_->toolkit().dispatch([&] { list.ListIndex = 7; });
  form_->toolkit().dispatch([&] { list.Visible = true; });
  EXPECT_TRUE(IsWindowVisible(window_of("lst_standards")));
  EXPECT_EQ(SendMessageW(window_of("lst_standards"), LB_GETCURSEL, 0, 0), 7);
  EXPECT_EQ(SendMessageW(window_of("lst_standards"), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(list.items().size()));
}

// The windows stack as the controls come in the record, a later one above an earlier one, also
// for a control whose window is made only when it first shows.
TEST_F(Win32Window, ControlWindowsStackInTheRecordsOrder) {
  const auto index_of = [&](HWND child) {
    const Control* c = view_->control_of(child);
    const auto& all = form_->controls();
    return c ? std::find(all.begin(), all.end(), c) - all.begin() : -1;
  };
  const auto expect_record_order = [&](const char* when) {
    long above = static_cast<long>(form_->controls().size());
    int seen = 0;
    for (HWND child = GetWindow(view_->window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const long index = static_cast<long>(index_of(child));
      if (index < 0) continue;  // not one of the record's (a drop-down's own parts)
      EXPECT_LT(index, above) << when;
      above = index;
      ++seen;
    }
    EXPECT_GT(seen, 10) << when;
  };
  expect_record_order("as the window is first shown");
  form_->toolkit().dispatch([&] { control("Text2").Visible = true; });
  ASSERT_NE(window_of("Text2"), nullptr);
  EXPECT_TRUE(IsWindowVisible(window_of("Text2")));
  expect_record_order("after a hidden control showed");
}

TEST_F(Win32Window, TypingReachesTheRecordAndIsNotWrittenBack) {
  HWND edit = window_of("txt_supply_v");
  ASSERT_EQ(GetFocus(), edit);
  PostMessageW(edit, WM_CHAR, L'7', 1);
  pump();
  auto& box = static_cast<TextBox&>(control("txt_supply_v"));
  EXPECT_EQ(box.Text.get(), u"7");  // the selected "0" was typed over
  EXPECT_EQ(box.SelStart.get(), 1);
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u) << "the text written back would have put the caret at the start";
}

// (Where Tab moves the focus: the conformance cases.)
TEST_F(Win32Window, TabShowsTheFocus) {
  ASSERT_EQ(GetFocus(), window_of("txt_supply_v"));
  PostMessageW(window_of("txt_supply_v"), WM_KEYDOWN, VK_TAB, 1);
  PostMessageW(window_of("txt_supply_v"), WM_KEYUP, VK_TAB, 1 | (3 << 30));
  pump();
  ASSERT_EQ(GetFocus(), window_of("txt_led_v"));
  const auto ui_state = SendMessageW(window_of("txt_led_v"), WM_QUERYUISTATE, 0, 0);
  EXPECT_FALSE(ui_state & UISF_HIDEFOCUS);
}

// Looked at from within the About window's own loop, then closed with its close box.
struct AboutSeen {
  HWND main = nullptr;
  HWND about = nullptr;
  HWND owner = nullptr;
  bool main_enabled = true;
  DWORD style = 0;
  DWORD extended_style = 0;
};
AboutSeen g_seen;

// The About window is found among this thread's shown windows, not as the active one: while another
// program's window has the foreground (a test running beside this one), it may never be activated.
BOOL CALLBACK note_about(HWND window, LPARAM) {
  wchar_t window_class[64] = {};
  GetClassNameW(window, window_class, 64);
  if (window == g_seen.main || !IsWindowVisible(window) || lstrcmpiW(window_class, TOOLTIPS_CLASSW) == 0) return TRUE;
  g_seen.about = window;
  return FALSE;
}

void CALLBACK look_at_about(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), note_about, 0);
  HWND about = g_seen.about;
  if (about == nullptr) return;
  KillTimer(nullptr, timer);
  g_seen.owner = GetWindow(about, GW_OWNER);
  g_seen.main_enabled = IsWindowEnabled(g_seen.main) != FALSE;
  g_seen.style = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_STYLE));
  g_seen.extended_style = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_EXSTYLE));
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST_F(Win32Window, TheAboutWindowIsOwnedModalAndFixed) {
  g_seen = {};
  g_seen.main = view_->window();
  SetTimer(nullptr, 0, 20, look_at_about);
  UserInput input(form_->toolkit());
  EXPECT_EQ(input.perform(action::Click{control("mnu_about")}), std::nullopt);
  ASSERT_NE(g_seen.about, nullptr) << "the About window was not seen";
  EXPECT_EQ(g_seen.owner, g_seen.main);
  EXPECT_FALSE(g_seen.main_enabled);
  EXPECT_TRUE(g_seen.extended_style & WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(g_seen.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_FALSE(IsWindow(g_seen.about));
  EXPECT_TRUE(IsWindowEnabled(g_seen.main));
}

}  // namespace
}  // namespace tarvex
