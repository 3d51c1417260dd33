#include "drive/headless_drive.h"

#include "app/start_up.h"
#include "drive/recording_platform.h"
#include "drive/session.h"
#include "main_window/frm_main.h"
#include "toolkit/headless/headless_platform.h"
#include "toolkit/headless/headless_views.h"

namespace tarvex {

RunResult drive_headless(std::istream& script, std::ostream& out) {
  HeadlessPlatform headless;
  HeadlessViews views;
  return run_script(
      headless, views, [](Toolkit&, UserInput& input) { return std::make_unique<HeadlessHands>(input); }, script, out);
}

RunResult run_script(Platform& platform, ViewMaker& views, const MakeHands& make_hands, std::istream& script,
                     std::ostream& out) {
  RecordingPlatform recording(platform, views, out);
  Toolkit toolkit(recording);
  UserInput input(toolkit);
  toolkit.show_windows_in(recording, input);
  const std::unique_ptr<Hands> hands = make_hands(toolkit, input);
  Session session(toolkit, input, *hands, script, out);
  recording.pump = [&session] { return session.step(); };
  frmMain main_window(toolkit);
  recording.start_up_window = &main_window;
  load_and_show(toolkit, main_window);
  while (session.step()) {
  }
  return {session.failure(), script.bad()};
}

}  // namespace tarvex
