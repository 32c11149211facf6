// The window definitions as one table test that each front end runs on the
// windows it builds: the Qt widgets and the Win32 controls. Each brings a
// BuiltWindows, which reads back what a user sees by the controls' names; its
// test file instantiates the suite with it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/WindowControls.h"
#include "ui/WindowDefinitions.h"

namespace ringlook::testing {

struct ShownEntry {
  std::string name;
  std::string caption;  // "-" for a separator
  bool visible;
  bool operator==(const ShownEntry&) const = default;
};
inline void PrintTo(const ShownEntry& entry, std::ostream* out) {
  *out << entry.name << "|" << entry.caption << (entry.visible ? "" : "|hidden");
}

class BuiltWindows {
 public:
  virtual ~BuiltWindows() = default;
  virtual const ui::FormRinglookControls& FormRinglook() = 0;
  // The window's own name, as its object or window carries it, and its caption.
  virtual std::string NameOf(const char* form) = 0;
  virtual std::string CaptionOf(const char* form) = 0;
  // What the control named control in window form shows as its caption.
  virtual std::string CaptionOf(const char* form, const char* control) = 0;
  // How many characters the field takes.
  virtual int LimitOf(const char* form, const char* control) = 0;
  virtual std::vector<ShownEntry> MenuOf(const char* form, const char* menu) = 0;
};

// A front end's window by its name in the definitions.
template <typename Form, typename Windows>
Form& FormNamed(const Windows& windows, std::string_view name) {
  namespace definitions = ui::definitions;
  if (name == definitions::setup_dialog::kForm.name) return windows.SetupForm();
  if (name == definitions::edit_dialog::kForm.name) return windows.EditForm();
  if (name == definitions::send_dialog::kForm.name) return windows.SentMSGForm();
  if (name == definitions::messages_window::kForm.name) return windows.MSGForm();
  return windows.MainForm();
}

struct FrontEnd {
  const char* name;
  std::function<std::unique_ptr<BuiltWindows>()> make;
};
inline void PrintTo(const FrontEnd& frontEnd, std::ostream* out) { *out << frontEnd.name; }

class WindowsContract : public ::testing::TestWithParam<FrontEnd> {
 protected:
  std::unique_ptr<BuiltWindows> windows = GetParam().make();
};

}  // namespace ringlook::testing
