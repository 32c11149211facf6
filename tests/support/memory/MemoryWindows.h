// The five windows built from in-memory controls, with their start states as the
// window definitions give them: the harness of the window-logic tests and of
// headless runs.
#pragma once

#include "memory/ManualEventLoop.h"
#include "memory/MemoryControls.h"
#include "memory/MemoryForm.h"
#include "ui/WindowControls.h"

namespace ringlook::ui {

struct MemoryFormRinglook {
  explicit MemoryFormRinglook(ManualEventLoop& loop)
      : Timer1(loop, 420000, false), Timer2(loop, 240000, true), Timer3(loop, 60000, true) {
    Panel2.SetVisible(false);
    Addnumber1.SetVisible(false);
    Deletenumber1.SetVisible(false);
    N1.SetVisible(false);
    StatusBar1.SetPanelText(0, "  Geen verbinding");
    StatusBar1.SetPanelText(1, "  Aantal (vandaag)  :");
    StatusBar1.SetPanelText(2, "      F1 = Help");
  }
  FormRinglookControls Controls() {
    return {Self,          ListBox1, Panel2,       Edit1,         Button1, Button2, StatusBar1, Find1,  Addnumber1,
            Deletenumber1, N1,       Sentmassage1, ViewMessages1, Setup1,  Help1,   Timer1,     Timer2, Timer3};
  }

  MemoryForm Self{"Ringlook", 525, 221};
  MemoryListBox ListBox1;
  MemoryPanel Panel2;
  MemoryEdit Edit1;
  MemoryButton Button1{0, 49};
  MemoryButton Button2{271, 66};
  MemoryStatusBar StatusBar1;
  MemoryMenuItem Find1, Addnumber1, Deletenumber1, N1, Sentmassage1, ViewMessages1, Setup1, Help1;
  ManualTimer Timer1;
  ManualTimer Timer2;
  ManualTimer Timer3;
};

struct MemoryFormSetup {
  FormSetupControls Controls() { return {Self, Edit1, Edit2, CheckBox1, CheckBox2, Button1}; }

  MemoryForm Self{"Instellingen"};
  MemoryEdit Edit1;
  MemoryEdit Edit2;
  MemoryCheckBox CheckBox1;
  MemoryCheckBox CheckBox2;
  MemoryButton Button1;
};

struct MemoryFormEdit {
  FormEditControls Controls() { return {Self, Edit1, Edit2, CheckBox1, Memo1, Button1, Button2}; }

  MemoryForm Self{"Wijzigen"};
  MemoryEdit Edit1{37};
  MemoryEdit Edit2;
  MemoryCheckBox CheckBox1;
  MemoryMemo Memo1{1024};
  MemoryButton Button1;
  MemoryButton Button2;
};

struct MemoryFormSentMSG {
  FormSentMSGControls Controls() { return {Self, ComboBox1, Memo1, Button1, Button2}; }

  MemoryForm Self{"Verstuur bericht", 346, 220};
  MemoryComboBox ComboBox1;
  MemoryMemo Memo1{400};
  MemoryButton Button1;
  MemoryButton Button2;
};

struct MemoryFormMSG {
  FormMSGControls Controls() { return {Self, RichOntvang, Button1, Button2, Button3, KopieerenCTRLC1}; }

  MemoryForm Self{"Berichten", 479, 191};
  MemoryRichView RichOntvang;
  MemoryButton Button1;
  MemoryButton Button2;
  MemoryButton Button3;
  MemoryMenuItem KopieerenCTRLC1;
};

}  // namespace ringlook::ui
