#pragma once
// What the shell tells about the file named by FileName, which the program
// leaves empty.
#include <string>

#include "sysinfo/computer_info_seams.h"

namespace teko {

class TFileInfo {
 public:
  explicit TFileInfo(const ComputerInfoSeams& seams) : status_(seams.status) {}

  const std::wstring& FileName() const { return fileName_; }
  // The file holding the icon the shell shows for FileName; empty when it reports none.
  std::wstring IconLocation() { return status_.IconLocation(fileName_); }

 private:
  SystemStatusApi& status_;
  std::wstring fileName_;
};

}  // namespace teko
