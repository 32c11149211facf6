// The settings rules every store keeps, on the in-memory store: names without
// regard to case, typed values, the fixed error texts, and the test's controls.
#include <functional>

#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "memory/MemorySettingsStore.h"

namespace ringlook::settings {
namespace {

constexpr std::string_view kKey = "\\Software\\Ringlook";

using ringlook::testing::ErrorOf;

TEST(MemorySettingsStore, NamesAreFoundWithoutRegardToCaseAndKeepTheirSpelling) {
  MemorySettingsStore store;
  store.OpenKey(kKey);
  store.WriteString("x", "155");
  EXPECT_EQ(store.ReadString("X"), "155");
  store.WriteString("X", "-20");
  EXPECT_EQ(store.ReadString("x"), "-20");
  EXPECT_EQ(store.Stored(kKey, "x"), store.Stored(kKey, "X"));
  EXPECT_EQ(*store.Stored(kKey, "x"), StoredValue::OfString("-20"));

  EXPECT_TRUE(store.DeleteValue("X"));
  EXPECT_FALSE(store.DeleteValue("x"));
  EXPECT_EQ(store.Stored(kKey, "x"), nullptr);
}

TEST(MemorySettingsStore, MissingAndEmptyStringsReadEmptyButAMissingIntegerFails) {
  MemorySettingsStore store;
  store.Store(kKey, "Server2", StoredValue::OfString(""));
  store.OpenKey(kKey);
  EXPECT_EQ(store.ReadString("ServerIp"), "");
  EXPECT_EQ(store.ReadString("Server2"), "");
  EXPECT_EQ(ErrorOf([&] { (void)store.ReadInteger("popup"); }), "Failed to get data for 'popup'");
}

TEST(MemorySettingsStore, AValueOfAnotherTypeFailsNamingTheValueAsRequested) {
  MemorySettingsStore store;
  store.Store(kKey, "Popup", StoredValue::OfString("1"));
  store.Store(kKey, "x", StoredValue::OfInteger(155));
  store.OpenKey(kKey);
  EXPECT_EQ(ErrorOf([&] { (void)store.ReadInteger("POPUP"); }), "Invalid data type for 'POPUP'");
  EXPECT_EQ(ErrorOf([&] { (void)store.ReadString("X"); }), "Invalid data type for 'X'");
  store.WriteInteger("popup", 0);
  EXPECT_EQ(store.ReadInteger("Popup"), 0);
}

TEST(MemorySettingsStore, AFailedWriteStoresNothingAndOnlyTheNextWriteFails) {
  MemorySettingsStore store;
  store.OpenKey(kKey);
  store.WriteString("ServerIp", "10.0.0.1");
  store.FailNextWrite();
  EXPECT_EQ(ErrorOf([&] { store.WriteString("ServerIp", "10.0.0.2"); }), "Failed to set data for 'ServerIp'");
  EXPECT_EQ(store.ReadString("ServerIp"), "10.0.0.1");
  store.WriteInteger("Popup", 1);
  EXPECT_EQ(store.ReadInteger("Popup"), 1);
}

TEST(MemorySettingsStore, KeysAreCreatedOnOpeningAndNamedWithoutRegardToCase) {
  MemorySettingsStore store;
  EXPECT_FALSE(store.HasKey("Software\\Veldmark\\PMutex"));
  store.OpenKey("Software\\Veldmark\\PMutex");
  EXPECT_TRUE(store.IsOpen());
  EXPECT_TRUE(store.HasKey("\\software\\veldmark\\pmutex\\"));
  store.WriteString("ApplHandle", "4242");
  store.CloseKey();
  EXPECT_FALSE(store.IsOpen());

  store.OpenKey(kKey);
  EXPECT_EQ(store.ReadString("ApplHandle"), "");
  store.OpenKey("\\SOFTWARE\\Veldmark\\PMutex");
  EXPECT_EQ(store.ReadString("ApplHandle"), "4242");
}

TEST(MemorySettingsStore, WithoutAnOpenKeyReadsFindNothingAndWritesFail) {
  MemorySettingsStore store;
  store.Store(kKey, "ServerIp", StoredValue::OfString("10.0.0.1"));
  store.SetUnavailable(true);
  store.OpenKey(kKey);
  EXPECT_FALSE(store.IsOpen());
  EXPECT_EQ(store.ReadString("ServerIp"), "");
  EXPECT_EQ(ErrorOf([&] { store.WriteString("ServerIp", "x"); }), "Failed to set data for 'ServerIp'");
  EXPECT_FALSE(store.DeleteValue("ServerIp"));
  EXPECT_NE(store.Stored(kKey, "ServerIp"), nullptr);
}

}  // namespace
}  // namespace ringlook::settings
