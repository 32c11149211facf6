// Start at log-on through a shell link "Ringlook.lnk" in the user's start-up
// folder, written by the shell's own link object (IShellLinkA, IPersistFile).
// Its presence is the setting. The link runs the given program, with no
// arguments, in the program's folder.
#pragma once

#include <string>

#include "ports/AutostartEntry.h"

namespace ringlook::win32 {

class ShellLinkEntry : public AutostartEntry {
 public:
  // startupFolder as read, without a trailing backslash; "\Ringlook.lnk" is appended.
  explicit ShellLinkEntry(std::string startupFolder) : path_(std::move(startupFolder) + "\\Ringlook.lnk") {}

  [[nodiscard]] bool Exists() const override;
  // The link object that cannot be made raises an Error with the system's text,
  // one without the interfaces "Interface not supported"; a failed save is silent.
  void Create(const std::string& programPath) override;
  void Remove() override;

  [[nodiscard]] const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The user's start-up folder: the value "Startup" of the shell folders key, or
// where that is missing, the folder the shell names for it.
std::string StartupFolder();

}  // namespace ringlook::win32
