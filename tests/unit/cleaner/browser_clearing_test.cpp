#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cleaner/ie_cache.h"
#include "cleaner/url_history.h"
#include "fake_cleaner_system.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::FakeUrlCache;
using testing::FakeUrlHistoryStore;

class IECacheTest : public ::testing::Test {
 protected:
  IECacheTest() { api.calls = &calls; }

  FakeUrlCache api;
  TIECache cache{api};
  std::vector<std::wstring> calls;
};

TEST_F(IECacheTest, ClearAllEntriesDeletesEveryEntryOutsideTheGroupsInOrder) {
  api.entries = {L"Visited: ann@http://example.org/", L"Cookie:ann@example.org/", L"http://example.org/logo.png"};
  cache.ClearAllEntries();
  EXPECT_THAT(api.entries, IsEmpty());
  // Every entry that is not stable, sparse or a control, whatever its address.
  EXPECT_EQ(api.pattern, std::nullopt);
  EXPECT_EQ(api.filter, 0x300035u);
  EXPECT_EQ(api.group, 0);
  EXPECT_THAT(calls, ElementsAre(L"find first", L"delete Visited: ann@http://example.org/",
                                 L"delete Cookie:ann@example.org/", L"delete http://example.org/logo.png", L"close"));
}

TEST_F(IECacheTest, AnEmptyCacheDeletesNothingAndStillCloses) {
  cache.ClearAllEntries();
  EXPECT_THAT(calls, ElementsAre(L"find first", L"close"));
}

TEST_F(IECacheTest, AnEntryInUseStaysAndTheOthersGo) {
  api.entries = {L"a", L"busy", L"c"};
  api.locked = {L"busy"};
  cache.ClearAllEntries();
  EXPECT_THAT(api.entries, ElementsAre(L"busy"));
}

TEST_F(IECacheTest, ANextStepThatKeepsFailingEndsTheClearingAndOneThatRecoversDoesNot) {
  api.entries = {L"a", L"busy", L"c"};
  api.locked = {L"busy"};
  api.nextFailures = {122};  // the entry grew between size query and read
  cache.ClearAllEntries();
  EXPECT_THAT(api.entries, ElementsAre(L"busy"));

  calls.clear();
  api.entries = {L"a", L"b"};
  api.persistentNextFailure = 1117;  // ERROR_IO_DEVICE
  cache.ClearAllEntries();
  // The deleted entry leaves no address to try again.
  EXPECT_THAT(calls, ElementsAre(L"find first", L"delete a", L"close"));
  EXPECT_THAT(api.entries, ElementsAre(L"b"));
}

TEST_F(IECacheTest, WithoutTheLibraryNothingIsTouchedAndTheLibraryIsLookedForAgain) {
  api.functionsFound = false;
  api.entries = {L"a"};
  cache.ClearAllEntries();
  EXPECT_EQ(cache.FindFirstEntry(0), 2u);
  EXPECT_EQ(cache.FindNextEntry(), 2u);
  EXPECT_EQ(cache.DeleteEntry(L"a"), 0u);
  EXPECT_THAT(calls, IsEmpty());
  EXPECT_EQ(api.functionLookups, 4);

  api.functionsFound = true;
  EXPECT_TRUE(cache.LibraryFound());
  EXPECT_TRUE(cache.LibraryFound());
  EXPECT_EQ(api.functionLookups, 5);
}

TEST(UrlHistoryTest, ClearsThroughTheStoreMadeWithTheWindow) {
  std::vector<std::wstring> calls;
  int made = 0;
  TUrlHistory history([&] {
    ++made;
    return std::make_unique<FakeUrlHistoryStore>(&calls);
  });
  EXPECT_EQ(history.ClearHistory(), 0);
  EXPECT_EQ(history.ClearHistory(), 0);
  EXPECT_EQ(made, 1);
  EXPECT_THAT(calls, ElementsAre(L"clear history", L"clear history"));
}

TEST(UrlHistoryTest, WithoutTheObjectClearingDoesNothingUntilItCanBeMade) {
  std::vector<std::wstring> calls;
  bool available = false;
  TUrlHistory history([&]() -> std::unique_ptr<UrlHistoryStore> {
    if (!available) return nullptr;
    return std::make_unique<FakeUrlHistoryStore>(&calls);
  });
  EXPECT_EQ(history.ClearHistory(), std::nullopt);
  available = true;
  EXPECT_EQ(history.ClearHistory(), 0);
  EXPECT_THAT(calls, ElementsAre(L"clear history"));
}

}  // namespace
}  // namespace teko
