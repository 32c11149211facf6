// The five windows: see Win32Windows.h. This file builds the main window; the
// dialogs are built in Win32DialogWindows.cpp.
#include "ui/win32/Win32Windows.h"

#include "ui/win32/Fonts.h"

namespace ringlook::win32 {

namespace {

constexpr int kDesignWidth = 525;
constexpr int kDesignHeight = 221;
constexpr int kSearchBarHeight = 32;
constexpr int kListBevel = 8;
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
  const SIZE client = ClientOf(kDesignWidth, kDesignHeight, kMainStyle);
  mainForm_ =
      std::make_unique<Win32Form>(owner, "FormRinglook", "Ringlook", kMainStyle, 0, client.cx, client.cy, 114, 131);
  const HWND form = mainForm_->Handle();
  SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(SansFont(11)), FALSE);

  panel2_ = std::make_unique<Win32Panel>(form, "Panel2", RECT{0, 0, client.cx, kSearchBarHeight});
  const HWND bar = panel2_->Handle();
  // The designed places, unless a wider font needs a control pushed right to
  // keep its neighbour's caption whole.
  const int labelRight = 16 + TextWidth(form, "Zoeken naar ");
  const int edit1Left = std::max(82, labelRight + 3);
  const int button2Left = edit1Left + 185 + 4;
  Make<Win32Label>(bar, "Label1", "Zoeken naar ", RECT{16, 9, labelRight, 23});
  auto& edit1 = Make<Win32Edit>(bar, "Edit1", RECT{edit1Left, 5, edit1Left + 185, 5 + 21});
  // FormShow places it against the right edge.
  auto& button1 =
      Make<Win32Button>(bar, "Button1", "Sluiten", RECT{441, 4, 441 + ButtonWidth(form, "Sluiten", 49), 28});
  auto& button2 = Make<Win32Button>(bar, "Button2", "Nu zoeken",
                                    RECT{button2Left, 4, button2Left + ButtonWidth(form, "Nu zoeken", 66), 28});
  ShowWindow(bar, SW_HIDE);

  panel1_ = std::make_unique<Win32Panel>(form, "Panel1", RECT{0, 0, client.cx, client.cy}, kListBevel);
  listBox1_ = &Make<Win32ListBox>(panel1_->Handle(), "ListBox1", panel1_->Inside());
  panel1_->OnLayout = [this] {
    const RECT inside = panel1_->Inside();
    MoveWindow(listBox1_->Handle(), inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top,
               TRUE);
  };

  statusBar1_ = &Make<Win32StatusBar>(form, "StatusBar1", std::vector<int>{90, 235, 50});
  statusBar1_->SetPanelText(0, "  Geen verbinding");
  statusBar1_->SetPanelText(1, "  Aantal (vandaag)  :");
  statusBar1_->SetPanelText(2, "      F1 = Help");
  statusBar1_->WidenToTexts();

  popupMenu1_ = std::make_unique<Win32PopupMenu>("PopupMenu1");
  Win32PopupMenu& menu = *popupMenu1_;
  auto& find1 = menu.Add("Find1", "Zoeken");
  menu.Add("N3", "-");
  auto& addnumber1 = menu.Add("Addnumber1", "Nummer toevoegen", false);
  auto& deletenumber1 = menu.Add("Deletenumber1", "Verwijder nummer", false);
  auto& n1 = menu.Add("N1", "-", false);
  auto& sentmassage1 = menu.Add("Sentmassage1", "Verstuur bericht");
  auto& viewMessages1 = menu.Add("ViewMessages1", "Toon berichten");
  menu.Add("N2", "-");
  auto& setup1 = menu.Add("Setup1", "Instellingen");
  menu.Add("N4", "-");
  auto& help1 = menu.Add("Help1", "Help");
  mainForm_->SetContextMenu(popupMenu1_.get());

  panel2_->OnLayout = [this] { LayOutFormRinglook(); };
  mainForm_->OnLayout = [this] { LayOutFormRinglook(); };
  LayOutFormRinglook();

  formRinglook_.reset(new ui::FormRinglookControls{*mainForm_, *listBox1_, *panel2_, edit1, button1, button2,
                                                   *statusBar1_, find1, addnumber1, deletenumber1, n1, sentmassage1,
                                                   viewMessages1, setup1, help1, timer1_, timer2_, timer3_});
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
