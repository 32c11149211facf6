// The five windows: see Win32Windows.h. This file builds the main window; the
// dialogs are built in Win32DialogWindows.cpp.
#include "win32/Win32Windows.h"

#include <map>
#include <string_view>
#include <vector>

#include "win32/Fonts.h"

namespace ringlook::win32 {

namespace {

using namespace ui::definitions::main_window;

constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW;

SIZE ClientOf(int outerWidth, int outerHeight, DWORD style) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  return SIZE{outerWidth - (frame.right - frame.left), outerHeight - (frame.bottom - frame.top)};
}

}  // namespace

Win32Windows::Win32Windows(HWND owner) {
  BuildFormRinglook(owner);
  BuildFormSetup(owner);
  BuildFormEdit(owner);
  BuildFormSentMSG(owner);
  BuildFormMSG(owner);
}

Win32Windows::~Win32Windows() = default;

void Win32Windows::BuildFormRinglook(HWND owner) {
  const SIZE client = ClientOf(kForm.width, kForm.height, kMainStyle);
  mainForm_ =
      std::make_unique<Win32Form>(owner, kForm.name, kForm.caption, kMainStyle, 0, client.cx, client.cy, kLeft, kTop);
  const HWND form = mainForm_->Handle();
  SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(SansFont(11)), FALSE);

  panel2_ = std::make_unique<Win32Panel>(form, "Panel2", RECT{0, 0, client.cx, kSearchBarHeight});
  const HWND bar = panel2_->Handle();
  // The designed places, unless a wider font needs a control pushed right to
  // keep its neighbour's caption whole.
  const int labelRight = kLabel1Left + TextWidth(form, kLabel1.caption);
  const int edit1Left = std::max(kEdit1Left, labelRight + 3);
  const int button2Left = std::max(kButton2Left, edit1Left + kEdit1Width + 4);
  Make<Win32Label>(bar, kLabel1.name, kLabel1.caption, RECT{kLabel1Left, 9, labelRight, 23});
  auto& edit1 = Make<Win32Edit>(bar, "Edit1", RECT{edit1Left, 5, edit1Left + kEdit1Width, 5 + 21});
  auto& button1 =
      Make<Win32Button>(bar, kButton1.name, kButton1.caption,
                        RECT{kButton1Left, 4, kButton1Left + ButtonWidth(form, kButton1.caption, kButton1Width), 28});
  auto& button2 =
      Make<Win32Button>(bar, kButton2.name, kButton2.caption,
                        RECT{button2Left, 4, button2Left + ButtonWidth(form, kButton2.caption, kButton2Width), 28});
  ShowWindow(bar, SW_HIDE);

  panel1_ = std::make_unique<Win32Panel>(form, "Panel1", RECT{0, 0, client.cx, client.cy}, kListBevel);
  listBox1_ = &Make<Win32ListBox>(panel1_->Handle(), "ListBox1", panel1_->Inside());
  panel1_->OnLayout = [this] {
    const RECT inside = panel1_->Inside();
    MoveWindow(listBox1_->Handle(), inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top,
               TRUE);
  };

  std::vector<int> widths;
  for (const ui::definitions::StatusPanel& panel : kStatusPanels) widths.push_back(panel.width);
  statusBar1_ = &Make<Win32StatusBar>(form, "StatusBar1", widths);
  for (int i = 0; i < static_cast<int>(kStatusPanels.size()); ++i) {
    statusBar1_->SetPanelText(i, kStatusPanels[static_cast<std::size_t>(i)].startText);
  }
  statusBar1_->WidenToTexts();

  popupMenu1_ = std::make_unique<Win32PopupMenu>(kPopupMenuName);
  std::map<std::string_view, Win32MenuItem*> items;
  const auto addEntries = [&](const auto& entries) {
    for (const ui::definitions::MenuEntry& entry : entries) {
      items[entry.name] = &popupMenu1_->Add(entry.name, entry.caption, entry.visible);
    }
  };
  addEntries(kCallerGroup);
  addEntries(kPopupMenu1);
  addEntries(kSaveGroup);
  mainForm_->SetContextMenu(popupMenu1_.get());
  mainForm_->OnContextMenu = [this](POINT& at, bool byKeyboard) { ContextMenuOpening(at, byKeyboard); };

  panel2_->OnLayout = [this] { LayOutFormRinglook(); };
  mainForm_->OnLayout = [this] { LayOutFormRinglook(); };
  LayOutFormRinglook();

  formRinglook_.reset(new ui::FormRinglookControls{*mainForm_,
                                                   *listBox1_,
                                                   *panel2_,
                                                   edit1,
                                                   button1,
                                                   button2,
                                                   *statusBar1_,
                                                   *items["Find1"],
                                                   *items["Addnumber1"],
                                                   *items["Deletenumber1"],
                                                   *items["N1"],
                                                   *items["Sentmassage1"],
                                                   *items["ViewMessages1"],
                                                   *items["Setup1"],
                                                   *items["Help1"],
                                                   timer1_,
                                                   timer2_,
                                                   timer3_,
                                                   *items["CallBack1"],
                                                   *items["LookUp1"],
                                                   *items["PassOn1"],
                                                   *items["CopyNumber1"],
                                                   *items["N5"],
                                                   *items["SaveList1"]});
}

void Win32Windows::ContextMenuOpening(POINT& at, bool byKeyboard) {
  const HWND list = listBox1_->Handle();
  int index = -1;
  if (byKeyboard) {
    index = listBox1_->ItemIndex();
    RECT line{};
    if (index >= 0 &&
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&line)) != LB_ERR) {
      at = POINT{line.left + 16, line.bottom};
      ClientToScreen(list, &at);
    }
  } else {
    POINT inList = at;
    RECT client{};
    ScreenToClient(list, &inList);
    GetClientRect(list, &client);
    const auto found = static_cast<DWORD>(
        SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(static_cast<WORD>(inList.x), static_cast<WORD>(inList.y))));
    // The high word is set when the point lies below the last line.
    if (PtInRect(&client, inList) != FALSE && HIWORD(found) == 0) index = static_cast<int>(LOWORD(found));
  }
  if (listBox1_->OnPopup) listBox1_->OnPopup(index);
}

void Win32Windows::LayOutFormRinglook() {
  RECT client{};
  GetClientRect(mainForm_->Handle(), &client);
  statusBar1_->FitToParent();
  const int top = panel2_->Visible() ? kSearchBarHeight : 0;
  const int bottom = client.bottom - statusBar1_->Height();
  MoveWindow(panel2_->Handle(), 0, 0, client.right, kSearchBarHeight, TRUE);
  MoveWindow(panel1_->Handle(), 0, top, client.right, std::max(0, bottom - top), TRUE);
}

}  // namespace ringlook::win32
