// The caller list in the main window: a record into its line with the window's
// side effects, and a change notice applied to the lines already shown.
#include "calls/CallerLine.h"
#include "main/TFormRinglook.h"
#include "net/Fields.h"
#include "net/Messages.h"

namespace ringlook {

namespace {
constexpr std::string_view kAlertTitlePrefix = "x ";
constexpr std::string_view kAlertMarker = "x";
constexpr std::string_view kCountLabel = "  Aantal (vandaag) : ";
}  // namespace

void TFormRinglook::RaiseMainWindow() {
  env_.App.RaiseWithoutActivating(controls_.Self);
  KeepOnScreen();
}

std::string TFormRinglook::ListBoxTrim(std::string_view record) {
  calls::CallerLine formatted = calls::FormatCallerRecord(record);
  LastCallerName = std::move(formatted.Name);
  TitlePrefix.clear();
  if (formatted.Flag == net::kFlagAlert && LiveList) {
    RaiseMainWindow();
    TitlePrefix = kAlertTitlePrefix;
  }
  controls_.StatusBar1.SetPanelText(1, std::string(kCountLabel) + formatted.TodayCount);
  return std::move(formatted.Line);
}

void TFormRinglook::Wijzig(std::string_view notice) {
  const std::string_view number = net::NextField(notice);
  const std::string_view name = net::NextField(notice);
  const std::string_view flag = net::NextField(notice);
  const bool alert = calls::Marker(flag) == kAlertMarker;
  ui::ListBox& list = controls_.ListBox1;
  for (int i = 0; i < list.Count(); ++i) {
    const std::string line = list.Item(i);
    if (calls::LineNumber(line) != number) continue;
    list.SetItem(i, calls::ChangedLine(line, name, flag));
    if (i == 0 && env_.App.Title() != kApplicationTitle) {
      env_.App.SetTitle(alert ? std::string(kAlertTitlePrefix) + std::string(name) : std::string(name));
      // Switched on, not restarted: the title still goes back seven minutes after the last call.
      controls_.Timer1.SetEnabled(true);
    }
  }
}

}  // namespace ringlook
