// The five windows built from in-memory controls, with their start states as the
// window definitions give them: the harness of the window-logic tests and of
// headless runs.
#pragma once

#include <utility>

#include "memory/ManualEventLoop.h"
#include "memory/MemoryControls.h"
#include "memory/MemoryForm.h"
#include "ui/WindowControls.h"
#include "ui/WindowDefinitions.h"

namespace ringlook::ui {

namespace main_window = definitions::main_window;

struct MemoryFormRinglook {
  explicit MemoryFormRinglook(ManualEventLoop& loop)
      : Timer1(loop, main_window::kTimer1.intervalMs, main_window::kTimer1.enabled),
        Timer2(loop, main_window::kTimer2.intervalMs, main_window::kTimer2.enabled),
        Timer3(loop, main_window::kTimer3.intervalMs, main_window::kTimer3.enabled) {
    Panel2.SetVisible(false);
    for (auto [item, name] :
         {std::pair{&Addnumber1, "Addnumber1"}, std::pair{&Deletenumber1, "Deletenumber1"}, std::pair{&N1, "N1"}}) {
      item->SetVisible(definitions::VisibleAtStart(main_window::kPopupMenu1, name));
    }
    for (int i = 0; i < static_cast<int>(main_window::kStatusPanels.size()); ++i) {
      StatusBar1.SetPanelText(i, main_window::kStatusPanels[static_cast<std::size_t>(i)].startText);
    }
  }
  FormRinglookControls Controls() {
    return {Self,       ListBox1,      Panel2,    Edit1,        Button1,       Button2,     StatusBar1, Find1,
            Addnumber1, Deletenumber1, N1,        Sentmassage1, ViewMessages1, Setup1,      Help1,      Timer1,
            Timer2,     Timer3,        CallBack1, LookUp1,      PassOn1,       CopyNumber1, N5,         SaveList1};
  }

  MemoryForm Self{main_window::kForm.caption, main_window::kForm.width, main_window::kForm.height};
  MemoryListBox ListBox1;
  MemoryPanel Panel2;
  MemoryEdit Edit1;
  MemoryButton Button1{0, main_window::kButton1Width};
  MemoryButton Button2{main_window::kButton2Left, main_window::kButton2Width};
  MemoryStatusBar StatusBar1;
  MemoryMenuItem Find1, Addnumber1, Deletenumber1, N1, Sentmassage1, ViewMessages1, Setup1, Help1;
  MemoryMenuItem CallBack1{false}, LookUp1{false}, PassOn1{false}, CopyNumber1{false}, N5{false}, SaveList1;
  ManualTimer Timer1;
  ManualTimer Timer2;
  ManualTimer Timer3;
};

struct MemoryFormSetup {
  FormSetupControls Controls() { return {Self, Edit1, Edit2, CheckBox1, CheckBox2, Button1}; }

  MemoryForm Self{definitions::setup_dialog::kForm.caption};
  MemoryEdit Edit1;
  MemoryEdit Edit2;
  MemoryCheckBox CheckBox1;
  MemoryCheckBox CheckBox2;
  MemoryButton Button1;
};

struct MemoryFormEdit {
  FormEditControls Controls() { return {Self, Edit1, Edit2, CheckBox1, Memo1, Button1, Button2}; }

  MemoryForm Self{definitions::edit_dialog::kForm.caption};
  MemoryEdit Edit1{definitions::edit_dialog::kNameLimit};
  MemoryEdit Edit2;
  MemoryCheckBox CheckBox1;
  MemoryMemo Memo1{definitions::edit_dialog::kNoteLimit};
  MemoryButton Button1;
  MemoryButton Button2;
};

struct MemoryFormSentMSG {
  FormSentMSGControls Controls() { return {Self, ComboBox1, Memo1, Button1, Button2}; }

  MemoryForm Self{definitions::send_dialog::kForm.caption, definitions::send_dialog::kForm.width,
                  definitions::send_dialog::kForm.height};
  MemoryComboBox ComboBox1;
  MemoryMemo Memo1{definitions::send_dialog::kMessageLimit};
  MemoryButton Button1;
  MemoryButton Button2;
};

struct MemoryFormMSG {
  FormMSGControls Controls() { return {Self, RichOntvang, Button1, Button2, Button3, KopieerenCTRLC1}; }

  MemoryForm Self{definitions::messages_window::kForm.caption, definitions::messages_window::kForm.width,
                  definitions::messages_window::kForm.height};
  MemoryRichView RichOntvang;
  MemoryButton Button1;
  MemoryButton Button2;
  MemoryButton Button3;
  MemoryMenuItem KopieerenCTRLC1;
};

}  // namespace ringlook::ui
