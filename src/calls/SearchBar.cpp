// History and search: the main window's search bar and the requests that switch
// the list between today's calls and a search result. The replies are handled
// by the dispatch.
#include "main/TFormRinglook.h"
#include "net/Messages.h"

namespace ringlook {

namespace {
constexpr char kEnter = 13;
}  // namespace

void TFormRinglook::VraagHis() { Env.ClientSocket1.SendBytes(net::HistoryRequest()); }

void TFormRinglook::Find1Click() {
  // "Nu zoeken" keeps its state: a search still waiting for its reply stays waiting.
  Controls.Edit1.SetEnabled(true);
  Controls.ListBox1.Clear();
  Controls.Panel2.SetVisible(true);
  Controls.Edit1.SetFocus();
  // A running idle timer is not restarted by opening the bar.
  Controls.Timer2.SetEnabled(true);
}

void TFormRinglook::Edit1KeyPress(char& key) {
  Controls.Timer2.Restart();
  if (key != kEnter) return;
  Controls.Edit1.SetEnabled(false);
  Controls.Button2.SetEnabled(false);
  key = 0;
  Env.ClientSocket1.SendBytes(net::FindRequest(Controls.Edit1.Text()));
}

void TFormRinglook::Button2Click() {
  Controls.Timer2.Restart();
  Controls.Button2.SetEnabled(false);
  Controls.Edit1.SetEnabled(false);
  Env.ClientSocket1.SendBytes(net::FindRequest(Controls.Edit1.Text()));
}

void TFormRinglook::ListBox1Click() { Controls.Timer2.Restart(); }

// "Sluiten" and the idle timer close the bar the same way; the list keeps the
// search result until today's calls arrive.
void TFormRinglook::Button1Click() {
  Controls.Panel2.SetVisible(false);
  VraagHis();
  Controls.Timer2.SetEnabled(false);
}

void TFormRinglook::Timer2Timer() { Button1Click(); }

}  // namespace ringlook
