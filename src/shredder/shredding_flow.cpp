#include "shredder/shredding_flow.h"

#include "core/paths.h"
#include "platform/file_system.h"
#include "shredder/pass_count.h"
#include "shredder/shredder_texts.h"
#include "shredder/wipe_file.h"

namespace teko {

bool IsDir(const ShredFiles& files, std::wstring_view path) {
  if (path.find(L'.') != std::wstring_view::npos) return false;
  auto facts = files.Facts(path);
  return facts && (facts->attributes & kAttrDirectory) != 0;
}

int ShredSelection(std::wstring_view folder, std::span<const std::wstring> selected, std::wstring_view passText,
                   ShredFiles& files, Dialogs& dialogs, ShredderView& view) {
  if (selected.empty()) {
    dialogs.Show(MessageKind::Information, kNoFilesSelected);
    return 0;
  }
  if (!dialogs.Ask(std::to_wstring(selected.size()) + std::wstring(kConfirmShredding))) return 0;
  PassCountEntry passes = ReadPassCount(passText);
  if (!passes.valid) dialogs.Show(MessageKind::Information, kInvalidPassCount);

  int deleted = 0;
  for (const std::wstring& name : selected) {
    std::wstring path = JoinPath(folder, name);
    if (IsDir(files, path)) continue;
    if (EraseFile(files, dialogs, path, passes.count)) ++deleted;
  }
  if (deleted > 0) {
    std::wstring result = std::to_wstring(deleted) + std::wstring(kFilesDeleted);
    view.ShowResult(result);
    view.ReloadFileList();
    dialogs.Show(MessageKind::Information, result);
  }
  return deleted;
}

std::optional<std::wstring> SubfolderToOpen(const ShredFiles& files, std::wstring_view folder,
                                            std::wstring_view name) {
  std::wstring path = JoinPath(folder, name);
  if (!IsDir(files, path)) return std::nullopt;
  return path;
}

}  // namespace teko
