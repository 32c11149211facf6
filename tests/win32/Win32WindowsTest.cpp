// The five windows as built for the program, on the real Win32 controls under
// wine: the window definitions' table test, every control found by its name
// with its class and state, the places, and how the controls behave for the
// logic (key preview, link clicks, modal showing, minimising the application).
#include "win32/Win32Api.h"

#include <commctrl.h>
#include <richedit.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "WindowsContract.h"
#include "common/Text.h"
#include "ui/WindowDefinitions.h"
#include "win32/Win32Application.h"
#include "win32/Win32Clock.h"
#include "win32/Win32EventPump.h"
#include "win32/Win32Windows.h"

namespace ringlook::win32 {
namespace {

using ::testing::ElementsAre;
namespace main_window = ui::definitions::main_window;

struct Expected {
  const char* name;
  const char* windowClass;
  const char* text;
  bool visible;
};

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

SIZE ClientSize(const Win32Form& form) {
  RECT client{};
  GetClientRect(form.Handle(), &client);
  return SIZE{client.right, client.bottom};
}

void ExpectControls(const Win32Form& form, std::initializer_list<Expected> controls) {
  for (const Expected& expected : controls) {
    SCOPED_TRACE(expected.name);
    const HWND control = FindByName(form.Handle(), expected.name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(GetAncestor(control, GA_ROOT) == form.Handle());
    EXPECT_EQ(UpperCased(ClassOf(control)), UpperCased(expected.windowClass));  // class names ignore case
    if (expected.text != nullptr) {
      EXPECT_EQ(WindowText(control), expected.text);
    }
    EXPECT_EQ(OwnVisible(control), expected.visible);
  }
}

// The controls a user reaches with Tab, in order, by name.
std::vector<std::string> TabOrder(const Win32Form& form) {
  std::vector<std::string> order;
  const HWND first = GetNextDlgTabItem(form.Handle(), nullptr, FALSE);
  for (HWND at = first; at != nullptr;) {
    order.push_back(NameOf(at));
    at = GetNextDlgTabItem(form.Handle(), at, FALSE);
    if (at == first) break;
  }
  return order;
}

// The windows and their application, as the program builds them.
class Win32Program {
 protected:
  Win32Program() { application_.AttachMainForm(windows_.MainForm(), &windows_.PopupMenu1()); }

  Win32Clock clock_;
  Win32Application application_{clock_};
  Win32Windows windows_{application_.Handle()};
};

// What the user sees of the windows, read from the controls by name.
class Win32BuiltWindows final : public testing::BuiltWindows, Win32Program {
 public:
  const ui::FormRinglookControls& FormRinglook() override { return windows_.FormRinglook(); }
  std::string NameOf(const char* form) override { return win32::NameOf(Form(form).Handle()); }
  std::string CaptionOf(const char* form) override { return Form(form).Caption(); }
  std::string CaptionOf(const char* form, const char* control) override {
    return WindowText(FindByName(Form(form).Handle(), control));
  }
  int LimitOf(const char* form, const char* control) override {
    return static_cast<int>(SendMessageA(FindByName(Form(form).Handle(), control), EM_GETLIMITTEXT, 0, 0));
  }
  std::vector<testing::ShownEntry> MenuOf(const char* /*form*/, const char* menu) override {
    const Win32PopupMenu& popup =
        std::string_view(menu) == windows_.PopupMenu1().Name() ? windows_.PopupMenu1() : windows_.PopupKopieer();
    std::vector<testing::ShownEntry> entries;
    for (const auto& item : popup.Items()) entries.push_back({item->Name(), item->Caption(), item->Visible()});
    return entries;
  }

 private:
  Win32Form& Form(std::string_view name) { return ringlook::testing::FormNamed<Win32Form>(windows_, name); }
};

using testing::WindowsContract;
INSTANTIATE_TEST_SUITE_P(Win32, WindowsContract,
                         ::testing::Values(testing::FrontEnd{"Win32",
                                                             [] { return std::make_unique<Win32BuiltWindows>(); }}));

class Win32WindowsTest : public ::testing::Test, protected Win32Program {};

TEST_F(Win32WindowsTest, MainWindowControlsByTheirNames) {
  const Win32Form& form = windows_.MainForm();
  EXPECT_EQ(form.Width(), main_window::kForm.width);
  EXPECT_EQ(form.Height(), main_window::kForm.height);
  EXPECT_EQ(form.Left(), main_window::kLeft);
  EXPECT_EQ(form.Top(), main_window::kTop);
  EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), application_.Handle());
  ExpectControls(form, {{"Panel2", "RinglookWindow", "", false},
                        {"Label1", "Static", nullptr, true},
                        {"Edit1", "Edit", "", true},
                        {"Button1", "Button", nullptr, true},
                        {"Button2", "Button", nullptr, true},
                        {"Panel1", "RinglookWindow", "", true},
                        {"ListBox1", "ListBox", nullptr, true},
                        {"StatusBar1", "msctls_statusbar32", nullptr, true}});

  const ui::FormRinglookControls& controls = windows_.FormRinglook();
  // At the designed places, or further right where the font needs the room.
  const RECT label1 = BoundsInParent(FindByName(form.Handle(), "Label1"));
  const RECT edit1 = BoundsInParent(FindByName(form.Handle(), "Edit1"));
  EXPECT_EQ(label1.left, main_window::kLabel1Left);
  EXPECT_GE(edit1.left, std::max(long{main_window::kEdit1Left}, label1.right));
  EXPECT_EQ(edit1.right - edit1.left, main_window::kEdit1Width);
  EXPECT_GE(controls.Button2.Left(), std::max(long{main_window::kButton2Left}, edit1.right));
  EXPECT_GE(controls.Button2.Width(), main_window::kButton2Width);
  EXPECT_GE(controls.Button1.Width(), main_window::kButton1Width);
  EXPECT_GE(controls.ListBox1.FontHeight(), 13);
  EXPECT_EQ(SendMessageA(FindByName(form.Handle(), "ListBox1"), LB_GETITEMHEIGHT, 0, 0),
            std::max(15, controls.ListBox1.FontHeight()));
  controls.Panel2.SetVisible(true);
  EXPECT_THAT(TabOrder(form), ElementsAre("Edit1", "Button1", "Button2", "ListBox1"));
  RECT list{};
  GetWindowRect(FindByName(form.Handle(), "Panel1"), &list);
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&list), 2);
  EXPECT_EQ(list.top, 32);  // below the search bar once it shows

  const HWND bar = FindByName(form.Handle(), "StatusBar1");
  int edges[3] = {};
  ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_GE(edges[0], 90);
  EXPECT_GE(edges[1] - edges[0], 235);
  EXPECT_EQ(edges[2], -1);
  char text[64] = {};
  controls.StatusBar1.SetPanelBevel(0, ui::Bevel::Raised);
  EXPECT_EQ(HIWORD(SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text))), SBT_POPOUT);
  EXPECT_STREQ(text, "  Geen verbinding") << "the text stays when the bevel changes";

  // Windows menus have no hidden items: the shown ones are built each time.
  EXPECT_THAT(windows_.PopupMenu1().Shown(), ElementsAre("Zoeken", "-", "Verstuur bericht", "Toon berichten", "-",
                                                         "Instellingen", "-", "Help", "-", "&Lijst opslaan\x85"));
  controls.Addnumber1.SetVisible(true);
  controls.Deletenumber1.SetVisible(true);
  controls.N1.SetVisible(true);
  EXPECT_THAT(windows_.PopupMenu1().Shown(),
              ElementsAre("Zoeken", "-", "Nummer toevoegen", "Verwijder nummer", "-", "Verstuur bericht",
                          "Toon berichten", "-", "Instellingen", "-", "Help", "-", "&Lijst opslaan\x85"));
}

TEST_F(Win32WindowsTest, DialogsByTheirNames) {
  const Win32Form& setup = windows_.SetupForm();
  ExpectControls(setup, {{"Label2", "Static", nullptr, true},
                         {"Edit2", "Edit", "", true},
                         {"Label1", "Static", nullptr, true},
                         {"Edit1", "Edit", "", true},
                         {"CheckBox1", "Button", nullptr, true},
                         {"CheckBox2", "Button", nullptr, true},
                         {"Button1", "Button", nullptr, true}});
  EXPECT_THAT(TabOrder(setup), ElementsAre("Edit1", "Edit2", "CheckBox1", "CheckBox2", "Button1"));
  EXPECT_NE(GetWindowLongA(setup.Handle(), GWL_STYLE) & WS_SYSMENU, 0);

  const Win32Form& edit = windows_.EditForm();
  ExpectControls(edit, {{"Label1", "Static", nullptr, true},
                        {"Edit1", "Edit", "", true},
                        {"Label2", "Static", nullptr, true},
                        {"Edit2", "Edit", "", true},
                        {"CheckBox1", "Button", nullptr, true},
                        {"Memo1", "Edit", "", true},
                        {"Button1", "Button", nullptr, true},
                        {"Button2", "Button", nullptr, true}});

  const Win32Form& sent = windows_.SentMSGForm();
  EXPECT_EQ(ClientSize(sent).cx, ui::definitions::send_dialog::kForm.width);
  EXPECT_EQ(ClientSize(sent).cy, ui::definitions::send_dialog::kForm.height);
  EXPECT_EQ(GetWindowLongA(sent.Handle(), GWL_STYLE) & WS_SYSMENU, 0);  // no caption buttons
  ExpectControls(sent, {{"Label1", "Static", nullptr, true},
                        {"ComboBox1", "ComboBox", "", true},
                        {"Memo1", "Edit", "", true},
                        {"Button1", "Button", nullptr, true},
                        {"Button2", "Button", nullptr, true}});

  const Win32Form& messages = windows_.MSGForm();
  EXPECT_EQ(ClientSize(messages).cx, ui::definitions::messages_window::kForm.width);
  EXPECT_EQ(ClientSize(messages).cy, ui::definitions::messages_window::kForm.height);
  EXPECT_NE(GetWindowLongA(messages.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  ExpectControls(messages, {{"RichOntvang", "RICHEDIT50W", "", true},
                            {"Button3", "Button", nullptr, true},
                            {"Button2", "Button", nullptr, true},
                            {"Button1", "Button", nullptr, true}});
  EXPECT_NE(GetWindowLongA(FindByName(messages.Handle(), "RichOntvang"), GWL_STYLE) & ES_READONLY, 0);
}

TEST_F(Win32WindowsTest, ListAndComboKeepTheirOrderAndSelection) {
  ui::ListBox& list = windows_.FormRinglook().ListBox1;
  list.Add("b");
  list.Insert(0, "a");
  list.Insert(9, "c");
  list.SetItemIndex(1);
  list.SetItem(1, std::string("B ") + '\xE9');
  EXPECT_EQ(list.Item(1), std::string("B ") + '\xE9');
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(list.Count(), 3);
  list.Clear();
  EXPECT_EQ(list.ItemIndex(), -1);

  ui::ComboBox& combo = windows_.FormSentMSG().ComboBox1;
  for (const char* name : {"bob", "Ann", "carl", "anna"}) combo.Add(name);
  EXPECT_EQ(combo.Item(0), "Ann");
  EXPECT_EQ(combo.Item(1), "anna");
  EXPECT_EQ(combo.Item(3), "carl");
  EXPECT_EQ(combo.ItemIndex(), -1);
  combo.SetItemIndex(2);
  EXPECT_EQ(combo.Item(combo.ItemIndex()), "bob");
}

TEST_F(Win32WindowsTest, KeysReachThePreviewAndTheFieldsFirst) {
  ui::Form& main = windows_.FormRinglook().Self;
  std::vector<std::string> seen;
  main.OnKeyDown = [&](int& key, ui::ShiftState shift) {
    seen.push_back(std::to_string(key) + (shift.alt ? " alt" : ""));
    if (key == '1') key = 0;
  };
  const HWND list = FindByName(windows_.MainForm().Handle(), "ListBox1");
  MSG alt1{list, WM_SYSKEYDOWN, '1', 0x20000000, 0, {}};
  HandleMessage(alt1);
  MSG keypad{list, WM_KEYDOWN, VK_NUMPAD0, 0, 0, {}};
  HandleMessage(keypad);
  EXPECT_THAT(seen, ElementsAre("49 alt", "96"));

  ui::Edit& search = windows_.FormRinglook().Edit1;
  search.OnKeyPress = [](char& key) {
    if (key == 'x') key = 0;
    if (key == 'a') key = 'b';
  };
  for (char c : std::string("xa\r")) SendMessageA(FindByName(windows_.MainForm().Handle(), "Edit1"), WM_CHAR, c, 0);
  EXPECT_EQ(search.Text(), "b");
}

TEST_F(Win32WindowsTest, AClickOnADetectedAddressSelectsItAndReportsIt) {
  ui::RichView& view = windows_.FormMSG().RichOntvang;
  std::vector<std::string> clicked;
  view.OnUrlClick = [&](const std::string& url) { clicked.push_back(url); };
  view.SetText("Zie http://example.nl/a?b=1 graag\r\n");
  view.AppendLines("en www.example.com.\r\n");
  EXPECT_EQ(view.Text(), "Zie http://example.nl/a?b=1 graag\r\nen www.example.com.\r\n");
  EXPECT_GE(view.LineCount(), 2);

  ShowWindow(windows_.MSGForm().Handle(), SW_SHOWNA);
  const HWND edit = FindByName(windows_.MSGForm().Handle(), "RichOntvang");
  POINTL at{};
  SendMessageA(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), 8);  // inside the address
  SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x + 2, at.y + 4));
  SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(at.x + 2, at.y + 4));
  ASSERT_THAT(clicked, ElementsAre("http://example.nl/a?b=1"));
  EXPECT_EQ(view.SelectedText(), "http://example.nl/a?b=1");  // the selection stays

  view.ClearSelection();
  EXPECT_EQ(view.SelectedText(), "");
  SendMessageA(edit, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x + 2, at.y + 4));
  EXPECT_EQ(clicked.size(), 1u);
}

// Whether a is in front of b on the screen.
bool InFrontOf(HWND a, HWND b) {
  for (HWND behind = GetWindow(a, GW_HWNDNEXT); behind != nullptr; behind = GetWindow(behind, GW_HWNDNEXT)) {
    if (behind == b) return true;
  }
  return false;
}

TEST_F(Win32WindowsTest, StaysOnTopSwitchesTheLayerWithoutMovingSizingOrActivating) {
  application_.ShowMainForm();
  Win32Form& messages = windows_.MSGForm();
  const HWND main = windows_.MainForm().Handle();
  ShowWindow(messages.Handle(), SW_SHOWNA);
  RECT before{};
  GetWindowRect(messages.Handle(), &before);
  for (const bool onTop : {false, false, true, true}) {
    SCOPED_TRACE(onTop);
    messages.SetStaysOnTop(onTop);
    EXPECT_EQ((GetWindowLongA(messages.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, onTop);
    // The main window brought to the front stays behind only a window in that layer.
    SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(InFrontOf(messages.Handle(), main), onTop);
    RECT now{};
    GetWindowRect(messages.Handle(), &now);
    EXPECT_TRUE(EqualRect(&now, &before));
    EXPECT_TRUE(IsWindowVisible(messages.Handle()));
    EXPECT_EQ(GetActiveWindow(), main);
  }
  // Raising it does not take it out of that layer.
  application_.RaiseWithoutActivating(messages);
  EXPECT_TRUE(messages.StaysOnTop());
}

TEST_F(Win32WindowsTest, PastedTextGoesInTypableWithinTheLimitAndNotIntoAReadOnlyField) {
  const auto paste = [](HWND field, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageA(field, WM_PASTE, 0, 0);
  };
  const HWND edit = windows_.EditForm().Handle();
  const ui::FormEditControls& controls = windows_.FormEdit();
  controls.Edit1.SetText("Jan");
  SendMessageA(FindByName(edit, "Edit1"), EM_SETSEL, 3, 3);
  paste(FindByName(edit, "Edit1"), L"\t\x01\u0101de\r\nVries" + std::wstring(40, L'x'));
  EXPECT_EQ(controls.Edit1.Text(), "Jan de Vries" + std::string(37 - 12, 'x'));  // the field holds 37
  paste(FindByName(edit, "Memo1"), L"r\u00e9gel 1\nregel\x07 2");
  EXPECT_EQ(controls.Memo1.Text(), "r\xE9gel 1\r\nregel 2");
  controls.Edit2.SetText("0201234567");
  paste(FindByName(edit, "Edit2"), L"9");
  EXPECT_EQ(controls.Edit2.Text(), "0201234567");
}

TEST_F(Win32WindowsTest, AModalDialogDisablesTheRestAndReturnsHowItClosed) {
  application_.ShowMainForm();
  Win32Form& setup = windows_.SetupForm();
  int asked = 0;
  setup.OnCloseQuery = [&] { return ++asked > 1; };  // the first close is refused
  Win32Timer closer(20);
  closer.OnTimer = [&] {
    EXPECT_FALSE(IsWindowEnabled(windows_.MainForm().Handle()));
    EXPECT_TRUE(setup.Visible());
    SendMessageA(setup.Handle(), WM_CLOSE, 0, 0);  // the close box
  };
  EXPECT_EQ(setup.ShowModal(), ui::ModalResult::Cancel);
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(setup.Visible());
  EXPECT_TRUE(IsWindowEnabled(windows_.MainForm().Handle()));
}

TEST_F(Win32WindowsTest, TheApplicationCarriesTheTitleAndMinimisesWithItsWindows) {
  application_.ShowMainForm();
  application_.SetTitle("x Jan");
  EXPECT_EQ(WindowText(application_.Handle()), "x Jan");
  EXPECT_EQ(windows_.MainForm().Caption(), "Ringlook");
  application_.Minimize();
  EXPECT_TRUE(application_.Minimized());
  EXPECT_FALSE(IsWindowVisible(windows_.MainForm().Handle()));
  application_.RaiseWithoutActivating(windows_.MainForm());
  EXPECT_FALSE(application_.Minimized());
  EXPECT_TRUE(IsWindowVisible(windows_.MainForm().Handle()));

  // The tray's menu: today's last callers first, each a menu to edit, call back or pass on.
  std::vector<std::string> happened;
  application_.OnEditCall = [&happened](const std::string& number) { happened.push_back("edit " + number); };
  application_.OnCallBack = [&happened](const std::string& number) { happened.push_back("call " + number); };
  application_.OnPassOn = [&happened](const calls::RecentCaller& caller) {
    happened.push_back("pass " + caller.Name + " " + caller.Number + " " + caller.Time);
  };
  application_.ShowRecentCallers({{"Jansen", "0612345678", "8:50"}, {"Bakker", "0384211234", "8:40"}});
  const Win32PopupMenu tray = application_.TrayMenu();
  const std::vector<std::string> shown = tray.Shown();
  EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 4),
            (std::vector<std::string>{"Jansen  8:50", "Bakker  8:40", "-", "Toon Ringlook"}));
  EXPECT_NE(std::find(shown.begin(), shown.end(), "Instellingen"), shown.end());
  EXPECT_EQ(shown.back(), "Afsluiten");
  const Win32PopupMenu* bakker = tray.Items()[1]->SubmenuIfAny();
  ASSERT_NE(bakker, nullptr);
  EXPECT_EQ(bakker->Shown(), (std::vector<std::string>{"&Wijzigen", "&Terugbellen", "&Doorgeven\x85"}));
  for (const auto& choice : bakker->Items()) choice->OnClick();
  EXPECT_EQ(happened, (std::vector<std::string>{"edit 0384211234", "call 0384211234", "pass Bakker 0384211234 8:40"}));
}

TEST_F(Win32WindowsTest, HelpOpensAtTheMainWindowsSectionOrTheContents) {
  const auto firstShownLine = [this] {
    const HWND view = application_.Help()->View().Handle();
    const auto first = SendMessageA(view, EM_GETFIRSTVISIBLELINE, 0, 0);
    char line[64] = {};
    *reinterpret_cast<WORD*>(line) = sizeof line - 1;
    const auto length = SendMessageA(view, EM_GETLINE, static_cast<WPARAM>(first), reinterpret_cast<LPARAM>(line));
    return std::string(line, static_cast<std::size_t>(length));
  };
  application_.ShowHelpContext(100);
  ASSERT_NE(application_.Help(), nullptr);
  EXPECT_EQ(firstShownLine().rfind("Het hoofdvenster", 0), 0u) << firstShownLine();
  application_.ShowHelpTopic("Imported_Topic1");
  EXPECT_EQ(firstShownLine().rfind("Ringlook", 0), 0u) << firstShownLine();
}

TEST(Win32EventPump, APauseSleepsInsteadOfSpinning) {
  Win32Clock clock;
  FILETIME created{}, exited{}, kernelBefore{}, userBefore{}, kernelAfter{}, userAfter{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelBefore, &userBefore);
  const std::uint64_t deadline = clock.TickMs() + 500;
  int passes = 0;
  do {
    ProcessEventsUntil(clock, deadline);
    ++passes;
  } while (clock.TickMs() < deadline);
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelAfter, &userAfter);
  const auto ticks = [](FILETIME time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  const std::uint64_t cpuMs = (ticks(userAfter) - ticks(userBefore) + ticks(kernelAfter) - ticks(kernelBefore)) / 10000;
  EXPECT_LT(passes, 20);
  EXPECT_LT(cpuMs, 150u);
}

}  // namespace
}  // namespace ringlook::win32
