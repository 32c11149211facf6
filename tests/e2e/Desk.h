// One user's whole program in the test process, on the test server's port:
// a settings folder of its own holding the server's address and the user's
// nickname, and what the tests read and do on its main window.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "qt/QtProgram.h"
#include "ui/WindowControls.h"

namespace ringlook::e2e {

// The items of a list or a box, first to last.
template <typename Box>
std::vector<std::string> Items(const Box& box) {
  std::vector<std::string> items;
  for (int i = 0; i < box.Count(); ++i) items.push_back(box.Item(i));
  return items;
}

class Desk {
 public:
  Desk(const QString& folder, const std::string& nickname, std::uint16_t port);

  // Shows the main window and runs its first activation, which reads the
  // settings and connects; a success once the status bar says so.
  ::testing::AssertionResult Connect();
  // Connected, and the list filled with count calls.
  ::testing::AssertionResult ConnectWithCalls(int count);
  // Sends the nickname, as the nickname timer does every minute.
  void SignOn() { program.logic.formRinglook.Timer3Timer(); }

  [[nodiscard]] const ui::FormRinglookControls& Main() const { return program.windows.FormRinglook(); }
  [[nodiscard]] std::string Panel(int i) const { return Main().StatusBar1.PanelText(i); }
  [[nodiscard]] ui::ListBox& List() const { return Main().ListBox1; }
  // The stored nickname as a fresh reading of the settings file finds it.
  [[nodiscard]] std::string StoredNickname() const;

  const QString configFolder;
  qt::QtProgram program;
};

}  // namespace ringlook::e2e
