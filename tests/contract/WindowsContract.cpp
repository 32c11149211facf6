// Each front end builds the five windows as the definitions give them: names,
// captions, limits, the main window's timers and status texts, and the menus.
#include "WindowsContract.h"

namespace ringlook::testing {
namespace {

namespace definitions = ui::definitions;

// The entries of one menu's groups, in order.
template <typename... Groups>
std::vector<ShownEntry> Entries(const Groups&... groups) {
  std::vector<ShownEntry> entries;
  (
      [&entries](const auto& menu) {
        for (const definitions::MenuEntry& entry : menu) entries.push_back({entry.name, entry.caption, entry.visible});
      }(groups),
      ...);
  return entries;
}

TEST_P(WindowsContract, EveryWindowAndControlCarriesItsNameAndCaption) {
  for (const definitions::FormDefinition& form : definitions::kForms) {
    EXPECT_EQ(windows->NameOf(form.name), form.name);
    EXPECT_EQ(windows->CaptionOf(form.name), form.caption) << form.name;
  }
  for (const auto& [form, control] : definitions::kCaptions) {
    EXPECT_EQ(windows->CaptionOf(form, control.name), control.caption) << form << "." << control.name;
  }
  for (const definitions::Limited& field : definitions::kLimits) {
    EXPECT_EQ(windows->LimitOf(field.form, field.name), field.limit) << field.form << "." << field.name;
  }
}

TEST_P(WindowsContract, TheMainWindowStartsWithItsTimersStatusTextsAndMenu) {
  namespace main_window = definitions::main_window;
  const ui::FormRinglookControls& controls = windows->FormRinglook();
  const std::pair<const Timer*, definitions::TimerDefinition> timers[] = {{&controls.Timer1, main_window::kTimer1},
                                                                          {&controls.Timer2, main_window::kTimer2},
                                                                          {&controls.Timer3, main_window::kTimer3}};
  for (const auto& [timer, definition] : timers) {
    EXPECT_EQ(timer->Interval(), definition.intervalMs);
    EXPECT_EQ(timer->Enabled(), definition.enabled) << definition.intervalMs;
  }
  for (std::size_t i = 0; i < main_window::kStatusPanels.size(); ++i) {
    EXPECT_EQ(controls.StatusBar1.PanelText(static_cast<int>(i)), main_window::kStatusPanels[i].startText);
  }
  EXPECT_FALSE(controls.Panel2.Visible()) << "the search bar shows only when asked for";
  EXPECT_EQ(windows->MenuOf(main_window::kForm.name, main_window::kPopupMenuName),
            Entries(main_window::kCallerGroup, main_window::kPopupMenu1, main_window::kSaveGroup));
  EXPECT_EQ(windows->MenuOf(definitions::messages_window::kForm.name, definitions::messages_window::kPopupMenuName),
            Entries(definitions::messages_window::kPopupKopieer));
}

}  // namespace
}  // namespace ringlook::testing
