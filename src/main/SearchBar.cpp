// History and search: the main window's search bar and the requests that switch
// the list between today's calls and a search result. The replies are handled
// by the dispatch.
#include "main/TFormRinglook.h"
#include "net/Messages.h"

namespace ringlook {

namespace {
constexpr char kEnter = 13;
}  // namespace

void TFormRinglook::VraagHis() { env_.ClientSocket1.SendBytes(net::HistoryRequest()); }

void TFormRinglook::Find1Click() {
  // "Nu zoeken" keeps its state: a search still waiting for its reply stays waiting.
  controls_.Edit1.SetEnabled(true);
  controls_.ListBox1.Clear();
  controls_.Panel2.SetVisible(true);
  controls_.Edit1.SetFocus();
  // A running idle timer is not restarted by opening the bar.
  controls_.Timer2.SetEnabled(true);
}

void TFormRinglook::Edit1KeyPress(char& key) {
  controls_.Timer2.Restart();
  if (key != kEnter) return;
  controls_.Edit1.SetEnabled(false);
  controls_.Button2.SetEnabled(false);
  key = 0;
  env_.ClientSocket1.SendBytes(net::FindRequest(controls_.Edit1.Text()));
}

void TFormRinglook::Button2Click() {
  controls_.Timer2.Restart();
  controls_.Button2.SetEnabled(false);
  controls_.Edit1.SetEnabled(false);
  env_.ClientSocket1.SendBytes(net::FindRequest(controls_.Edit1.Text()));
}

void TFormRinglook::ListBox1Click() { controls_.Timer2.Restart(); }

// "Sluiten" and the idle timer close the bar the same way; the list keeps the
// search result until today's calls arrive.
void TFormRinglook::Button1Click() {
  controls_.Panel2.SetVisible(false);
  VraagHis();
  controls_.Timer2.SetEnabled(false);
}

void TFormRinglook::Timer2Timer() { Button1Click(); }

}  // namespace ringlook
