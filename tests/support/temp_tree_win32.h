#pragma once
// A folder of real files below the prefix's temporary folder, removed with
// everything in it at the end. Under Wine the Linux host can be asked to
// do what Windows programs cannot, such as making a symbolic link.
#include <cstdint>
#include <string>
#include <vector>

namespace teko::testing {

// The Linux path of a Windows path; empty when not running under Wine.
std::string HostPath(const std::wstring& path);
// Runs `command` with the host's /bin/sh and returns its exit code (-1 when
// it could not be started).
int RunOnHost(const std::string& command);
// The whole content of a file; empty when it cannot be read.
std::string FileBytes(const std::wstring& path);
// A single-quoted shell word.
std::string ShellQuoted(const std::string& text);

class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::wstring& root() const { return root_; }
  std::wstring Path(const std::wstring& relative) const { return root_ + L"\\" + relative; }
  // Parents are created as needed; paths may be longer than MAX_PATH.
  void AddFolder(const std::wstring& relative) const;
  void AddFile(const std::wstring& relative, size_t size = 1, uint32_t attributes = 0) const;
  // A Linux symbolic link at `relative` pointing at the Windows path `target`.
  bool AddHostLink(const std::wstring& relative, const std::wstring& target) const;
  // Every path below the root, relative and sorted; links are listed, not entered.
  std::vector<std::wstring> Contents() const;

 private:
  std::wstring root_;
};

}  // namespace teko::testing
