// The start-up shell link in a folder of the test's own: created, read back
// through the shell's link object, replaced and removed.
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "win32/ShellLinkEntry.h"

namespace ringlook::win32 {
namespace {

struct LinkFields {
  std::string path;
  std::string folder;
  std::string arguments;
};

LinkFields ReadLink(const std::string& file) {
  LinkFields fields;
  IShellLinkA* link = nullptr;
  IPersistFile* persist = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
    std::wstring wide(file.begin(), file.end());
    if (SUCCEEDED(persist->Load(wide.c_str(), STGM_READ))) {
      char text[MAX_PATH] = {};
      link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
      fields.path = text;
      link->GetWorkingDirectory(text, MAX_PATH);
      fields.folder = text;
      link->GetArguments(text, MAX_PATH);
      fields.arguments = text;
    }
  }
  if (persist != nullptr) persist->Release();
  if (link != nullptr) link->Release();
  return fields;
}

class ShellLinkEntryTest : public ::testing::Test {
 protected:
  ShellLinkEntryTest() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "RinglookLink" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  ~ShellLinkEntryTest() override {
    DeleteFileA((folder_ + "\\Ringlook.lnk").c_str());
    RemoveDirectoryA(folder_.c_str());
    CoUninitialize();
  }

  std::string folder_;
};

TEST_F(ShellLinkEntryTest, CreatedReplacedAndRemoved) {
  ShellLinkEntry entry(folder_);
  EXPECT_EQ(entry.Path(), folder_ + "\\Ringlook.lnk");
  EXPECT_FALSE(entry.Exists());
  entry.Remove();  // absent: nothing happens

  entry.Create("C:\\Programma's\\Ringlook\\Ringlook.exe");
  ASSERT_TRUE(entry.Exists());
  LinkFields fields = ReadLink(entry.Path());
  EXPECT_EQ(fields.path, "C:\\Programma's\\Ringlook\\Ringlook.exe");
  EXPECT_EQ(fields.folder, "C:\\Programma's\\Ringlook\\");
  EXPECT_EQ(fields.arguments, "");

  // At the root of a drive the working folder is the root itself.
  entry.Create("C:\\Ringlook.exe");
  fields = ReadLink(entry.Path());
  EXPECT_EQ(fields.path, "C:\\Ringlook.exe");
  EXPECT_EQ(fields.folder, "C:\\");

  entry.Remove();
  EXPECT_FALSE(entry.Exists());
}

TEST_F(ShellLinkEntryTest, TheStartupFolderIsKnown) {
  const std::string folder = StartupFolder();
  EXPECT_NE(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES) << folder;
}

}  // namespace
}  // namespace ringlook::win32
