// What comes after a call: the context menu's caller group ("Terugbellen",
// "Opzoeken", "Doorgeven...", "Nummer kopieren") and "Lijst opslaan...". Each
// works on the line taken when the menu opened: the menu and the dialogs run
// nested loops in which the list can change.
#include <vector>

#include "calls/CallerActions.h"
#include "calls/CallerLine.h"
#include "calls/CallerListCsv.h"
#include "main/TFormRinglook.h"
#include "messaging/TFormSentMSG.h"

namespace ringlook {

namespace {
constexpr std::string_view kNotSaved = "De lijst is niet opgeslagen: het bestand kon niet worden geschreven.";

std::string NoHandler(std::string_view scheme) {
  return "Er is geen programma ingesteld dat " + std::string(scheme) +
         ":-adressen opent, dus Ringlook kan niet terugbellen. Stel uw softphone in als standaardprogramma "
         "voor " +
         std::string(scheme) + ":.";
}
}  // namespace

void TFormRinglook::PopupMenu1Popup(int index) {
  ui::ListBox& list = controls_.ListBox1;
  popupLine_.clear();
  if (index >= 0 && index < list.Count()) {
    list.SetItemIndex(index);
    ListBox1Click();
    popupLine_ = list.Item(index);
  }
  const std::string number = calls::LineNumber(popupLine_);
  for (ui::MenuItem* item :
       {&controls_.CallBack1, &controls_.LookUp1, &controls_.PassOn1, &controls_.CopyNumber1, &controls_.N5}) {
    item->SetVisible(!number.empty());
  }
  controls_.CallBack1.SetEnabled(!calls::CallAddress(stored_.CallAddress, number).empty());
  controls_.LookUp1.SetEnabled(!calls::LookupAddress(stored_.LookupAddress, number).empty());
  // Open already, it holds what the user typed.
  controls_.PassOn1.SetEnabled(!dialogs_.SentMSG.Showing());
  controls_.SaveList1.SetEnabled(list.Count() > 0);
}

void TFormRinglook::CallBack1Click() { CallBack(calls::LineNumber(popupLine_)); }

void TFormRinglook::CallBack(const std::string& number) {
  const std::string address = calls::CallAddress(stored_.CallAddress, number);
  if (address.empty()) return;
  if (!env_.App.Call(address)) env_.App.MessageBox(NoHandler(calls::SchemeOf(address)), ui::MessageKind::Information);
}

void TFormRinglook::LookUp1Click() {
  const std::string address = calls::LookupAddress(stored_.LookupAddress, calls::LineNumber(popupLine_));
  if (!address.empty()) env_.App.OpenAddress(address);
}

void TFormRinglook::PassOn1Click() {
  PassOn(calls::LineName(popupLine_), calls::LineNumber(popupLine_), calls::LineDetail(popupLine_));
}

void TFormRinglook::PassOn(std::string_view name, std::string_view number, std::string_view detail) {
  if (dialogs_.SentMSG.Showing()) return;
  SendMessage(calls::PassOnText(name, number, detail, ui::definitions::send_dialog::kMessageLimit));
}

void TFormRinglook::CopyNumber1Click() { env_.App.SetClipboardText(calls::LineNumber(popupLine_)); }

void TFormRinglook::SaveList1Click() {
  const ui::ListBox& list = controls_.ListBox1;
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Item(i));
  const std::string csv = calls::CallerListCsv(lines);
  if (env_.App.SaveFile(calls::CsvFileName(env_.Time.Now()), csv) == ui::SaveResult::Failed) {
    env_.App.MessageBox(kNotSaved, ui::MessageKind::Error);
  }
}

}  // namespace ringlook
