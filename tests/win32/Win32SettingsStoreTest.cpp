// The registry store on a key of the test's own under HKEY_CURRENT_USER: values
// keep their types and bytes, names are found without regard to case, and the
// fixed error texts for every kind of bad value.
#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "ui/win32/Win32SettingsStore.h"

namespace ringlook::win32 {
namespace {

using ringlook::testing::ErrorOf;

constexpr char kKey[] = "\\Software\\Ringlook";

class Win32SettingsStoreTest : public ::testing::Test {
 protected:
  Win32SettingsStoreTest() {
    const std::string path = "Software\\RinglookTests\\Store" + std::to_string(GetCurrentProcessId());
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_, nullptr);
  }
  ~Win32SettingsStoreTest() override {
    RegDeleteTreeA(root_, nullptr);
    RegCloseKey(root_);
  }
  // A value as another program (or an older version) may have left it.
  void Put(const char* name, DWORD type, const void* data, DWORD size) const {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root_, "Software\\Ringlook", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  [[nodiscard]] DWORD TypeOf(const char* name) const {
    DWORD type = REG_NONE;
    RegGetValueA(root_, "Software\\Ringlook", name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, nullptr);
    return type;
  }

  HKEY root_ = nullptr;
};

TEST_F(Win32SettingsStoreTest, ValuesKeepTheirTypesAndBytesAndNamesIgnoreCase) {
  const std::string nickname = std::string("Jan  ") + '\xE9';
  {
    Win32SettingsStore store(root_);
    store.OpenKey(kKey);
    store.WriteString("ServerIp", "10.0.0.5 ");
    store.WriteString("x", "-12");
    store.WriteString("NickName", nickname);
    store.WriteInteger("Popup", -7);
    store.CloseKey();
  }
  EXPECT_EQ(TypeOf("ServerIp"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(TypeOf("Popup"), static_cast<DWORD>(REG_DWORD));

  Win32SettingsStore store(root_);
  store.OpenKey("Software\\Ringlook\\");
  EXPECT_EQ(store.ReadString("SERVERIP"), "10.0.0.5 ");
  EXPECT_EQ(store.ReadString("X"), "-12");
  EXPECT_EQ(store.ReadString("nickname"), nickname);
  EXPECT_EQ(store.ReadInteger("popup"), -7);
  EXPECT_EQ(store.ReadString("Server2"), "");
  EXPECT_TRUE(store.DeleteValue("x"));
  EXPECT_FALSE(store.DeleteValue("x"));
  EXPECT_EQ(store.ReadString("x"), "");
}

TEST_F(Win32SettingsStoreTest, ReadsOfValuesLeftByOthers) {
  const DWORD one = 1;
  const char eight[8] = {1};
  const char withNul[] = "abc\0def";
  const char expandable[] = "%TEMP%\\x";
  Put("Popup", REG_SZ, "1", 2);
  Put("Wide", REG_BINARY, eight, sizeof eight);
  Put("Short", REG_DWORD, &one, 2);
  Put("ServerIp", REG_DWORD, &one, sizeof one);
  Put("Server2", REG_SZ, withNul, sizeof withNul);
  Put("NickName", REG_EXPAND_SZ, expandable, sizeof expandable);
  Put("Empty", REG_SZ, "", 0);

  Win32SettingsStore store(root_);
  store.OpenKey(kKey);
  EXPECT_EQ(ErrorOf([&] { store.ReadInteger("Popup"); }), "Invalid data type for 'Popup'");
  EXPECT_EQ(ErrorOf([&] { store.ReadInteger("Wide"); }), "Failed to get data for 'Wide'");
  EXPECT_EQ(ErrorOf([&] { store.ReadInteger("Short"); }), "Failed to get data for 'Short'");
  EXPECT_EQ(ErrorOf([&] { store.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
  EXPECT_EQ(ErrorOf([&] { store.ReadString("ServerIp"); }), "Invalid data type for 'ServerIp'");
  EXPECT_EQ(store.ReadString("Server2"), "abc");
  EXPECT_EQ(store.ReadString("NickName"), expandable);
  EXPECT_EQ(store.ReadString("Empty"), "");
}

TEST_F(Win32SettingsStoreTest, AKeyThatCannotBeOpenedHasNoValuesAndRefusesWrites) {
  Win32SettingsStore store(root_);
  store.OpenKey("\\Software\\" + std::string(300, 'k'));
  EXPECT_EQ(store.ReadString("ServerIp"), "");
  EXPECT_EQ(ErrorOf([&] { store.ReadInteger("Popup"); }), "Failed to get data for 'Popup'");
  EXPECT_EQ(ErrorOf([&] { store.WriteString("ServerIp", "x"); }), "Failed to set data for 'ServerIp'");
  EXPECT_FALSE(store.DeleteValue("ServerIp"));
  store.CloseKey();
  EXPECT_EQ(ErrorOf([&] { store.WriteInteger("Popup", 1); }), "Failed to set data for 'Popup'");
}

}  // namespace
}  // namespace ringlook::win32
