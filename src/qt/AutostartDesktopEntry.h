// Start at log-on through the desktop's autostart folder: the entry is the file
// <folder>/Ringlook.desktop, and its presence is the setting. Writing and removing
// fail silently; the next close of the settings dialog tries again.
#pragma once

#include <QString>

#include "ports/AutostartEntry.h"

namespace ringlook::qt {

class AutostartDesktopEntry : public AutostartEntry {
 public:
  // folder: $XDG_CONFIG_HOME/autostart for the program; created when an entry is.
  explicit AutostartDesktopEntry(const QString& folder);

  [[nodiscard]] bool Exists() const override;
  // programPath is UTF-8; a relative path is taken from the current folder.
  void Create(const std::string& programPath) override;
  void Remove() override;

 private:
  QString folder_;
  QString path_;
};

}  // namespace ringlook::qt
