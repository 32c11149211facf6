// The settings file store on a temporary configuration folder: the store
// contract, the file's own layout, another copy's changes, hand-written files.
#include <QFile>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "SettingsFolder.h"
#include "SettingsStoreContract.h"

namespace ringlook::qt {
namespace {

using ringlook::testing::ErrorOf;
using ringlook::testing::SettingsStoreContract;

// Each run opens a store of its own on the one folder.
class QtStoreSite final : public testing::StoreSite {
 public:
  SettingsStore& Open() override { return *stores_.emplace_back(std::make_unique<QtSettingsStore>(folder_.path())); }
  // A file where the key's folder would go.
  std::string BlockedKey() override {
    QFile blocker(folder_.path() + "/Software");
    EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    return std::string(kSettingsKey);
  }

 private:
  QTemporaryDir folder_;
  std::vector<std::unique_ptr<QtSettingsStore>> stores_;
};

INSTANTIATE_TEST_SUITE_P(Qt, SettingsStoreContract,
                         ::testing::Values(testing::StoreKind{"Qt", [] { return std::make_unique<QtStoreSite>(); }}));

class QtSettingsStoreTest : public SettingsFolder {};

// One line a value, its type named and its bytes escaped; a name in another
// case takes the line of the stored one.
TEST_F(QtSettingsStoreTest, TheFileHoldsOneLineAValue) {
  QtSettingsStore store = Reopened();
  store.WriteString("ServerIp", "10.0.0.5 ");
  store.WriteInteger("Popup", -7);
  store.WriteString("x", "-12");
  store.WriteString("X", "-13");
  store.WriteString("NickName", std::string("a\\b\n=c:") + '\xE9');
  store.CloseKey();

  EXPECT_EQ(FileText(),
            "# Ringlook settings: name=string:text or name=integer:number\n"
            "NickName=string:a\\\\b\\n=c:\\xE9\n"
            "Popup=integer:-7\n"
            "ServerIp=string:10.0.0.5 \n"
            "x=string:-13\n");
  store.OpenKey(kSettingsKey);
  EXPECT_TRUE(store.DeleteValue("X"));
  EXPECT_FALSE(FileText().contains("x=")) << FileText().toStdString();
}

TEST_F(QtSettingsStoreTest, OpeningCreatesAMissingKeyAndRereadsTheFileEachTime) {
  QtSettingsStore store = Reopened();
  EXPECT_TRUE(QFile::exists(File()));
  store.WriteString("ServerIp", "first");
  store.CloseKey();

  WriteFileText("ServerIp=string:changed by another copy\n");
  store.OpenKey("Software\\\\Ringlook\\");  // the same key, spelt another way
  EXPECT_EQ(store.ReadString("ServerIp"), "changed by another copy");
}

TEST_F(QtSettingsStoreTest, ReadsAFileWrittenByHand) {
  WriteFileText(
      "# settings kept from an earlier installation\r\n"
      "ServerIp = string:192.168.1.20\r\n"
      "\r\n"
      "popup=integer: 1\r\n"
      "X=string:-40\r\n"
      "y=string:\\x31\\x32\r\n"
      "Server2=string:  spaced  \r\n"
      "NickName=text:unknown type\r\n"
      "a line that is no value\r\n"
      "Bad=integer:12abc\r\n");
  QtSettingsStore store = Reopened();
  EXPECT_EQ(store.ReadString("ServerIp"), "192.168.1.20");
  EXPECT_EQ(store.ReadInteger("Popup"), 1);
  EXPECT_EQ(store.ReadString("x"), "-40");
  EXPECT_EQ(store.ReadString("Y"), "12");
  EXPECT_EQ(store.ReadString("Server2"), "  spaced  ");
  EXPECT_EQ(store.ReadString("NickName"), "");
  EXPECT_EQ(ErrorOf([&] { (void)store.ReadInteger("Bad"); }), "Failed to get data for 'Bad'");

  store.WriteString("NickName", "Jan");
  QtSettingsStore later = Reopened();
  EXPECT_EQ(later.ReadString("NickName"), "Jan");
  EXPECT_EQ(later.ReadString("ServerIp"), "192.168.1.20");
  EXPECT_EQ(later.ReadInteger("POPUP"), 1);
}

}  // namespace
}  // namespace ringlook::qt
