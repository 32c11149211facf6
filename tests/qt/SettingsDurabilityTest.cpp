// Settings that survive: a writer killed in the middle of saving, a store that
// cannot be read or written, a full disk, and a damaged file. Each leaves the
// values stored before as they were, and reports the store's fixed error texts.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "FileSizeLimit.h"
#include "SettingsFolder.h"
#include "common/Text.h"

namespace ringlook::qt {
namespace {

using ringlook::testing::ErrorOf;
using namespace std::string_literals;

constexpr const char* kNoError = "(no error)";

class SettingsDurabilityTest : public SettingsFolder {};

// The six values in the order a save writes them, as the numbers the settings
// probe writes; -1 for one that is missing or no number.
std::vector<int> StoredRounds(QtSettingsStore store) {
  std::vector<int> rounds;
  for (const char* name : {"ServerIp", "Server2", "NickName", "x", "y"}) {
    int round = -1;
    rounds.push_back(ParseInt(store.ReadString(name), round) ? round : -1);
  }
  int popup = -1;
  (void)ErrorOf([&] { popup = store.ReadInteger("Popup"); });
  rounds.push_back(popup);
  return rounds;
}

// What the six values hold after a writer that starts on round first has made
// saves whole saves: each save writes one value, in the order above.
std::vector<int> AfterSaves(std::vector<int> values, int first, int saves) {
  for (int k = 0; k < saves; ++k) values[static_cast<std::size_t>(k) % values.size()] = first + k / 6;
  return values;
}

// Each save is one write of a new file: the writer is killed at each write of
// two rounds, before its first byte, in its middle, and after its last byte
// but before the new file takes the old one's place.
TEST_F(SettingsDurabilityTest, AWriterKilledWhileSavingLeavesEveryEarlierSaveAndNeverATornFile) {
  const QRegularExpression wholeFile(
      QRegularExpression::anchoredPattern("# Ringlook settings[^\\n]*\\n"
                                          "NickName=string:\\d+\\nPopup=integer:\\d+\\nServer2=string:\\d+\\n"
                                          "ServerIp=string:\\d+\\nx=string:\\d+\\ny=string:\\d+\\n"));
  {
    QtSettingsStore store = Reopened();
    for (const char* name : {"ServerIp", "Server2", "NickName", "x", "y"}) store.WriteString(name, "0");
    store.WriteInteger("Popup", 0);
  }
  for (int write = 1; write <= 12; ++write) {
    for (const int bytes : {0, 60, 1 << 20}) {
      SCOPED_TRACE("killed at write " + std::to_string(write) + " after " + std::to_string(bytes) + " bytes");
      const std::vector<int> before = StoredRounds(Reopened());
      QProcess writer;
      writer.start(RINGLOOK_SETTINGS_PROBE, {folder_.path(), QString::number(write), QString::number(bytes)});
      ASSERT_TRUE(writer.waitForFinished(20000));
      ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer was not killed";

      const QByteArray text = FileText();
      ASSERT_TRUE(wholeFile.match(QString::fromLatin1(text)).hasMatch()) << text.toStdString();
      const int first = *std::max_element(before.begin(), before.end()) + 1;
      EXPECT_EQ(StoredRounds(Reopened()), AfterSaves(before, first, write - 1));
    }
  }
}

enum class Spoil { Unreadable, FolderInItsPlace, ReadOnly, DiskFull, DiskFullMidway };

struct SpoilCase {
  Spoil spoil;
  const char* name;
  bool readsStored;  // whether the values stored before can still be read
};

void PrintTo(const SpoilCase& c, std::ostream* os) { *os << c.name; }

// Spoils the store in a folder for as long as it lives, then mends it. Root may
// read and write whatever the permissions say: to be refused, it acts as the
// unprivileged user "nobody" meanwhile.
class Spoiled {
 public:
  Spoiled(Spoil spoil, const QString& folder)
      : spoil_(spoil),
        folder_(folder),
        software_(folder + "/Software"),
        file_(software_ + "/Ringlook.conf"),
        folderPermissions_(QFile::permissions(folder_)),
        softwarePermissions_(QFile::permissions(software_)) {
    switch (spoil) {
      case Spoil::Unreadable:
        // Writable in a writable folder: only the store's own care keeps a save from replacing it.
        QFile::setPermissions(file_, QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
        QFile::setPermissions(software_, softwarePermissions_ | QFileDevice::WriteGroup | QFileDevice::WriteOther);
        ActAsNobody();
        break;
      case Spoil::ReadOnly:
        QFile::setPermissions(file_, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        QFile::setPermissions(software_, softwarePermissions_ & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser));
        ActAsNobody();
        break;
      case Spoil::FolderInItsPlace:
        QFile::rename(file_, file_ + ".aside");
        QDir().mkdir(file_);
        break;
      case Spoil::DiskFull:
        limit_.emplace(0);
        break;
      case Spoil::DiskFullMidway:
        limit_.emplace(static_cast<rlim_t>(QFileInfo(file_).size() + 40));
        break;
    }
  }
  ~Spoiled() {
    limit_.reset();
    if (actingAsNobody_) ::seteuid(0);
    QFile::setPermissions(folder_, folderPermissions_);
    QFile::setPermissions(software_, softwarePermissions_);
    QFile::setPermissions(file_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (spoil_ == Spoil::FolderInItsPlace) {
      QDir().rmdir(file_);
      QFile::rename(file_ + ".aside", file_);
    }
  }
  Spoiled(const Spoiled&) = delete;
  Spoiled& operator=(const Spoiled&) = delete;

  // False when root could not give up its rights, so the case cannot be shown.
  [[nodiscard]] bool Ready() const { return ready_; }

 private:
  void ActAsNobody() {
    if (::geteuid() != 0) return;
    // Only the user changes: the group stays root's, so the group's rights count too.
    const QFileDevice::Permissions enter = QFileDevice::ExeGroup | QFileDevice::ExeOther;
    QFile::setPermissions(folder_, folderPermissions_ | enter);
    QFile::setPermissions(software_, QFile::permissions(software_) | enter);
    constexpr uid_t kNobody = 65534;
    actingAsNobody_ = ::seteuid(kNobody) == 0;
    ready_ = actingAsNobody_;
  }

  Spoil spoil_;
  QString folder_;
  QString software_;
  QString file_;
  QFileDevice::Permissions folderPermissions_;
  QFileDevice::Permissions softwarePermissions_;
  std::optional<FileSizeLimit> limit_;
  bool actingAsNobody_ = false;
  bool ready_ = true;
};

class SpoiledStoreTest : public SettingsFolder, public ::testing::WithParamInterface<SpoilCase> {};

TEST_P(SpoiledStoreTest, GivesTheFixedErrorTextsAndLosesNothingStoredBefore) {
  {
    QtSettingsStore store = Reopened();
    store.WriteString("ServerIp", "10.0.0.1");
    store.WriteInteger("Popup", 1);
  }
  const QByteArray before = FileText();
  {
    const Spoiled spoiled(GetParam().spoil, folder_.path());
    if (!spoiled.Ready()) GTEST_SKIP() << "root cannot act as an unprivileged user here";
    QtSettingsStore store = Reopened();
    EXPECT_EQ(store.ReadString("ServerIp"), GetParam().readsStored ? "10.0.0.1" : "");
    int popup = 0;
    EXPECT_EQ(ErrorOf([&] { popup = store.ReadInteger("Popup"); }),
              GetParam().readsStored ? kNoError : "Failed to get data for 'Popup'");
    EXPECT_EQ(popup, GetParam().readsStored ? 1 : 0);
    EXPECT_EQ(ErrorOf([&] { store.WriteString("NickName", std::string(200, 'n')); }),
              "Failed to set data for 'NickName'");
    EXPECT_EQ(store.ReadString("NickName"), "");
  }
  EXPECT_EQ(FileText(), before);
  // The failed value does not come back with a later save.
  Reopened().WriteInteger("Popup", 0);
  QtSettingsStore later = Reopened();
  EXPECT_EQ(later.ReadString("ServerIp"), "10.0.0.1");
  EXPECT_EQ(later.ReadString("NickName"), "");
  EXPECT_EQ(later.ReadInteger("Popup"), 0);
}

INSTANTIATE_TEST_SUITE_P(Stores, SpoiledStoreTest,
                         ::testing::Values(SpoilCase{Spoil::Unreadable, "unreadable file", false},
                                           SpoilCase{Spoil::FolderInItsPlace, "a folder in place of the file", false},
                                           SpoilCase{Spoil::ReadOnly, "read-only file and folder", true},
                                           SpoilCase{Spoil::DiskFull, "full disk", true},
                                           SpoilCase{Spoil::DiskFullMidway, "disk full in the middle of a save",
                                                     true}));

struct DamagedCase {
  const char* name;
  std::string text;
  std::string serverIp;  // what reading it gives: the text or the error
  std::string popup;     // the number, or the error
};

void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.name; }

class DamagedFileTest : public SettingsFolder, public ::testing::WithParamInterface<DamagedCase> {
 protected:
  // What reading the two values gives, as text.
  static std::pair<std::string, std::string> Read(QtSettingsStore& store) {
    std::string serverIp;
    std::string popup;
    const std::string stringError = ErrorOf([&] { serverIp = store.ReadString("ServerIp"); });
    const std::string integerError = ErrorOf([&] { popup = std::to_string(store.ReadInteger("Popup")); });
    return {stringError == kNoError ? serverIp : stringError, integerError == kNoError ? popup : integerError};
  }
};

TEST_P(DamagedFileTest, ReadsWhatItCanAndASaveKeepsIt) {
  WriteFileText(QByteArray::fromStdString(GetParam().text));
  const std::pair<std::string, std::string> expected{GetParam().serverIp, GetParam().popup};
  QtSettingsStore store = Reopened();
  EXPECT_EQ(Read(store), expected);
  store.WriteString("NickName", "Jan");
  QtSettingsStore later = Reopened();
  EXPECT_EQ(Read(later), expected);
  EXPECT_EQ(later.ReadString("NickName"), "Jan");
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFileTest,
    ::testing::Values(DamagedCase{"empty", "", "", "Failed to get data for 'Popup'"},
                      DamagedCase{"types swapped", "ServerIp=integer:5\nPopup=string:1\n",
                                  "Invalid data type for 'ServerIp'", "Invalid data type for 'Popup'"},
                      DamagedCase{"integer out of range", "ServerIp=string:a\nPopup=integer:2147483648\n", "a",
                                  "Failed to get data for 'Popup'"},
                      DamagedCase{"cut in the middle of a line", "ServerIp=string:10.0.0.1\nPopup=integ", "10.0.0.1",
                                  "Failed to get data for 'Popup'"},
                      DamagedCase{"binary bytes", "\0\xFF\xFE=\x01:\x80\n\x1A\nServerIp=string:b\nPopup=integer:-3"s,
                                  "b", "-3"},
                      DamagedCase{"a broken escape", "ServerIp=string:a\\x4\nPopup=integer:7\n", "", "7"},
                      DamagedCase{"one long line", std::string(1 << 20, '='), "", "Failed to get data for 'Popup'"}));

}  // namespace
}  // namespace ringlook::qt
