#pragma once
// The five windows, created at start in this order and kept until the end.
namespace teko {

class TFormSysInfo;
class TFormCleaner;
class TFormSearch;
class TFormLog;
class TFormDateien;

struct Forms {
  TFormSysInfo* FormSysInfo = nullptr;
  TFormCleaner* FormCleaner = nullptr;
  TFormSearch* FormSearch = nullptr;
  TFormLog* FormLog = nullptr;
  TFormDateien* FormDateien = nullptr;
};

// The program's windows, all created; empty outside teko.exe.
Forms& AppForms();

}  // namespace teko
