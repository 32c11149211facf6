// The controls of the five windows, by the names of their window definitions.
// The window classes of the core take these references; the Qt and Win32 front
// ends build them from real widgets and controls, the in-memory layer from
// MemoryControls.
#pragma once

#include "ports/Timer.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/MenuItem.h"
#include "ui/Panel.h"
#include "ui/RichView.h"
#include "ui/StatusBar.h"

namespace ringlook::ui {

// FormRinglook: the caller list, the search bar, the status bar and the context menu.
struct FormRinglookControls {
  Form& Self;
  ListBox& ListBox1;
  Panel& Panel2;    // the search bar
  Edit& Edit1;      // search text
  Button& Button1;  // "Sluiten"
  Button& Button2;  // "Nu zoeken"
  StatusBar& StatusBar1;
  MenuItem& Find1;
  MenuItem& Addnumber1;
  MenuItem& Deletenumber1;
  MenuItem& N1;
  MenuItem& Sentmassage1;
  MenuItem& ViewMessages1;
  MenuItem& Setup1;
  MenuItem& Help1;
  Timer& Timer1;          // title reset, 420000 ms, off at start
  Timer& Timer2;          // search idle, 240000 ms, on at start
  Timer& Timer3;          // nickname, 60000 ms, on at start
  MenuItem& CallBack1;    // "Terugbellen"
  MenuItem& LookUp1;      // "Opzoeken"
  MenuItem& PassOn1;      // "Doorgeven..."
  MenuItem& CopyNumber1;  // "Nummer kopieren"
  MenuItem& N5;           // the caller group's separator
  MenuItem& SaveList1;    // "Lijst opslaan..."
};

// FormSetup ("Instellingen"): its controls are the live settings.
struct FormSetupControls {
  Form& Self;
  Edit& Edit1;          // server address
  Edit& Edit2;          // nickname
  CheckBox& CheckBox1;  // "Start Ringlook automatisch bij het opstarten"
  CheckBox& CheckBox2;  // "Popup bij iedere beller"
  Button& Button1;      // "Ok"
};

// FormEdit ("Wijzigen" / "Toevoegen"): one number's directory entry.
struct FormEditControls {
  Form& Self;
  Edit& Edit1;          // name, 37 characters
  Edit& Edit2;          // number
  CheckBox& CheckBox1;  // "Alert"
  Memo& Memo1;          // note, 1024 characters
  Button& Button1;      // "Annuleren"
  Button& Button2;      // "Ok"
};

// FormSentMSG ("Verstuur bericht").
struct FormSentMSGControls {
  Form& Self;
  ComboBox& ComboBox1;  // recipients
  Memo& Memo1;          // message, 400 characters
  Button& Button1;      // "Annuleren"
  Button& Button2;      // "Versturen"
};

// FormMSG ("Berichten").
struct FormMSGControls {
  Form& Self;
  RichView& RichOntvang;
  Button& Button1;  // "Sluiten"
  Button& Button2;  // "Beantwoorden"
  Button& Button3;  // "Wissen"
  MenuItem& KopieerenCTRLC1;
};

}  // namespace ringlook::ui
