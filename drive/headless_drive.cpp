#include "drive/headless_drive.h"

#include "app/start_up.h"
#include "main_window/frm_main.h"
#include "toolkit/headless/headless_platform.h"

namespace tarvex {

RunResult drive_headless(std::istream& script, std::ostream& out) {
  HeadlessPlatform headless;
  RecordingPlatform platform(headless, out);
  Toolkit toolkit(platform);
  UserInput input(toolkit);
  HeadlessHands hands(input);
  Session session(toolkit, input, hands, script, out);
  return run_from_start_up(toolkit, platform, session, script);
}

RunResult run_from_start_up(Toolkit& toolkit, RecordingPlatform& platform, Session& session,
                            const std::istream& script) {
  platform.pump = [&session] { return session.step(); };
  frmMain main_window(toolkit);
  platform.start_up_window = &main_window;
  load_and_show(toolkit, main_window);
  while (session.step()) {
  }
  return {session.failure(), script.bad()};
}

}  // namespace tarvex
