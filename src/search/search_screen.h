#pragma once
// What the search engine needs of its window, and the message pump that keeps
// the window alive while a file search walks.
#include <string>
#include <string_view>

namespace teko {

enum class SearchTarget { Files = 0, Folders = 1 };

struct SearchInputs {
  std::wstring mask;         // as typed
  std::wstring startFolder;  // the folder list's folder
  bool includeSubfolders = true;
  SearchTarget target = SearchTarget::Files;
};

class SearchScreen {
 public:
  virtual ~SearchScreen() = default;
  virtual SearchInputs ReadInputs() const = 0;
  // The status panel's caption, painted at once.
  virtual void SetStatus(std::wstring_view text) = 0;
  // Shows Stop in place of Find while a search runs, and Find again after.
  virtual void ShowStopButton(bool stop) = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  // The grid's rows changed; `paintNow` paints them before returning.
  virtual void GridChanged(bool paintNow) = 0;
};

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Handles the window messages waiting now. False once the program is
  // ending, which stops a running search.
  virtual bool ProcessMessages() = 0;
};

}  // namespace teko
