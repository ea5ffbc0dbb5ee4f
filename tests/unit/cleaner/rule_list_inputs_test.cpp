#include "cleaner/rule_list_inputs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/fake_sysinfo.h"

namespace teko {
namespace {

using ::testing::Contains;
using ::testing::Not;
using testing::FakeComputerInfoSeams;
using testing::FakeFileSystem;

class RuleListInputsTest : public ::testing::Test {
 protected:
  RuleListInputsTest() {
    fakes.folders.specialFolders = {{kCsidlAppData, L"C:\\Users\\Ann\\AppData\\Roaming"},
                                    {kCsidlProfile, L"C:\\Users\\Ann"}};
    fakes.environment.currentDirectory = L"C:\\Work";
    fs.AddFile(L"C:\\Work\\thesis.doc", 100);
    fs.AddFile(L"C:\\Users\\Ann\\AppData\\Local\\Temp\\x.tmp", 1);
  }
  std::vector<std::wstring> Rules() {
    TComputerInfo info(fakes.seams());
    RuleListInputs inputs = ReadRuleListInputs(info, false, true, {L'C'});
    return BuildRuleList(inputs, fs, [](std::wstring_view) { return false; }).rules;
  }

  FakeComputerInfoSeams fakes;
  FakeFileSystem fs;
};

TEST_F(RuleListInputsTest, WithoutTmpAndTempTheCurrentFolderIsNeverCleaned) {
  EXPECT_THAT(Rules(), Not(Contains(L"C:\\Work\\*.* /u")));
  fakes.environment.variables = {{L"TMP", L""}, {L"TEMP", L""}};
  EXPECT_THAT(Rules(), Not(Contains(L"C:\\Work\\*.* /u")));
  EXPECT_THAT(Rules(), Contains(L"C:\\Users\\Ann\\AppData\\Local\\Temp\\*.* /u"));
}

TEST_F(RuleListInputsTest, TmpOrTempNamesTheTemporaryFolder) {
  fakes.environment.variables = {{L"TEMP", L"C:\\Users\\Ann\\AppData\\Local\\Temp"}};
  EXPECT_THAT(Rules(), Contains(L"C:\\Users\\Ann\\AppData\\Local\\Temp\\*.* /u"));
  fs.AddFolder(L"C:\\Scratch");
  fakes.environment.variables = {{L"TMP", L"C:\\Scratch"}, {L"TEMP", L"C:\\Other"}};
  EXPECT_THAT(Rules(), Contains(L"C:\\Scratch\\*.* /u"));
}

}  // namespace
}  // namespace teko
