// The windows under the system colours of Windows' High Contrast Black and White, photographed for
// tests/win32/contrast_themes.py, which reads every word off the pictures. A run sets one scheme
// (or none) before the program starts, computes, enters a bad value, opens About, and may switch to
// another scheme while About and then the main window are shown; the contrast flag may be read as on.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/start_up.h"
#include "drive/recording_platform.h"
#include "drive/session.h"
#include "drive/win32_hands.h"
#include "main_window/frm_main.h"
#include "toolkit/win32/conversions.h"
#include "toolkit/win32/win32_platform.h"

namespace tarvex {
namespace {

struct Scheme {
  std::string name;
  std::vector<std::pair<int, COLORREF>> colours;
};

// 0x00BBGGRR, as Windows gives them.
const Scheme kContrastBlack{"black",
                    {{COLOR_WINDOW, 0x000000},         {COLOR_WINDOWTEXT, 0xFFFFFF},  {COLOR_BTNFACE, 0x000000},
                     {COLOR_BTNTEXT, 0xFFFFFF},        {COLOR_MENU, 0x000000},        {COLOR_MENUBAR, 0x000000},
                     {COLOR_MENUTEXT, 0xFFFFFF},       {COLOR_HIGHLIGHT, 0xFFEB1A},   {COLOR_HIGHLIGHTTEXT, 0x000000},
                     {COLOR_MENUHILIGHT, 0xFFEB1A},    {COLOR_GRAYTEXT, 0x3FF23F},    {COLOR_HOTLIGHT, 0x00FFFF},
                     {COLOR_INFOBK, 0x000000},         {COLOR_INFOTEXT, 0xFFFFFF},    {COLOR_3DSHADOW, 0x808080},
                     {COLOR_3DHIGHLIGHT, 0xFFFFFF},    {COLOR_3DLIGHT, 0xFFFFFF},     {COLOR_3DDKSHADOW, 0x000000},
                     {COLOR_WINDOWFRAME, 0xFFFFFF},    {COLOR_CAPTIONTEXT, 0xFFFFFF}, {COLOR_ACTIVECAPTION, 0x000000},
                     {COLOR_SCROLLBAR, 0x000000}}};
const Scheme kContrastWhite{"white",
                    {{COLOR_WINDOW, 0xFFFFFF},         {COLOR_WINDOWTEXT, 0x000000},  {COLOR_BTNFACE, 0xFFFFFF},
                     {COLOR_BTNTEXT, 0x000000},        {COLOR_MENU, 0xFFFFFF},        {COLOR_MENUBAR, 0xFFFFFF},
                     {COLOR_MENUTEXT, 0x000000},       {COLOR_HIGHLIGHT, 0x6E0037},   {COLOR_HIGHLIGHTTEXT, 0xFFFFFF},
                     {COLOR_MENUHILIGHT, 0x6E0037},    {COLOR_GRAYTEXT, 0x000060},    {COLOR_HOTLIGHT, 0x9F0000},
                     {COLOR_INFOBK, 0xFFFFFF},         {COLOR_INFOTEXT, 0x000000},    {COLOR_3DSHADOW, 0x808080},
                     {COLOR_3DHIGHLIGHT, 0xFFFFFF},    {COLOR_3DLIGHT, 0xC0C0C0},     {COLOR_3DDKSHADOW, 0x000000},
                     {COLOR_WINDOWFRAME, 0x000000},    {COLOR_CAPTIONTEXT, 0x000000}, {COLOR_ACTIVECAPTION, 0xFFFFFF},
                     {COLOR_SCROLLBAR, 0xFFFFFF}}};

// Sets a scheme's colours, as a user's choice of a theme does: every top-level window is told.
void set_colours(const Scheme& scheme) {
  std::vector<int> indices;
  std::vector<COLORREF> values;
  for (const auto& [index, value] : scheme.colours) {
    indices.push_back(index);
    values.push_back(value);
  }
  SetSysColors(static_cast<int>(indices.size()), indices.data(), values.data());
}

// A script line for the driver, or a step of the test's own between two lines.
using Step = std::variant<std::string, std::function<void()>>;

// One start of the program, driven from the steps to its end.
void run(const std::vector<Step>& steps) {
  std::stringstream script;
  win32::Win32Platform windows;
  RecordingPlatform platform(windows, windows, std::cout);
  Toolkit toolkit(platform);
  UserInput input(toolkit);
  toolkit.show_windows_in(platform, input);
  Win32Hands hands(windows, toolkit);
  Session session(toolkit, input, hands, script, std::cout);
  windows.message_box_shown = [](HWND box) { Win32Hands::press_ok(box); };
  std::size_t next = 0;
  platform.pump = [&] {
    if (next == steps.size()) return false;
    const Step& step = steps[next++];
    if (const auto* own = std::get_if<std::function<void()>>(&step)) {
      (*own)();
      windows.pump_waiting();
      return true;
    }
    script.clear();
    script << std::get<std::string>(step) << '\n';
    return session.step();
  };
  frmMain main_window(toolkit);
  platform.start_up_window = &main_window;
  load_and_show(toolkit, main_window);
  while (platform.pump()) {
  }
}

// Switches the scheme while the program runs; the focus and what was typed must stay.
std::function<void()> switch_to(const Scheme& scheme) {
  return [&scheme] {
    const HWND focus = GetFocus();
    set_colours(scheme);
    std::cout << "switched to " << scheme.name << ": focus " << (GetFocus() == focus ? "kept" : "lost") << '\n';
  };
}

std::vector<Step> session(const std::string& shots, const Scheme* live) {
  std::vector<Step> steps{"type txt_supply_v 12", "type txt_led_v 2", "click btn_compute", "shot " + shots + "-compute.png",
                          "type txt_led_v x",     "click btn_compute", "shot " + shots + "-bad.png",
                          "click mnu_about",      "shot " + shots + "-about.png"};
  if (live == nullptr) {
    steps.insert(steps.end(), {"click cmdOK", "click mnu_exit"});
    return steps;
  }
  const std::string after = shots + "-then-" + live->name;
  steps.insert(steps.end(), {switch_to(*live), "shot " + after + "-about.png", "click cmdOK", "shot " + after + "-bad.png",
                             "focus txt_supply_v", "type txt_supply_v 1", switch_to(live == &kContrastBlack ? kContrastWhite : kContrastBlack),
                             switch_to(*live), "print txt_supply_v.Text", "type txt_led_v 2", "click btn_compute",
                             "shot " + after + "-compute.png", "click mnu_exit"});
  return steps;
}

}  // namespace
}  // namespace tarvex

int main(int argc, char** argv) {
  using namespace tarvex;
  const auto scheme_named = [](std::string_view name) {
    return name == "black" ? &kContrastBlack : name == "white" ? &kContrastWhite : nullptr;
  };
  if (argc != 5) {
    std::cerr << "usage: contrast_shots FOLDER/NAME plain|black|white none|black|white flag|no-flag\n";
    return 2;
  }
  win32::prepare_process();
  // The colours are set before the program starts, as a theme chosen earlier has them. The common
  // controls read them as their DLL loaded, before this could set them: one of them is told, as
  // they are shared, so that they stand as at a start under these colours.
  if (const Scheme* before = scheme_named(argv[2])) {
    set_colours(*before);
    HWND control = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    SendMessageW(control, WM_SYSCOLORCHANGE, 0, 0);
    DestroyWindow(control);
  }
  // Wine keeps no contrast flag: read as on, as a contrast theme of Windows sets it.
  if (std::string_view(argv[4]) == "flag") win32::read_contrast_flag_as_on_for_tests(true);
  run(session(argv[1], scheme_named(argv[3])));
  return 0;
}
