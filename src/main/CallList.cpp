// The main window's caller list: see CallList.h.
#include "main/CallList.h"

#include "calls/CallerLine.h"
#include "common/Text.h"

namespace ringlook {

namespace {
constexpr std::string_view kAlertTitlePrefix = "x ";
constexpr std::string_view kAlertMarker = "x";
constexpr std::string_view kCountLabel = "  Aantal (vandaag) : ";
}  // namespace

CallList::CallList(Controls controls, ui::Application& app, ringlook::Clock& time)
    : controls_(controls), app_(app), time_(time) {}

std::string CallList::ListBoxTrim(const net::CallerRecord& caller) {
  lastCallerName_ = caller.Name;
  titlePrefix_ = caller.Flag == net::kFlagAlert && liveList_ ? kAlertTitlePrefix : "";
  controls_.Status.SetPanelText(1, std::string(kCountLabel).append(caller.TodayCount));
  return calls::FormatCallerRecord(caller);
}

void CallList::Nieuw(const net::CallerRecord& caller, bool popup) {
  liveList_ = true;
  const std::string line = ListBoxTrim(caller);
  if (!controls_.SearchBar.Visible()) controls_.List.Insert(0, line);
  app_.SetTitle(titlePrefix_ + lastCallerName_);
  controls_.TitleTimer.Restart();
  const bool alert = caller.Flag == net::kFlagAlert;
  if (popup || alert) app_.NotifyCall(caller.Name, caller.Number, alert);
  recentCallers_.Add(caller.Name, caller.Number, time_.Now());
  app_.ShowRecentCallers(recentCallers_.Callers());
}

void CallList::Wijzig(const net::ChangeNotice& notice) {
  const bool alert = calls::Marker(notice.Flag) == kAlertMarker;
  ui::ListBox& list = controls_.List;
  for (int i = 0; i < list.Count(); ++i) {
    const std::string line = list.Item(i);
    if (calls::LineNumber(line) != notice.Number) continue;
    list.SetItem(i, calls::ChangedLine(line, notice.Name, notice.Flag));
    if (i == 0 && app_.Title() != kApplicationTitle) {
      app_.SetTitle(alert ? std::string(kAlertTitlePrefix).append(notice.Name) : std::string(notice.Name));
      // Switched on, not restarted: the title still goes back seven minutes after the last call.
      controls_.TitleTimer.SetEnabled(true);
    }
  }
}

void CallList::Replace(std::string_view records, const std::function<void()>& afterRecord) {
  liveList_ = false;
  controls_.List.Clear();
  net::ReadRecordList(records, [&](std::string_view record) {
    const std::string line = ListBoxTrim(net::CallerRecord::Read(record));
    controls_.List.Add(line);
    if (TrimmedView(line).empty()) return false;
    if (afterRecord) afterRecord();
    return true;
  });
}

void CallList::TitleTimerExpired() {
  controls_.TitleTimer.SetEnabled(false);
  app_.SetTitle(kApplicationTitle);
}

}  // namespace ringlook
