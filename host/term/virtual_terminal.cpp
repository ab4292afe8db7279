#include "host/term/virtual_terminal.h"

#include <cstdio>
#include <cstdlib>

#include "host/api/keys.h"

namespace skolvarin::term {

VirtualTerminal::VirtualTerminal(int rows, int cols) : screen_(rows, cols) {}

void VirtualTerminal::add_steps(const std::vector<ScriptStep>& steps) {
  for (const auto& s : steps) steps_.push_back(s);
}

void VirtualTerminal::add_keys(std::initializer_list<int> keys) {
  for (int k : keys) steps_.push_back({ScriptStep::Key, k});
}

void VirtualTerminal::present(const ScreenBuffer& screen, CursorState cursor) {
  if (screen.rows() == screen_.rows() && screen.cols() == screen_.cols()) screen_ = screen;
  cursor_ = cursor;
  ++presents_;
}

std::string VirtualTerminal::dump_now() const {
  std::string out = screen_.text();
  out.append(static_cast<std::size_t>(screen_.cols()), '=');
  out += '\n';
  return out;
}

void VirtualTerminal::run_dumps() {
  while (!steps_.empty() && steps_.front().kind == ScriptStep::Dump) {
    steps_.pop_front();
    std::string d = dump_now();
    dumps_ += d;
    if (sink_) sink_(d);
  }
}

bool VirtualTerminal::script_done() const {
  for (const auto& s : steps_)
    if (s.kind == ScriptStep::Key) return false;
  return true;
}

int VirtualTerminal::read_key() {
  run_dumps();
  if (!steps_.empty()) {
    int key = steps_.front().key;
    steps_.pop_front();
    return key;
  }
  ++esc_after_end_;
  if (esc_after_end_ > esc_limit_) {
    if (give_up_) give_up_();
    // A give-up handler that returns leaves no way out but to stop here.
    std::fprintf(stderr, "skolvarin: program nie kończy pracy mimo %ld naciśnięć Esc\n", esc_limit_);
    std::_Exit(3);
  }
  return skolvarin::keys::Esc;
}

bool VirtualTerminal::key_waiting() {
  run_dumps();
  return !steps_.empty();
}

}  // namespace skolvarin::term
