#include "app/page_sink.h"

#include <algorithm>
#include <utility>

namespace teko {

RecordingSink::State& RecordingSink::StateOf(std::wstring_view control) {
  auto it = std::find_if(states_.begin(), states_.end(), [&](const State& s) { return s.control == control; });
  if (it != states_.end()) return *it;
  State state;
  state.control = control;
  states_.push_back(std::move(state));
  return states_.back();
}

const RecordingSink::State* RecordingSink::Find(std::wstring_view control) const {
  auto it = std::find_if(states_.begin(), states_.end(), [&](const State& s) { return s.control == control; });
  return it == states_.end() ? nullptr : &*it;
}

std::wstring RecordingSink::Text(std::wstring_view control) const {
  const State* state = Find(control);
  return state ? state->text : std::wstring();
}

int RecordingSink::Visible(std::wstring_view control) const {
  const State* state = Find(control);
  return state ? state->visible : -1;
}

void RecordingSink::SetText(std::wstring_view control, std::wstring_view text) {
  writes_.push_back({Verb::SetText, std::wstring(control), std::wstring(text)});
  State& state = StateOf(control);
  state.text = text;
  state.hasText = true;
}

void RecordingSink::AppendText(std::wstring_view control, std::wstring_view text) {
  writes_.push_back({Verb::AppendText, std::wstring(control), std::wstring(text)});
  State& state = StateOf(control);
  state.text += text;
  state.hasText = true;
}

void RecordingSink::ShowYesNo(std::wstring_view yesControl, std::wstring_view noControl, bool yes) {
  writes_.push_back({Verb::ShowYesNo, std::wstring(yesControl), std::wstring(noControl), yes ? 1 : 0});
  StateOf(yesControl).visible = yes ? 1 : 0;
  StateOf(noControl).visible = yes ? 0 : 1;
}

void RecordingSink::SetProgress(std::wstring_view control, int position) {
  writes_.push_back({Verb::SetProgress, std::wstring(control), {}, position});
  State& state = StateOf(control);
  state.progress = position;
  state.hasProgress = true;
}

void RecordingSink::SetVisible(std::wstring_view control, bool visible) {
  writes_.push_back({Verb::SetVisible, std::wstring(control), {}, visible ? 1 : 0});
  StateOf(control).visible = visible ? 1 : 0;
}

void RecordingSink::ShowOneOf(std::span<const std::wstring_view> controls, int index) {
  for (size_t i = 0; i < controls.size(); ++i) {
    writes_.push_back({Verb::ShowOneOf, std::wstring(controls[i]), {}, static_cast<int>(i) == index ? 1 : 0});
    StateOf(controls[i]).visible = static_cast<int>(i) == index ? 1 : 0;
  }
}

void RecordingSink::SetLines(std::wstring_view control, std::span<const std::wstring> lines) {
  std::wstring joined;
  for (const auto& line : lines) joined += line + L"\n";
  writes_.push_back({Verb::SetLines, std::wstring(control), joined, static_cast<int>(lines.size())});
  State& state = StateOf(control);
  state.lines.assign(lines.begin(), lines.end());
  state.hasLines = true;
  state.itemIndex = -1;
}

void RecordingSink::SelectItem(std::wstring_view control, int index) {
  writes_.push_back({Verb::SelectItem, std::wstring(control), {}, index});
  State& state = StateOf(control);
  state.itemIndex = index >= 0 && static_cast<size_t>(index) < state.lines.size() ? index : -1;
}

void RecordingSink::Clear() {
  writes_.clear();
  states_.clear();
}

void RecordingSink::SetQuantity(std::wstring_view control, uint64_t quantity) {
  writes_.push_back({Verb::SetQuantity, std::wstring(control), {}, 0, quantity});
}

}  // namespace teko
