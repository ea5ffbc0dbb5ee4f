#pragma once
// Fakes of the search window's seams: a scripted window, a message pump that
// can press buttons mid-walk, a clock one hour ahead of UTC, a plain text
// order and a shell that records what it was asked to open.
#include <functional>
#include <string>
#include <vector>

#include "core/text.h"
#include "search/file_time_format.h"
#include "search/result_grid.h"
#include "search/result_order.h"
#include "search/search_screen.h"
#include "search/shell_command.h"

namespace teko::testing {

class FakeScreen final : public SearchScreen {
 public:
  SearchInputs ReadInputs() const override { return inputs; }
  void SetStatus(std::wstring_view text) override { statuses.emplace_back(text); }
  void ShowStopButton(bool stop) override { stopShown = stop; }
  void SetBusyCursor(bool busyNow) override { busy = busyNow; }
  void GridChanged(bool paintNow) override { paints += paintNow ? 1 : 0; }

  std::wstring Status() const { return statuses.empty() ? std::wstring() : statuses.back(); }

  SearchInputs inputs;
  std::vector<std::wstring> statuses;
  bool stopShown = false;
  bool busy = false;
  int paints = 0;
};

class FakePump final : public MessagePump {
 public:
  bool ProcessMessages() override {
    ++calls;
    if (onCall) onCall(calls);
    return alive;
  }
  std::function<void(int)> onCall;  // given the call's number, from 1
  int calls = 0;
  bool alive = true;
};

// The paths of the grid's filled rows, top to bottom.
inline std::vector<std::wstring> FilledPaths(const ResultGrid& grid) {
  std::vector<std::wstring> paths;
  for (const GridRow& row : grid.DataRows()) {
    if (row.filled) paths.push_back(row.path);
  }
  return paths;
}

constexpr int64_t kTicksPerSecond = 10'000'000;

class FakeTimes final : public FileTimeFormat {
 public:
  int64_t LocalTime(int64_t utcTime) const override { return utcTime + 3600 * kTicksPerSecond; }
  std::wstring Text(int64_t localTime) const override { return L"t" + std::to_wstring(localTime / kTicksPerSecond); }
};

// Case-insensitive code-point order: enough for tests of who sorts, not of
// the locale's own order.
class FakeCollator final : public TextCollator {
 public:
  std::string SortKey(std::wstring_view text) const override { return Utf8FromWide(AsciiLower(text)); }
};

class FakeShell final : public ShellCommand {
 public:
  bool Open(std::wstring_view command, std::wstring_view parameters) override {
    opened.push_back(std::wstring(command) + L" " + std::wstring(parameters));
    return succeeds;
  }
  std::vector<std::wstring> opened;
  bool succeeds = true;
};

}  // namespace teko::testing
