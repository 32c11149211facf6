// Server message bytes: see Replies.h.
#include "Replies.h"

#include "net/Fields.h"

namespace ringlook::server {

namespace {

// Appends each field followed by "^".
void AppendFields(std::string& out, std::initializer_list<std::string_view> fields) {
  for (std::string_view field : fields) {
    out.append(field).push_back(net::kFieldSeparator);
  }
}

std::string Keyword(std::string_view keyword) {
  std::string out(keyword);
  out.push_back(net::kFieldSeparator);
  return out;
}

}  // namespace

std::string CallerRecordText(const net::CallerRecord& record) {
  std::string out;
  AppendFields(out, {record.Name, record.Flag, record.Detail, record.Number, record.TodayCount});
  return out;
}

std::string RecordListMessage(std::string_view keyword, const std::vector<net::CallerRecord>& records) {
  std::string out = Keyword(keyword);
  for (const net::CallerRecord& record : records) {
    out += CallerRecordText(record);
    out.push_back(net::kRecordSeparator);
  }
  return out;
}

std::string NieuwMessage(const net::CallerRecord& record) { return Keyword(net::kNieuw) + CallerRecordText(record); }

std::string UpdateBellersMessage(std::string_view todayCount) {
  return Keyword(net::kUpdateBellers).append(todayCount);
}

std::string WijzigMessage(std::string_view number, std::string_view name, std::string_view flag) {
  std::string out = Keyword(net::kWijzig);
  AppendFields(out, {number, name, flag});
  return out;
}

std::string ReplyGetMessage(const net::NumberRecord& entry) {
  std::string out = Keyword(net::kReplyGet);
  AppendFields(out, {entry.Number, entry.Name, entry.Note, entry.Flag});
  return out;
}

std::string NameListMessage(const std::vector<std::string>& nicknames) {
  std::string out = Keyword(net::kNameList);
  for (const std::string& nickname : nicknames) AppendFields(out, {nickname});
  return out;
}

std::string WrongNickMessage() { return Keyword(net::kWrongNick); }

std::string ForwardedMessage(std::string_view sender, std::string_view body) {
  std::string out = Keyword(net::kMsg);
  AppendFields(out, {sender});
  out.append(body);
  return out;
}

}  // namespace ringlook::server
