#include "frame/frame_state.h"

#include "data/module_state.h"

namespace skolvarin::frame {

FrameState::FrameState()
    : months{{{"Styczeń", 31}, {"Luty", 28}, {"Marzec", 31}, {"Kwiecień", 30},
              {"Maj", 31}, {"Czerwiec", 30}, {"Lipiec", 31}, {"Sierpień", 31},
              {"Wrzesień", 30}, {"Październik", 31}, {"Listopad", 30}, {"Grudzień", 31}}} {}

FrameState& frame_state() {
  static FrameState s;
  return s;
}

int month_days(int month) {
  if (month < 1 || month > 12) return 0;
  return frame_state().months[static_cast<size_t>(month - 1)].days;
}

const char* month_name(int month) {
  if (month < 1 || month > 12) return "";
  return frame_state().months[static_cast<size_t>(month - 1)].name;
}

void reset_module() {
  frame_state() = FrameState();
  data::reset_state();
}

}  // namespace skolvarin::frame
