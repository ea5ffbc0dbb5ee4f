#include "app/control_sink_win32.h"

namespace teko {

void ControlSink::SetText(std::wstring_view control, std::wstring_view text) {
  controls_.SetText(control, text);
  controls_.Repaint(control);
}

void ControlSink::AppendText(std::wstring_view control, std::wstring_view text) {
  controls_.AppendText(control, text);
  controls_.Repaint(control);
}

void ControlSink::ShowYesNo(std::wstring_view yesControl, std::wstring_view noControl, bool yes) {
  controls_.SetVisible(yes ? noControl : yesControl, false);
  controls_.SetVisible(yes ? yesControl : noControl, true);
}

void ControlSink::SetProgress(std::wstring_view control, int position) {
  controls_.SetProgress(control, position);
  controls_.Repaint(control);
}

void ControlSink::SetVisible(std::wstring_view control, bool visible) { controls_.SetVisible(control, visible); }

void ControlSink::ShowOneOf(std::span<const std::wstring_view> controls, int index) {
  for (size_t i = 0; i < controls.size(); ++i) {
    controls_.SetVisible(controls[i], static_cast<int>(i) == index);
  }
}

void ControlSink::SetLines(std::wstring_view control, std::span<const std::wstring> lines) {
  const ui::ControlSpec* design = controls_.SpecOfId(controls_.Id(control));
  if (design && design->kind == ui::ControlKind::Memo) {
    controls_.SetLines(control, lines);
  } else {
    controls_.SetItems(control, lines);
  }
  controls_.Repaint(control);
}

void ControlSink::SelectItem(std::wstring_view control, int index) {
  controls_.SetItemIndex(control, index);
  controls_.Repaint(control);
}

}  // namespace teko
