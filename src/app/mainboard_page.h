#pragma once
// The "MainBoard" page: the board's values, then the memory modules, whose
// bank labels fill the bank list; the first entry's module is shown.
#include "app/page_sink.h"
#include "wmi/memory_modules.h"
#include "wmi/wmi_reader.h"

namespace teko {

inline constexpr std::wstring_view kBankList = L"ComboBox1";

// `wmi` records the modules into `modules` as it reads them.
void FillMainBoardPage(WmiReader& wmi, MemoryModuleTable& modules, PageSink& sink);

// Empties the module texts that each refresh reads anew, and the bank list.
void ClearMemoryModules(MemoryModuleTable& modules, PageSink& sink);

// The seven values of the module that entry `entry` of the bank list stands
// for; all empty when no entry is selected (-1).
void ShowMemoryModule(const MemoryModuleTable& modules, int entry, PageSink& sink);

}  // namespace teko
