#pragma once
// The toolkit without a window system, for tests and the driver: message boxes close at once, programs
// are not started, text is measured with a fixed table, and a modal window takes its input from
// whatever the owner of this platform pumps (the driver's script).
#include <cstddef>
#include <deque>
#include <functional>

#include "toolkit/platform.h"

namespace tarvex {

class HeadlessPlatform : public Platform {
 public:
  void message_box(const Text& caption, const Text& prompt, int buttons) override;
  void start_program(const Text& command_line, int window_style) override;
  float text_width(const Font& font, std::u16string_view text) override;
  void run_modal(Form& window) override;

  // Carries out one more user action; false when there is no more input.
  std::function<bool()> pump;

  // What has been shown and started, for tests: the latest few of each and how many there were in
  // all, so that a long session does not grow without bound.
  static constexpr std::size_t kKeptRecords = 16;
  struct ShownMessage {
    Text caption, prompt;
    int buttons;
  };
  std::deque<ShownMessage> messages;
  std::size_t messages_shown = 0;
  std::deque<Text> started_programs;
  std::size_t programs_started = 0;
  // Makes every start fail, as on a machine with no browser.
  bool refuse_program_starts = false;
};

}  // namespace tarvex
