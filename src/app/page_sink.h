#pragma once
// Where a page filler writes. Fillers are portable: they write in the
// documented order through these verbs, naming controls as the page tables
// do. The window's sink writes to the controls at once (an error midway
// leaves the earlier labels written); tekoinfo and tests record.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace teko {

class PageSink {
 public:
  virtual ~PageSink() = default;
  virtual void SetText(std::wstring_view control, std::wstring_view text) = 0;
  virtual void AppendText(std::wstring_view control, std::wstring_view text) = 0;
  // A yes/no pair of pictures at one place: exactly one becomes visible.
  virtual void ShowYesNo(std::wstring_view yesControl, std::wstring_view noControl, bool yes) = 0;
  virtual void SetProgress(std::wstring_view control, int position) = 0;
  virtual void SetVisible(std::wstring_view control, bool visible) = 0;
  // Pictures at one place: the one at `index` becomes visible, the others
  // hidden (none visible for an index outside the list).
  virtual void ShowOneOf(std::span<const std::wstring_view> controls, int index) = 0;
  // The entries of a list, combo box or the lines of a memo.
  virtual void SetLines(std::wstring_view control, std::span<const std::wstring> lines) = 0;
  // The entry of a list or combo box that is selected; -1 selects none.
  virtual void SelectItem(std::wstring_view control, int index) = 0;
  // The exact quantity behind a rounded text just written (the bytes behind
  // "8192 MB"): the window shows only the text; reports keep both.
  virtual void SetQuantity(std::wstring_view /*control*/, uint64_t /*quantity*/) {}
};

// Keeps every write in order, and the state each control ends in.
class RecordingSink final : public PageSink {
 public:
  enum class Verb { SetText, AppendText, ShowYesNo, SetProgress, SetVisible, ShowOneOf, SetLines, SelectItem, SetQuantity };
  struct Write {
    Verb verb;
    std::wstring control;
    std::wstring text;
    int number = 0;
    uint64_t quantity = 0;
  };
  struct State {
    std::wstring control;
    std::wstring text;
    bool hasText = false;
    int progress = 0;
    bool hasProgress = false;
    int visible = -1;  // -1 untouched, 0 hidden, 1 visible
    std::vector<std::wstring> lines;
    bool hasLines = false;
    int itemIndex = -1;  // the selected entry, -1 for none
  };

  void SetText(std::wstring_view control, std::wstring_view text) override;
  void AppendText(std::wstring_view control, std::wstring_view text) override;
  void ShowYesNo(std::wstring_view yesControl, std::wstring_view noControl, bool yes) override;
  void SetProgress(std::wstring_view control, int position) override;
  void SetVisible(std::wstring_view control, bool visible) override;
  void ShowOneOf(std::span<const std::wstring_view> controls, int index) override;
  void SetLines(std::wstring_view control, std::span<const std::wstring> lines) override;
  void SelectItem(std::wstring_view control, int index) override;
  void SetQuantity(std::wstring_view control, uint64_t quantity) override;

  const std::vector<Write>& writes() const { return writes_; }
  // Controls in the order of their first write.
  const std::vector<State>& states() const { return states_; }
  const State* Find(std::wstring_view control) const;
  // The text a control shows now; empty when never written.
  std::wstring Text(std::wstring_view control) const;
  // Visibility after the writes: true, false, or -1 when never touched.
  int Visible(std::wstring_view control) const;
  void Clear();

 private:
  State& StateOf(std::wstring_view control);
  std::vector<Write> writes_;
  std::vector<State> states_;
};

}  // namespace teko
