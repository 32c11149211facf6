// The five windows as designed, in one table that the Qt, Win32 and memory
// builders read: names, captions, designed sizes, text limits, timers, start
// texts, menus and the help anchors. Where each control stands and how it
// looks stays with each front end.
#pragma once

#include <array>
#include <string_view>

namespace ringlook::ui::definitions {

struct FormDefinition {
  const char* name;
  const char* caption;
  int width;  // designed client size
  int height;
};

// A control that shows a caption: a label, a button, a check box.
struct Captioned {
  const char* name;
  const char* caption;
};

struct TimerDefinition {
  int intervalMs;
  bool enabled;
};

// A pop-up menu's entry; the caption "-" is a separator.
struct MenuEntry {
  const char* name;
  const char* caption;
  bool visible;
};

struct StatusPanel {
  int width;
  const char* startText;
};

// A field that takes at most limit characters.
struct Limited {
  const char* form;
  const char* name;
  int limit;
};

template <std::size_t N>
constexpr bool VisibleAtStart(const std::array<MenuEntry, N>& menu, std::string_view name) {
  for (const MenuEntry& entry : menu) {
    if (name == entry.name) return entry.visible;
  }
  return false;
}

namespace main_window {
inline constexpr FormDefinition kForm{"FormRinglook", "Ringlook", 525, 221};  // outer size
inline constexpr int kLeft = 114;
inline constexpr int kTop = 131;
inline constexpr int kSearchBarHeight = 32;
inline constexpr int kListBevel = 8;
// The search bar at its designed places: a wider font pushes a control right.
inline constexpr Captioned kLabel1{"Label1", "Zoeken naar "};
inline constexpr int kLabel1Left = 16;
inline constexpr int kEdit1Left = 82;
inline constexpr int kEdit1Width = 185;
inline constexpr Captioned kButton2{"Button2", "Nu zoeken"};
inline constexpr int kButton2Left = 271;
inline constexpr int kButton2Width = 66;
inline constexpr Captioned kButton1{"Button1", "Sluiten"};  // placed against the right edge when shown
inline constexpr int kButton1Left = 441;
inline constexpr int kButton1Width = 49;
inline constexpr TimerDefinition kTimer1{420000, false};  // title reset
inline constexpr TimerDefinition kTimer2{240000, true};   // search idle
inline constexpr TimerDefinition kTimer3{60000, true};    // nickname
inline constexpr std::array<StatusPanel, 3> kStatusPanels{
    {{90, "  Geen verbinding"}, {235, "  Aantal (vandaag)  :"}, {50, "      F1 = Help"}}};
inline constexpr const char* kPopupMenuName = "PopupMenu1";
inline constexpr std::array<MenuEntry, 11> kPopupMenu1{{{"Find1", "Zoeken", true},
                                                        {"N3", "-", true},
                                                        {"Addnumber1", "Nummer toevoegen", false},
                                                        {"Deletenumber1", "Verwijder nummer", false},
                                                        {"N1", "-", false},
                                                        {"Sentmassage1", "Verstuur bericht", true},
                                                        {"ViewMessages1", "Toon berichten", true},
                                                        {"N2", "-", true},
                                                        {"Setup1", "Instellingen", true},
                                                        {"N4", "-", true},
                                                        {"Help1", "Help", true}}};
// What can be done with the right-clicked call, above the entries above and
// shown only over a line with a number; "Lijst opslaan..." after them. The
// captions are Windows-1252: "\x85" is the ellipsis, "\xEB" the e with diaeresis.
inline constexpr std::array<MenuEntry, 5> kCallerGroup{{{"CallBack1", "&Terugbellen", false},
                                                        {"LookUp1", "&Opzoeken", false},
                                                        {"PassOn1", "&Doorgeven\x85", false},
                                                        {"CopyNumber1", "Nummer &kopi\xEBren", false},
                                                        {"N5", "-", false}}};
inline constexpr std::array<MenuEntry, 2> kSaveGroup{{{"N6", "-", true}, {"SaveList1", "&Lijst opslaan\x85", true}}};
}  // namespace main_window

namespace setup_dialog {
inline constexpr FormDefinition kForm{"FormSetup", "Instellingen", 312, 196};
inline constexpr Captioned kLabel2{"Label2", "Naam"};
inline constexpr Captioned kLabel1{"Label1", "Ringlook Server IP"};
inline constexpr Captioned kCheckBox1{"CheckBox1", "Start Ringlook automatisch bij het opstarten"};
inline constexpr Captioned kCheckBox2{"CheckBox2", "Popup bij iedere beller"};
inline constexpr Captioned kButton1{"Button1", "Ok"};
}  // namespace setup_dialog

namespace edit_dialog {
inline constexpr FormDefinition kForm{"FormEdit", "Wijzigen", 380, 262};
inline constexpr Captioned kLabel1{"Label1", "Naam    :"};
inline constexpr Captioned kLabel2{"Label2", "Nummer :"};
inline constexpr Captioned kCheckBox1{"CheckBox1", "Alert"};
inline constexpr Captioned kButton1{"Button1", "Annuleren"};
inline constexpr Captioned kButton2{"Button2", "Ok"};
inline constexpr int kNameLimit = 37;
inline constexpr int kNoteLimit = 1024;
}  // namespace edit_dialog

namespace send_dialog {
inline constexpr FormDefinition kForm{"FormSentMSG", "Verstuur bericht", 346, 220};
inline constexpr Captioned kLabel1{"Label1", "Naar :"};
inline constexpr Captioned kButton1{"Button1", "Annuleren"};
inline constexpr Captioned kButton2{"Button2", "Versturen"};
inline constexpr int kMessageLimit = 400;
}  // namespace send_dialog

namespace messages_window {
inline constexpr FormDefinition kForm{"FormMSG", "Berichten", 479, 191};
inline constexpr Captioned kButton3{"Button3", "Wissen"};
inline constexpr Captioned kButton2{"Button2", "Beantwoorden"};
inline constexpr Captioned kButton1{"Button1", "Sluiten"};
inline constexpr const char* kPopupMenuName = "PopupKopieer";
inline constexpr std::array<MenuEntry, 1> kPopupKopieer{{{"KopieerenCTRLC1", "&Kopieer     CTRL-C", true}}};
}  // namespace messages_window

namespace help {
inline constexpr const char* kCaption = "Ringlook Help";
inline constexpr int kWidth = 560;
inline constexpr int kHeight = 480;
// The main window's F1 opens its section; the menu's Help opens the contents.
inline constexpr int kMainWindowContext = 100;
inline constexpr std::string_view kMainWindowTopic = "Imported_Topic1";
inline constexpr const char* kMainWindowAnchor = "hoofdvenster";
inline constexpr const char* kContentsAnchor = "inhoud";
}  // namespace help

// What the table test walks: every window, every caption and every limit.
inline constexpr std::array<FormDefinition, 5> kForms{main_window::kForm, setup_dialog::kForm, edit_dialog::kForm,
                                                      send_dialog::kForm, messages_window::kForm};
struct FormCaptioned {
  const char* form;
  Captioned control;
};
inline constexpr std::array<FormCaptioned, 19> kCaptions{{
    {main_window::kForm.name, main_window::kLabel1},          {main_window::kForm.name, main_window::kButton1},
    {main_window::kForm.name, main_window::kButton2},         {setup_dialog::kForm.name, setup_dialog::kLabel1},
    {setup_dialog::kForm.name, setup_dialog::kLabel2},        {setup_dialog::kForm.name, setup_dialog::kCheckBox1},
    {setup_dialog::kForm.name, setup_dialog::kCheckBox2},     {setup_dialog::kForm.name, setup_dialog::kButton1},
    {edit_dialog::kForm.name, edit_dialog::kLabel1},          {edit_dialog::kForm.name, edit_dialog::kLabel2},
    {edit_dialog::kForm.name, edit_dialog::kCheckBox1},       {edit_dialog::kForm.name, edit_dialog::kButton1},
    {edit_dialog::kForm.name, edit_dialog::kButton2},         {send_dialog::kForm.name, send_dialog::kLabel1},
    {send_dialog::kForm.name, send_dialog::kButton1},         {send_dialog::kForm.name, send_dialog::kButton2},
    {messages_window::kForm.name, messages_window::kButton1}, {messages_window::kForm.name, messages_window::kButton2},
    {messages_window::kForm.name, messages_window::kButton3},
}};
inline constexpr std::array<Limited, 3> kLimits{{{edit_dialog::kForm.name, "Edit1", edit_dialog::kNameLimit},
                                                 {edit_dialog::kForm.name, "Memo1", edit_dialog::kNoteLimit},
                                                 {send_dialog::kForm.name, "Memo1", send_dialog::kMessageLimit}}};

}  // namespace ringlook::ui::definitions
