#include "toolkit/headless/headless_platform.h"

#include <stdexcept>
#include <utility>

#include "toolkit/form.h"
#include "toolkit/headless/font_metrics.h"

namespace tarvex {

namespace {

template <class T>
void keep_latest(std::deque<T>& records, std::size_t& count, T record) {
  records.push_back(std::move(record));
  if (records.size() > HeadlessPlatform::kKeptRecords) records.pop_front();
  ++count;
}

}  // namespace

void HeadlessPlatform::message_box(const Text& caption, const Text& prompt, int buttons) {
  keep_latest(messages, messages_shown, {caption, prompt, buttons});
}

void HeadlessPlatform::start_program(const Text& command_line, int) {
  if (refuse_program_starts) throw std::runtime_error("the program could not be started");
  keep_latest(started_programs, programs_started, command_line);
}

float HeadlessPlatform::text_width(const Font& font, std::u16string_view text) {
  return measured_width_twips(font, text);
}

void HeadlessPlatform::run_modal(Form& window) {
  while (window.is_loaded() && pump && pump()) {
  }
}

}  // namespace tarvex
