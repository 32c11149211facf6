// The autostart entry on a temporary folder: created with the absolute program
// path quoted as desktop entries need, replaced, removed, and failing quietly.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FileSizeLimit.h"
#include "qt/AutostartDesktopEntry.h"

namespace ringlook::qt {
namespace {

class AutostartDesktopEntryTest : public ::testing::Test {
 protected:
  [[nodiscard]] QString Folder() const { return home_.path() + "/autostart"; }
  [[nodiscard]] QByteArray EntryText() const {
    QFile file(Folder() + "/Ringlook.desktop");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
  }
  [[nodiscard]] QByteArray ExecLine() const {
    for (const QByteArray& line : EntryText().split('\n')) {
      if (line.startsWith("Exec=")) return line;
    }
    return "(no Exec line)";
  }

  QTemporaryDir home_;
  AutostartDesktopEntry entry_{Folder()};
};

TEST_F(AutostartDesktopEntryTest, CreateWritesAnApplicationEntryInANewFolderOrReplacesItAndRemoveDeletes) {
  EXPECT_FALSE(entry_.Exists());
  entry_.Create("/usr/bin/ringlook");
  EXPECT_TRUE(entry_.Exists());
  EXPECT_EQ(EntryText(),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Ringlook\n"
            "Exec=/usr/bin/ringlook\n"
            "Icon=ringlook\n"
            "Terminal=false\n"
            "X-GNOME-Autostart-enabled=true\n");

  entry_.Create("/usr/local/bin/ringlook");
  EXPECT_EQ(ExecLine(), "Exec=/usr/local/bin/ringlook");
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Ringlook.desktop"});

  entry_.Remove();
  EXPECT_FALSE(entry_.Exists());
  EXPECT_FALSE(QFile::exists(Folder() + "/Ringlook.desktop"));
  entry_.Remove();
  EXPECT_FALSE(entry_.Exists());
}

TEST_F(AutostartDesktopEntryTest, ExecRunsTheAbsolutePathQuotedWhenItMustBe) {
  entry_.Create("bin/ringlook");
  EXPECT_EQ(ExecLine(), "Exec=" + QDir::currentPath().toUtf8() + "/bin/ringlook");

  entry_.Create("/opt/Ring look/ringlook");
  EXPECT_EQ(ExecLine(), "Exec=\"/opt/Ring look/ringlook\"");

  // Quoted, then "%" doubled for field codes, then every backslash doubled for the file.
  entry_.Create("/opt/a$b\"c\\d`e%f/ringlook");
  EXPECT_EQ(ExecLine(), "Exec=\"/opt/a\\\\$b\\\\\"c\\\\\\\\d\\\\`e%%f/ringlook\"");
}

TEST_F(AutostartDesktopEntryTest, AWriteThatStopsMidwayLeavesTheOldEntry) {
  entry_.Create("/usr/bin/ringlook");
  const QByteArray before = EntryText();
  {
    const FileSizeLimit limit(static_cast<rlim_t>(before.size()));
    EXPECT_NO_THROW(entry_.Create("/opt/a much longer folder name than before/ringlook"));
  }
  EXPECT_EQ(EntryText(), before);
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Ringlook.desktop"});
}

TEST_F(AutostartDesktopEntryTest, AnEntryThatCannotBeWrittenFailsQuietly) {
  QFile blocker(Folder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  EXPECT_NO_THROW(entry_.Create("/usr/bin/ringlook"));
  EXPECT_FALSE(entry_.Exists());
  EXPECT_NO_THROW(entry_.Remove());
}

}  // namespace
}  // namespace ringlook::qt
