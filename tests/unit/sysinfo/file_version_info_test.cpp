#include "sysinfo/file_version_info.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/version_resource_builder.h"

namespace teko {
namespace {

using testing::BinaryString;
using testing::EncodeVersionBlock;
using testing::GetWord;
using testing::MakeFixedInfo;
using testing::PutWord;
using testing::StringFileInfo;
using testing::StringTable;
using testing::TextString;
using testing::VarFileInfo;
using testing::VersionNode;
using testing::VersionRoot;

std::vector<uint8_t> Resource(std::vector<VersionNode> children, bool wide = true) {
  return EncodeVersionBlock(VersionRoot(MakeFixedInfo(0x00020000, 0x00010007), std::move(children)), wide);
}

std::vector<uint8_t> OneTable(std::vector<VersionNode> strings) {
  return Resource({StringFileInfo({StringTable(L"040904b0", std::move(strings))})});
}

std::vector<std::wstring> Texts(const std::vector<VersionEntry>& entries) {
  std::vector<std::wstring> texts;
  for (const auto& entry : entries) texts.push_back(std::to_wstring(entry.table) + L":" + entry.Text());
  return texts;
}

void ExpectMalformed(std::vector<uint8_t> bytes) {
  try {
    TFileVersionInfo info(std::move(bytes));
    ADD_FAILURE() << "parsed a malformed resource";
  } catch (const EFileVersionInfoError& error) {
    EXPECT_STREQ(error.what(), "File contains no version information");
  }
}

TEST(FileVersionInfo, ReadsFixedPartStringsAndTranslations) {
  auto fixed = MakeFixedInfo(0x00020000, 0x00010007);
  fixed.fileFlags = 0x3F & ~0x04;  // everything but "patched"
  fixed.fileFlagsMask = 0x1F;      // and the mask hides "special build"
  auto bytes = EncodeVersionBlock(VersionRoot(
      fixed, {StringFileInfo({StringTable(L"040904b0", {TextString(L"CompanyName", L"Teko Makers"),
                                                        TextString(L"ProductName", L"Teko"),
                                                        TextString(L"ProductVersion", L"2.0"),
                                                        TextString(L"Comments", L"")})}),
              VarFileInfo({0x04B00409, 0x04E40407})}));
  bytes.resize(bytes.size() * 2 + 4, 0xCD);  // the platform hands out a larger buffer

  TFileVersionInfo info(bytes);
  EXPECT_EQ(info.FixedPart().fileVersionMS, 0x00020000u);
  EXPECT_EQ(info.FixedPart().fileVersionLS, 0x00010007u);
  EXPECT_EQ(info.CompanyName(), L"Teko Makers");
  EXPECT_EQ(info.ProductName(), L"Teko");
  EXPECT_EQ(info.ProductVersion(), L"2.0");
  EXPECT_EQ(info.Comments(), L"");
  EXPECT_EQ(info.FileDescription(), L"");
  EXPECT_EQ(Texts(info.ChosenEntries()), (std::vector<std::wstring>{L"0:CompanyName=Teko Makers", L"0:ProductName=Teko",
                                                                     L"0:ProductVersion=2.0", L"0:Comments="}));
  EXPECT_EQ(info.TableLanguages(), (std::vector<uint32_t>{0x04B00409}));
  EXPECT_EQ(info.TranslationList(), (std::vector<uint32_t>{0x04B00409, 0x04E40407}));
  VersionBuildFlags flags{.debug = true, .infoInferred = true, .preRelease = true, .privateBuild = true};
  EXPECT_EQ(info.BuildFlags(), flags);
  EXPECT_EQ(info.KeyValueByIndex(0), L"");
  EXPECT_EQ(info.KeyValueByIndex(13), L"");
}

TEST(FileVersionInfo, OffersTheFirstTableWhateverTheTranslationList) {
  auto bytes = Resource({StringFileInfo({StringTable(L"040704b0", {TextString(L"FileDescription", L"Werkzeug")}),
                                         StringTable(L"040904b0", {TextString(L"FileDescription", L"Tool")})}),
                         VarFileInfo({0x04B00409, 0x04B00407})});
  TFileVersionInfo info(bytes);
  EXPECT_EQ(info.FileDescription(), L"Werkzeug");
  EXPECT_EQ(info.ChosenTable(), 0);
  EXPECT_EQ(Texts(info.AllEntries()),
            (std::vector<std::wstring>{L"0:FileDescription=Werkzeug", L"1:FileDescription=Tool"}));
  EXPECT_EQ(info.TableLanguages(), (std::vector<uint32_t>{0x04B00407, 0x04B00409}));
}

TEST(FileVersionInfo, KeysMatchIgnoringCaseAndTheFirstWins) {
  TFileVersionInfo info(OneTable({TextString(L"LegalTrademarks", L"first"), TextString(L"LEGALTRADEMARKS", L"second"),
                                  TextString(L"originalfilename", L"teko.exe")}));
  EXPECT_EQ(info.LegalTradeMarks(), L"first");
  EXPECT_EQ(info.OriginalFilename(), L"teko.exe");
}

TEST(FileVersionInfo, TableKeysLoseHexPrefixesAndOtherCharacters) {
  TFileVersionInfo prefixed(Resource({StringFileInfo({StringTable(L"0x04090x04b0", {})})}));
  EXPECT_EQ(prefixed.TableLanguages(), (std::vector<uint32_t>{0x04B00409}));
  TFileVersionInfo separated(Resource({StringFileInfo({StringTable(L"0407-04E4", {})})}));
  EXPECT_EQ(separated.TableLanguages(), (std::vector<uint32_t>{0x04E40407}));

  ExpectMalformed(Resource({StringFileInfo({StringTable(L"040904b", {})})}));
  ExpectMalformed(Resource({StringFileInfo({StringTable(L"040904b00", {})})}));
  auto withValue = StringTable(L"040904b0", {});
  withValue.valueLength = 2;
  withValue.value = {0, 0, 0, 0};
  ExpectMalformed(Resource({StringFileInfo({withValue})}));
}

TEST(FileVersionInfo, BinaryValuesAreHexWithTwoDigitsPerByte) {
  auto bytes = OneTable({BinaryString(L"Two", {0x1A, 0x00}), BinaryString(L"One", {0xFF}),
                         BinaryString(L"Four", {0x78, 0x56, 0x34, 0x12})});
  TFileVersionInfo info(bytes);
  EXPECT_EQ(Texts(info.ChosenEntries()),
            (std::vector<std::wstring>{L"0:Two=$001A", L"0:One=$FF", L"0:Four=$12345678"}));

  // Bytes after a two-byte value belong to the next block and stay out of it.
  auto padded = BinaryString(L"Two", {0x1A, 0x00, 0xEE, 0xEE});
  padded.valueLength = 2;
  TFileVersionInfo followed(OneTable({padded}));
  EXPECT_EQ(followed.ChosenEntries().at(0).value, L"$001A");
}

TEST(FileVersionInfo, LongBinaryValuesReadAsTextAndOtherTypesAreMalformed) {
  auto text = TextString(L"Comments", L"typed as binary");
  text.type = 0;
  text.valueLength = 32;
  auto empty = BinaryString(L"Empty", {});
  TFileVersionInfo info(OneTable({text, empty}));
  EXPECT_EQ(Texts(info.ChosenEntries()), (std::vector<std::wstring>{L"0:Comments=typed as binary", L"0:Empty="}));

  auto odd = TextString(L"Comments", L"x");
  odd.type = 2;
  ExpectMalformed(OneTable({odd}));
}

TEST(FileVersionInfo, TextValuesEndAtTheirNulTheirLengthOrTheirBlock) {
  auto withoutNul = TextString(L"ProductName", L"Teko");
  withoutNul.valueLength = 4;
  auto shorter = TextString(L"ProductVersion", L"2.0.1.7");
  shorter.valueLength = 3;
  auto overlong = TextString(L"CompanyName", L"Makers");
  overlong.valueLength = 500;  // claims more than its block holds
  auto inner = TextString(L"Comments", std::wstring(L"a\0b", 3));
  TFileVersionInfo info(OneTable({withoutNul, shorter, overlong, inner, TextString(L"FileVersion", L"1")}));
  EXPECT_EQ(Texts(info.ChosenEntries()),
            (std::vector<std::wstring>{L"0:ProductName=Teko", L"0:ProductVersion=2.0", L"0:CompanyName=Makers",
                                       L"0:Comments=a", L"0:FileVersion=1"}));
}

TEST(FileVersionInfo, ReadsTheSixteenBitFormat) {
  auto bytes = EncodeVersionBlock(
      VersionRoot(MakeFixedInfo(0x00030001, 0x0004000F),
                  {StringFileInfo({StringTable(L"040704E4", {TextString(L"CompanyName", L"M\u00fcller \u20ac", false),
                                                             TextString(L"Comments", L"", false)})}),
                   VarFileInfo({0x04E40407})}),
      false);
  // In this format the euro sign is the ANSI byte 0x80.
  std::replace(bytes.begin(), bytes.end(), uint8_t{0xAC}, uint8_t{0x80});
  TFileVersionInfo info(bytes);
  EXPECT_EQ(info.FixedPart().fileVersionMS, 0x00030001u);
  EXPECT_EQ(info.CompanyName(), L"M\u00fcller \u20ac");
  EXPECT_EQ(info.TableLanguages(), (std::vector<uint32_t>{0x04E40407}));
  EXPECT_EQ(info.TranslationList(), (std::vector<uint32_t>{0x04E40407}));
  EXPECT_EQ(info.AllEntries().size(), 2u);
}

TEST(FileVersionInfo, RootRulesDecideWhetherThereIsVersionInformation) {
  auto lowerCase = VersionRoot(MakeFixedInfo(1, 0), {});
  lowerCase.key = L"vs_version_info";
  EXPECT_NO_THROW(TFileVersionInfo(EncodeVersionBlock(lowerCase)));

  auto otherKey = VersionRoot(MakeFixedInfo(1, 0), {});
  otherKey.key = L"VS_VERSIONINFO";
  ExpectMalformed(EncodeVersionBlock(otherKey));
  auto badSignature = MakeFixedInfo(1, 0);
  badSignature.signature = 0xFEEF04BC;
  ExpectMalformed(EncodeVersionBlock(VersionRoot(badSignature, {})));
  auto shortFixed = VersionRoot(MakeFixedInfo(1, 0), {});
  shortFixed.valueLength = 48;
  ExpectMalformed(EncodeVersionBlock(shortFixed));
  ExpectMalformed({});
  ExpectMalformed({0x5C, 0x00, 0x34, 0x00, 0x00});
}

TEST(FileVersionInfo, AnUnknownChildEndsTheWalkWithoutError) {
  VersionNode other{L"SomethingElse"};
  TFileVersionInfo info(Resource({other, StringFileInfo({StringTable(L"040904b0", {TextString(L"A", L"b")})})}));
  EXPECT_TRUE(info.AllEntries().empty());
  EXPECT_TRUE(info.TableLanguages().empty());
}

TEST(FileVersionInfo, InconsistentLengthsAreMalformed) {
  auto bytes = OneTable({TextString(L"CompanyName", L"Makers")});
  // Offsets in the 32-bit layout: root header and fixed part 92 bytes,
  // StringFileInfo header 36, table header 24, then the string.
  const size_t stringFileInfo = 92, table = 128, string = 152;
  ASSERT_EQ(GetWord(bytes, stringFileInfo + 6), L'S');
  ASSERT_EQ(GetWord(bytes, table + 6), L'0');
  ASSERT_EQ(GetWord(bytes, string + 6), L'C');

  auto zeroLength = bytes;
  PutWord(zeroLength, string, 0);
  ExpectMalformed(zeroLength);

  auto beyondParent = bytes;
  PutWord(beyondParent, string, static_cast<uint16_t>(GetWord(bytes, string) + 4));
  ExpectMalformed(beyondParent);

  auto shorterThanKey = bytes;
  PutWord(shorterThanKey, string, 10);
  ExpectMalformed(shorterThanKey);

  auto rootBeyondBuffer = bytes;
  PutWord(rootBeyondBuffer, 0, static_cast<uint16_t>(bytes.size() + 2));
  ExpectMalformed(rootBeyondBuffer);

  auto tableBeyondFileInfo = bytes;
  PutWord(tableBeyondFileInfo, table, static_cast<uint16_t>(GetWord(bytes, table) + 8));
  ExpectMalformed(tableBeyondFileInfo);
}

}  // namespace
}  // namespace teko
