// The settings store contract: values keep their types and bytes across runs,
// names are found without regard to case, the fixed error texts, and a key that
// cannot be opened.
#include "SettingsStoreContract.h"

#include "ErrorOf.h"

namespace ringlook::testing {
namespace {

TEST_P(SettingsStoreContract, ValuesKeepTheirTypesAndBytesAndNamesIgnoreCase) {
  const std::string nickname = std::string("a\\b\n=c:  ") + '\xE9';
  SettingsStore& store = site->Open();
  store.OpenKey(settings::kSettingsKey);
  store.WriteString("ServerIp", "10.0.0.5 ");
  store.WriteInteger("Popup", -7);
  store.WriteString("x", "-12");
  store.WriteString("NickName", nickname);
  store.CloseKey();

  SettingsStore& later = site->Open();
  later.OpenKey("Software\\Ringlook\\");  // the same key, spelt another way
  EXPECT_EQ(later.ReadString("SERVERIP"), "10.0.0.5 ");
  EXPECT_EQ(later.ReadInteger("popup"), -7);
  EXPECT_EQ(later.ReadString("X"), "-12");
  EXPECT_EQ(later.ReadString("nickname"), nickname);
  EXPECT_EQ(later.ReadString("Server2"), "");
  // A text that fits in an integer's bytes: the registry reports a longer one as too big first.
  EXPECT_EQ(ErrorOf([&] { (void)later.ReadInteger("x"); }), "Invalid data type for 'x'");
  EXPECT_EQ(ErrorOf([&] { (void)later.ReadString("POPUP"); }), "Invalid data type for 'POPUP'");
  EXPECT_EQ(ErrorOf([&] { (void)later.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
}

TEST_P(SettingsStoreContract, ANameInAnotherCaseReplacesOrDeletesTheStoredValue) {
  SettingsStore& store = site->Open();
  store.OpenKey(settings::kSettingsKey);
  store.WriteString("x", "1");
  store.WriteString("X", "2");
  store.CloseKey();

  SettingsStore& later = site->Open();
  later.OpenKey(settings::kSettingsKey);
  EXPECT_EQ(later.ReadString("x"), "2");
  EXPECT_TRUE(later.DeleteValue("X"));
  EXPECT_FALSE(later.DeleteValue("x"));
  EXPECT_EQ(later.ReadString("x"), "");
}

TEST_P(SettingsStoreContract, AKeyThatCannotBeOpenedHasNoValuesAndRefusesWrites) {
  SettingsStore& store = site->Open();
  store.OpenKey(site->BlockedKey());
  EXPECT_EQ(store.ReadString("ServerIp"), "");
  EXPECT_EQ(ErrorOf([&] { (void)store.ReadInteger("Popup"); }), "Failed to get data for 'Popup'");
  EXPECT_EQ(ErrorOf([&] { store.WriteString("ServerIp", "10.0.0.1"); }), "Failed to set data for 'ServerIp'");
  EXPECT_FALSE(store.DeleteValue("ServerIp"));
  store.CloseKey();
  EXPECT_EQ(ErrorOf([&] { store.WriteInteger("Popup", 1); }), "Failed to set data for 'Popup'");
}

}  // namespace
}  // namespace ringlook::testing
