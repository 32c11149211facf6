// The registry store on a key of the test's own under HKEY_CURRENT_USER: the
// store contract, the registry's types, and every kind of value others left.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ErrorOf.h"
#include "SettingsStoreContract.h"
#include "win32/Win32SettingsStore.h"

namespace ringlook::win32 {
namespace {

using ringlook::testing::ErrorOf;
using ringlook::testing::SettingsStoreContract;

constexpr std::string_view kKey = settings::kSettingsKey;

// A key of the test's own that stands for HKEY_CURRENT_USER.
class TestRoot {
 public:
  TestRoot() {
    const std::string path = "Software\\RinglookTests\\Store" + std::to_string(GetCurrentProcessId());
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_, nullptr);
  }
  ~TestRoot() {
    RegDeleteTreeA(root_, nullptr);
    RegCloseKey(root_);
  }
  TestRoot(const TestRoot&) = delete;
  TestRoot& operator=(const TestRoot&) = delete;

 protected:
  HKEY root_ = nullptr;
};

// Each run opens a store of its own on the one key.
class Win32StoreSite final : public testing::StoreSite, TestRoot {
 public:
  SettingsStore& Open() override { return *stores_.emplace_back(std::make_unique<Win32SettingsStore>(root_)); }
  // Longer than the registry allows a key name to be.
  std::string BlockedKey() override { return "\\Software\\" + std::string(300, 'k'); }

 private:
  std::vector<std::unique_ptr<Win32SettingsStore>> stores_;
};

INSTANTIATE_TEST_SUITE_P(Win32, SettingsStoreContract,
                         ::testing::Values(testing::StoreKind{"Win32",
                                                              [] { return std::make_unique<Win32StoreSite>(); }}));

class Win32SettingsStoreTest : public ::testing::Test, protected TestRoot {
 protected:
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
};

TEST_F(Win32SettingsStoreTest, TextsAreStringsAndIntegersDoubleWords) {
  Win32SettingsStore store(root_);
  store.OpenKey(kKey);
  store.WriteString("ServerIp", "10.0.0.5 ");
  store.WriteInteger("Popup", -7);
  store.CloseKey();
  EXPECT_EQ(TypeOf("ServerIp"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(TypeOf("Popup"), static_cast<DWORD>(REG_DWORD));
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
  EXPECT_EQ(ErrorOf([&] { store.ReadString("ServerIp"); }), "Invalid data type for 'ServerIp'");
  EXPECT_EQ(store.ReadString("Server2"), "abc");
  EXPECT_EQ(store.ReadString("NickName"), expandable);
  EXPECT_EQ(store.ReadString("Empty"), "");
}

}  // namespace
}  // namespace ringlook::win32
