// The store on disk: bytes kept exactly, data kept across restarts, and the demo
// data a new file starts with.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include "server/DemoData.h"
#include "server/Store.h"

namespace ringlook::server {
namespace {

class StoreTest : public ::testing::Test {
 protected:
  QString Path() const { return dir_.filePath(QStringLiteral("store.db")); }

  QTemporaryDir dir_;
  QDateTime now_{QDate(2024, 3, 14), QTime(10, 0)};
};

TEST_F(StoreTest, KeepsEveryByteAndEverythingAcrossAReopen) {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  {
    Store store(Path(), now_, Store::Seed::Nothing);
    store.Put({"0123", bytes, "regel 1\r\nregel 2", "2"});
    store.LogCall("0123", bytes, now_);
  }
  Store reopened(Path(), now_, Store::Seed::DemoData);
  const auto entry = reopened.Entry("0123");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Name, bytes);
  EXPECT_EQ(entry->Note, "regel 1\r\nregel 2");
  EXPECT_EQ(entry->Flag, "2");
  const auto calls = reopened.CallsOn(now_.date());
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Detail, bytes);
  EXPECT_EQ(reopened.Numbers(), std::vector<std::string>{"0123"}) << "an existing file is not seeded";
}

TEST_F(StoreTest, NumbersAreKeysByteForByte) {
  Store store(Path(), now_, Store::Seed::Nothing);
  store.Put({"0123", "Ann", "", "0"});
  EXPECT_FALSE(store.Entry("0123 "));
  EXPECT_FALSE(store.Entry("123"));
  store.Put({"0123", "Bob", "", "1"});
  EXPECT_EQ(store.Entry("0123")->Name, "Bob") << "a second Put replaces";
  EXPECT_EQ(store.Numbers().size(), 1u);
}

TEST_F(StoreTest, ANewFileStartsWithADutchDirectoryAndCallsOfToday) {
  // Just after midnight: no demo call may slip into the day before its own.
  const QDateTime justAfterMidnight(now_.date(), QTime(0, 5));
  Store store(Path(), justAfterMidnight);

  const auto numbers = store.Numbers();
  EXPECT_GE(numbers.size(), 10u);
  int alerts = 0;
  int notes = 0;
  for (const std::string& number : numbers) {
    const auto entry = store.Entry(number);
    ASSERT_TRUE(entry);
    EXPECT_FALSE(entry->Name.empty());
    alerts += entry->Flag == "2";
    notes += entry->Flag == "1" && !entry->Note.empty();
  }
  EXPECT_GE(alerts, 1);
  EXPECT_GE(notes, 1);

  const auto today = static_cast<int>(
      std::count_if(DemoCalls().begin(), DemoCalls().end(), [](const DemoCall& call) { return call.DaysAgo == 0; }));
  ASSERT_GT(today, 0);
  const auto calls = store.CallsOn(now_.date());
  EXPECT_EQ(static_cast<int>(calls.size()), today);
  for (const auto& call : calls) EXPECT_EQ(call.TodayCount, std::to_string(today));
  for (const DemoCall& call : DemoCalls()) {
    EXPECT_GT(store.CountOn(now_.date().addDays(-call.DaysAgo)), 0) << call.DaysAgo << " days ago";
  }
  EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const auto& call) { return call.Name == kUnknownCaller; }))
      << "some callers are not in the directory";
}

}  // namespace
}  // namespace ringlook::server
