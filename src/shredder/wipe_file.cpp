#include "shredder/wipe_file.h"

#include <array>
#include <string>

#include "platform/file_system.h"
#include "shredder/pass_count.h"
#include "shredder/shredder_texts.h"

namespace teko {

namespace {

uint32_t WritePass(ShredTarget& target, uint64_t size, uint8_t value) {
  std::array<uint8_t, kWipeBufferSize> buffer;
  buffer.fill(value);
  if (uint32_t error = target.Rewind()) return error;
  for (uint64_t full = size / kWipeBufferSize; full > 0; --full) {
    if (uint32_t error = target.Write(buffer)) return error;
  }
  if (size_t rest = size % kWipeBufferSize) {
    if (uint32_t error = target.Write(std::span(buffer).first(rest))) return error;
  }
  return target.Flush();
}

WipeResult NotOpenedResult(uint32_t error) {
  if (error == kErrorFileNotFound || error == kErrorPathNotFound) return {WipeOutcome::NotAFile, error};
  if (error == kErrorStoppedOnLink) return {WipeOutcome::Link};
  return {WipeOutcome::NotOpened, error};
}

std::wstring Quoted(std::wstring_view path) { return L"\"" + std::wstring(path) + L"\""; }

std::wstring Explained(const ShredFiles& files, uint32_t error) {
  std::wstring text = files.ErrorText(error);
  return text.empty() ? L"Error code " + std::to_wstring(error) + L"." : text;
}

}  // namespace

// The file is opened even when empty, so that only the entry that was
// listed can go; it is deleted through the handle that was checked.
WipeResult WipeFile(ShredFiles& files, std::wstring_view path, int count) {
  auto listed = files.Facts(path);
  if (!listed || (listed->attributes & kAttrDirectory) != 0) return {WipeOutcome::NotAFile};
  if ((listed->attributes & kAttrReparsePoint) != 0) return {WipeOutcome::Link};
  // Refused even where the platform would let a privileged user write it.
  if ((listed->attributes & kAttrReadOnly) != 0) return {WipeOutcome::NotOpened, kErrorAccessDenied};
  uint32_t error = 0;
  auto target = files.OpenExclusive(path, error);
  if (!target) return NotOpenedResult(error);
  OpenedFileFacts facts;
  if ((error = target->Facts(facts))) return {WipeOutcome::NotOpened, error};
  if ((facts.attributes & kAttrReparsePoint) != 0) return {WipeOutcome::Link};
  if (facts.links > 1) return {WipeOutcome::SharedData, 0, facts.links};
  for (int pass = PassesFor(count); facts.size > 0 && pass >= 1; --pass) {
    if ((error = WritePass(*target, facts.size, pass % 2 == 0 ? kEvenPassByte : kOddPassByte))) {
      return {WipeOutcome::NotWritten, error};
    }
  }
  if ((error = target->Delete())) return {WipeOutcome::NotDeleted, error, 0, facts.size > 0};
  return {WipeOutcome::Deleted};
}

bool EraseFile(ShredFiles& files, Dialogs& dialogs, std::wstring_view path, int count) {
  WipeResult result = WipeFile(files, path, ClampPassCount(count));
  switch (result.outcome) {
    case WipeOutcome::Deleted:
      return true;
    case WipeOutcome::NotAFile:
      return false;
    case WipeOutcome::NotOpened:
      dialogs.Show(MessageKind::Error, kUnexpectedEraseError);
      return false;
    case WipeOutcome::Link:
      dialogs.Show(MessageKind::Error, Quoted(path) + L" is a link and was not shredded.\n"
                                                      L"The shredder never follows links: neither the link nor what "
                                                      L"it leads to was changed.");
      return false;
    case WipeOutcome::SharedData:
      dialogs.Show(MessageKind::Error, Quoted(path) + L" was not shredded: its data has " +
                                           std::to_wstring(result.links) +
                                           L" names (hard links), and overwriting it would destroy the data of "
                                           L"the other names too. Nothing was changed.");
      return false;
    case WipeOutcome::NotWritten:
      dialogs.Show(MessageKind::Error, Quoted(path) + L" could not be overwritten completely and was not deleted.\n" +
                                           Explained(files, result.error));
      return false;
    case WipeOutcome::NotDeleted:
      dialogs.Show(MessageKind::Error, Quoted(path) + (result.overwritten ? L" was overwritten but" : L"") +
                                           L" could not be deleted.\n" + Explained(files, result.error));
      return false;
  }
  return false;
}

}  // namespace teko
