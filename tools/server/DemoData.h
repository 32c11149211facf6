// What a new database starts with, so that a client has something to show: a
// Dutch directory with a few alert and note entries, and calls of today and of
// the days before.
#pragma once

#include <string_view>
#include <vector>

namespace ringlook::server {

struct DemoEntry {
  std::string_view Number;
  std::string_view Name;
  std::string_view Note;
  std::string_view Flag;
};

struct DemoCall {
  std::string_view Number;
  int DaysAgo;
  // Before the time of seeding, that many days back; a call never falls
  // before the start of its day.
  int MinutesAgo;
  int Line;
};

const std::vector<DemoEntry>& DemoEntries();
// Oldest first, so that the log grows in the order the calls came.
const std::vector<DemoCall>& DemoCalls();

}  // namespace ringlook::server
