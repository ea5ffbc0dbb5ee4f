#include "cleaner/cleaner_run.h"

#include <string>

#include "cleaner/cleaner_figures.h"

namespace teko {

namespace {
// SHQueryRecycleBin came with shell version 4.72.
constexpr uint32_t kFirstShellWithRecycleQuery = 0x00040048;
}  // namespace

void CleanerRun::Run() {
  DeletionEngine& engine = parts_.engine;
  CleanerSystem& system = parts_.system;
  CleanerRunView& view = parts_.view;

  engine.StartRun();
  totals_ = {};
  view.SetFigure(L"LabelFiles", L"0");
  view.SetFigure(L"LabelBytes", L"0");

  RecycleBinFigures recycled;
  if (system.ShellVersionMs() >= kFirstShellWithRecycleQuery) {
    if (auto figures = system.QueryRecycleBins()) recycled = *figures;
  }
  CleanFiles();
  system.EmptyRecycleBins();

  totals_ = engine.totals();
  // The count is 32 bits wide: the recycled items add their low half.
  totals_.DeletedFileCount = static_cast<int32_t>(static_cast<uint32_t>(totals_.DeletedFileCount) +
                                                  static_cast<uint32_t>(recycled.items));
  totals_.DeletedByteTotal += recycled.bytes;
  view.SetFigure(L"LabelFiles", std::to_wstring(totals_.DeletedFileCount));
  view.SetFigure(L"LabelBytes", DeletedBytesFigure(totals_.DeletedByteTotal, system.DecimalSeparator()));
  view.SetFigure(L"LabelRecFile", std::to_wstring(recycled.items));
  view.SetFigure(L"LabelRecSize", RecycleSizeFigure(recycled.bytes));
  view.Repaint();

  parts_.history.ClearHistory();
  parts_.cache.ClearAllEntries();
  system.ClearClipboard();
}

void CleanerRun::CleanFiles() {
  ruleList_ = parts_.buildRuleList();
  if (!ruleList_.rules.empty()) parts_.engine.RunRuleList(ruleList_.rules);
}

}  // namespace teko
