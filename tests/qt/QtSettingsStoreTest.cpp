// The settings file store on a temporary configuration folder: types and names
// survive a reopen, the fixed error texts, hand-written files.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "SettingsFolder.h"

namespace ringlook::qt {
namespace {

using ringlook::testing::ErrorOf;

class QtSettingsStoreTest : public SettingsFolder {};

TEST_F(QtSettingsStoreTest, ValuesKeepTheirTypesAndBytesInTheFile) {
  const std::string nickname = std::string("a\\b\n=c:") + '\xE9';
  QtSettingsStore store(folder_.path());
  store.OpenKey(kSettingsKey);
  store.WriteString("ServerIp", "10.0.0.5 ");
  store.WriteInteger("Popup", -7);
  store.WriteString("x", "-12");
  store.WriteString("NickName", nickname);
  store.CloseKey();

  EXPECT_EQ(FileText(),
            "# Ringlook settings: name=string:text or name=integer:number\n"
            "NickName=string:a\\\\b\\n=c:\\xE9\n"
            "Popup=integer:-7\n"
            "ServerIp=string:10.0.0.5 \n"
            "x=string:-12\n");

  QtSettingsStore later = Reopened();
  EXPECT_EQ(later.ReadString("SERVERIP"), "10.0.0.5 ");
  EXPECT_EQ(later.ReadInteger("popup"), -7);
  EXPECT_EQ(later.ReadString("X"), "-12");
  EXPECT_EQ(later.ReadString("nickname"), nickname);
  EXPECT_EQ(later.ReadString("Server2"), "");
  EXPECT_EQ(ErrorOf([&] { (void)later.ReadInteger("ServerIp"); }), "Invalid data type for 'ServerIp'");
  EXPECT_EQ(ErrorOf([&] { (void)later.ReadString("POPUP"); }), "Invalid data type for 'POPUP'");
  EXPECT_EQ(ErrorOf([&] { (void)later.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
}

TEST_F(QtSettingsStoreTest, ANameInAnotherCaseReplacesOrDeletesTheStoredValue) {
  QtSettingsStore store(folder_.path());
  store.OpenKey(kSettingsKey);
  store.WriteString("x", "1");
  store.WriteString("X", "2");
  EXPECT_TRUE(FileText().endsWith("\nx=string:2\n")) << FileText().toStdString();
  EXPECT_FALSE(FileText().contains("X=")) << FileText().toStdString();
  EXPECT_EQ(Reopened().ReadString("x"), "2");

  EXPECT_TRUE(store.DeleteValue("X"));
  EXPECT_FALSE(store.DeleteValue("x"));
  EXPECT_EQ(store.ReadString("x"), "");
  EXPECT_FALSE(FileText().contains("x=")) << FileText().toStdString();
}

TEST_F(QtSettingsStoreTest, OpeningCreatesAMissingKeyAndRereadsTheFileEachTime) {
  QtSettingsStore store(folder_.path());
  store.OpenKey(kSettingsKey);
  EXPECT_TRUE(QFile::exists(File()));
  store.WriteString("ServerIp", "first");
  store.CloseKey();

  WriteFileText("ServerIp=string:changed by another copy\n");
  store.OpenKey("Software\\\\Ringlook\\");  // the same key, spelt another way
  EXPECT_EQ(store.ReadString("ServerIp"), "changed by another copy");
}

TEST_F(QtSettingsStoreTest, AKeyThatCannotBeCreatedHasNoValuesAndRefusesWrites) {
  QFile blocker(folder_.path() + "/Software");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  QtSettingsStore store(folder_.path());
  store.OpenKey(kSettingsKey);
  EXPECT_EQ(store.ReadString("ServerIp"), "");
  EXPECT_EQ(ErrorOf([&] { (void)store.ReadInteger("Popup"); }), "Failed to get data for 'Popup'");
  EXPECT_EQ(ErrorOf([&] { store.WriteString("ServerIp", "10.0.0.1"); }), "Failed to set data for 'ServerIp'");
  EXPECT_EQ(ErrorOf([&] { store.WriteInteger("Popup", 1); }), "Failed to set data for 'Popup'");
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
  QtSettingsStore store(folder_.path());
  store.OpenKey(kSettingsKey);
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
