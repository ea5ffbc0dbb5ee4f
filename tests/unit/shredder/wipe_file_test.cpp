#include "shredder/wipe_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_shred_files.h"
#include "shredder/shredder_texts.h"
#include "support/fake_dialogs.h"

namespace teko {
namespace {

using testing::FakeDialogs;
using testing::FakeShredFile;
using testing::FakeShredFiles;

const std::wstring kPath = L"C:\\data\\letter.doc";

std::vector<uint8_t> Bytes(size_t count) {
  std::vector<uint8_t> bytes(count);
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 1);
  return bytes;
}

std::vector<uint8_t> PassValues(const FakeShredFile& file) {
  std::vector<uint8_t> values;
  for (const auto& pass : file.passes) values.push_back(pass.value);
  return values;
}

TEST(WipeFile, EveryPassCoversTheFileInFullBuffersAndTheRestWithAlternatingBytes) {
  FakeShredFiles files;
  FakeShredFile& file = files.AddFile(kPath, Bytes(5000));
  file.removeError = kErrorAccessDenied;  // keeps the file to look at

  WipeResult result = WipeFile(files, kPath, 2);

  EXPECT_EQ(result.outcome, WipeOutcome::NotDeleted);
  EXPECT_TRUE(result.overwritten);
  EXPECT_EQ(PassValues(file), (std::vector<uint8_t>{0x3E, 0xC1, 0x3E, 0xC1}));
  for (const auto& pass : file.passes) {
    EXPECT_EQ(pass.writes, (std::vector<size_t>{4096, 904}));
    EXPECT_TRUE(pass.uniform);
    EXPECT_TRUE(pass.flushed);
  }
  // Length kept, nothing of the old contents left.
  ASSERT_EQ(file.content.size(), 5000u);
  EXPECT_TRUE(std::all_of(file.content.begin(), file.content.end(), [](uint8_t b) { return b == 0xC1; }));
}

TEST(WipeFile, PassCountIsTwiceTheCountBroughtIntoOneToTen) {
  struct Case {
    int count;
    size_t passes;
  };
  for (Case c : {Case{1, 2}, Case{2, 4}, Case{10, 20}, Case{0, 2}, Case{-5, 2}, Case{11, 20}}) {
    FakeShredFiles files;
    files.AddFile(kPath, Bytes(10)).removeError = kErrorAccessDenied;
    WipeFile(files, kPath, c.count);
    const FakeShredFile& file = files.File(kPath);
    EXPECT_EQ(file.passes.size(), c.passes) << "count " << c.count;
    EXPECT_EQ(file.passes.back().value, 0xC1) << "count " << c.count;
  }
}

TEST(WipeFile, FilesOfFourGibibytesAndMoreAreOverwrittenToTheirLastByte) {
  FakeShredFiles files;
  const uint64_t size = (uint64_t{1} << 32) + 904;  // neither 32-bit count holds it
  FakeShredFile& file = files.AddFileOfSize(kPath, size);
  file.removeError = kErrorAccessDenied;

  WipeFile(files, kPath, 1);

  ASSERT_EQ(file.passes.size(), 2u);
  for (const auto& pass : file.passes) {
    ASSERT_EQ(pass.writes.size(), (size >> 12) + 1);
    EXPECT_EQ(pass.writes.back(), 904u);
    uint64_t written = 0;
    for (size_t w : pass.writes) written += w;
    EXPECT_EQ(written, size);
  }
}

TEST(WipeFile, AnEmptyFileIsDeleted) {
  FakeShredFiles files;
  files.AddFile(kPath, {});
  EXPECT_EQ(WipeFile(files, kPath, 2).outcome, WipeOutcome::Deleted);
  EXPECT_FALSE(files.Exists(kPath));
}

TEST(WipeFile, NothingOrAFolderAtThePathIsNoFile) {
  FakeShredFiles files;
  files.AddFolder(L"C:\\data");
  EXPECT_EQ(WipeFile(files, L"C:\\data", 2).outcome, WipeOutcome::NotAFile);
  EXPECT_EQ(WipeFile(files, L"C:\\data\\gone.txt", 2).outcome, WipeOutcome::NotAFile);
  EXPECT_TRUE(files.Exists(L"C:\\data"));
  EXPECT_TRUE(files.removed().empty());
}

TEST(WipeFile, AFailedPassStopsTheWipingAndKeepsTheFile) {
  FakeShredFiles files;
  FakeShredFile& failingWrite = files.AddFile(L"C:\\a.bin", Bytes(9000));
  failingWrite.failingPass = 3;
  FakeShredFile& failingFlush = files.AddFile(L"C:\\b.bin", Bytes(9000));
  failingFlush.flushError = 1117;  // I/O device error

  WipeResult write = WipeFile(files, L"C:\\a.bin", 2);
  WipeResult flush = WipeFile(files, L"C:\\b.bin", 2);

  EXPECT_EQ(write.outcome, WipeOutcome::NotWritten);
  EXPECT_EQ(write.error, 112u);
  EXPECT_EQ(failingWrite.passes.size(), 3u);
  EXPECT_EQ(flush.outcome, WipeOutcome::NotWritten);
  EXPECT_EQ(flush.error, 1117u);
  EXPECT_EQ(failingFlush.passes.size(), 1u);
  EXPECT_TRUE(files.Exists(L"C:\\a.bin"));
  EXPECT_TRUE(files.Exists(L"C:\\b.bin"));
}

TEST(WipeFile, LinksAreNeitherOverwrittenNorDeleted) {
  FakeShredFiles files;
  // Flagged by the listing, an empty link included.
  files.AddFile(L"C:\\flagged.lnk", Bytes(100)).attributes |= kAttrReparsePoint;
  files.AddFile(L"C:\\empty.lnk", {}).attributes |= kAttrReparsePoint;
  // Flagged only once open.
  files.AddFile(L"C:\\late.lnk", Bytes(100)).handleAttributes = kAttrReparsePoint;
  // Not flagged at all, but the name opens another file.
  files.AddFile(L"C:\\alias.txt", Bytes(100)).leadsElsewhere = true;

  for (const wchar_t* path : {L"C:\\flagged.lnk", L"C:\\empty.lnk", L"C:\\late.lnk", L"C:\\alias.txt"}) {
    EXPECT_EQ(WipeFile(files, path, 2).outcome, WipeOutcome::Link) << path;
    EXPECT_TRUE(files.File(path).passes.empty()) << path;
  }
  EXPECT_TRUE(files.removed().empty());
}

TEST(WipeFile, DataWithSeveralNamesIsLeftAlone) {
  FakeShredFiles files;
  files.AddFile(kPath, Bytes(100)).links = 2;
  WipeResult result = WipeFile(files, kPath, 2);
  EXPECT_EQ(result.outcome, WipeOutcome::SharedData);
  EXPECT_EQ(result.links, 2u);
  EXPECT_TRUE(files.File(kPath).passes.empty());
  EXPECT_TRUE(files.Exists(kPath));
}

TEST(EraseFile, ALockedOrReadOnlyFileIsReportedOnceAndStays) {
  for (bool locked : {true, false}) {
    FakeShredFiles files;
    FakeDialogs dialogs;
    FakeShredFile& file = files.AddFile(kPath, Bytes(100));
    if (locked) {
      file.openError = kErrorSharingViolation;
    } else {
      file.attributes |= kAttrReadOnly;  // refused even where opening would work
    }

    EXPECT_FALSE(EraseFile(files, dialogs, kPath, 2));

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown[0].text, kUnexpectedEraseError);
    EXPECT_EQ(file.opens, 0);
    EXPECT_TRUE(files.Exists(kPath));
  }
}

TEST(EraseFile, OnlyAFileThatIsGoneCounts) {
  struct Case {
    const wchar_t* name;
    void (*stage)(FakeShredFile&);
    const wchar_t* told;  // part of the error box's text; null for silence
  };
  const Case cases[] = {
      {L"fine.txt", [](FakeShredFile&) {}, nullptr},
      {L"full-disk.txt", [](FakeShredFile& f) { f.failingPass = 1; }, L"could not be overwritten completely"},
      {L"undeletable.txt", [](FakeShredFile& f) { f.removeError = kErrorAccessDenied; },
       L"was overwritten but could not be deleted.\nSystem error 5."},
      {L"hard.txt", [](FakeShredFile& f) { f.links = 3; }, L"3 names (hard links)"},
      {L"link.txt", [](FakeShredFile& f) { f.attributes |= kAttrReparsePoint; }, L"is a link"},
  };
  for (const Case& c : cases) {
    FakeShredFiles files;
    FakeDialogs dialogs;
    std::wstring path = std::wstring(L"C:\\") + c.name;
    c.stage(files.AddFile(path, Bytes(50)));

    bool erased = EraseFile(files, dialogs, path, 2);

    EXPECT_EQ(erased, c.told == nullptr) << c.name;
    EXPECT_EQ(files.Exists(path), c.told != nullptr) << c.name;
    if (c.told) {
      ASSERT_EQ(dialogs.shown.size(), 1u) << c.name;
      EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
      EXPECT_NE(dialogs.shown[0].text.find(path), std::wstring::npos) << c.name;
      EXPECT_NE(dialogs.shown[0].text.find(c.told), std::wstring::npos) << c.name;
    } else {
      EXPECT_TRUE(dialogs.shown.empty()) << c.name;
    }
  }
}

TEST(EraseFile, AnEmptyFileThatCannotBeDeletedIsNotCalledOverwritten) {
  FakeShredFiles files;
  FakeDialogs dialogs;
  files.AddFile(kPath, {}).removeError = kErrorAccessDenied;
  EXPECT_FALSE(EraseFile(files, dialogs, kPath, 2));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, L"\"" + kPath + L"\" could not be deleted.\nSystem error 5.");
}

}  // namespace
}  // namespace teko
