// The main window's caller list: its lines, whether they are today's live calls,
// the task-bar title with the last caller's name and the timer that takes it
// back, the count in the status bar, and the tray's recent callers.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "calls/RecentCallers.h"
#include "net/Messages.h"
#include "ports/Clock.h"
#include "ports/Timer.h"
#include "ui/Application.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"
#include "ui/StatusBar.h"

namespace ringlook {

inline constexpr std::string_view kApplicationTitle = "Ringlook";

class CallList {
 public:
  struct Controls {
    ui::ListBox& List;
    ui::StatusBar& Status;
    // Timer1: the title goes back seven minutes after the last call.
    Timer& TitleTimer;
    // While the search bar shows, the list holds a search result.
    const ui::Panel& SearchBar;
  };

  CallList(Controls controls, ui::Application& app, ringlook::Clock& time);

  // The record's line. Its count goes to the status bar; its name and the
  // title's prefix (an alert's, while the list is live) are kept for the title.
  std::string ListBoxTrim(const net::CallerRecord& caller);
  // A new call, the window already raised where it must be: the list goes live,
  // the line on top unless a search shows, the title, the desktop's notice, the tray.
  void Nieuw(const net::CallerRecord& caller, bool popup);
  // Every line of the notice's number gets its new name and marker.
  void Wijzig(const net::ChangeNotice& notice);
  // A history or search reply in place of the lines, read record by record. A
  // record that gives a blank line stays and ends the reading; afterRecord runs
  // after each other record.
  void Replace(std::string_view records, const std::function<void()>& afterRecord);
  void Clear() { controls_.List.Clear(); }
  void TitleTimerExpired();

  // Set by a new call, cleared by a history or search reply; alerts raise the window only while set.
  [[nodiscard]] bool LiveList() const { return liveList_; }
  [[nodiscard]] const std::string& LastCallerName() const { return lastCallerName_; }
  [[nodiscard]] const std::string& TitlePrefix() const { return titlePrefix_; }

 private:
  Controls controls_;
  ui::Application& app_;
  ringlook::Clock& time_;
  calls::RecentCallers recentCallers_;
  bool liveList_ = false;
  std::string lastCallerName_;
  std::string titlePrefix_;
};

}  // namespace ringlook
