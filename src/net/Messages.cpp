// Request builders and server-message readers: see Messages.h.
#include "net/Messages.h"

#include "common/Text.h"
#include "net/Fields.h"

namespace ringlook::net {

namespace {
constexpr std::size_t kShortestRecordList = 10;

std::string Joined(std::string_view keyword, std::string_view field) {
  std::string out;
  out.reserve(keyword.size() + 1 + field.size());
  out.append(keyword).push_back(kFieldSeparator);
  out.append(field);
  return out;
}
}  // namespace

CallerRecord CallerRecord::Read(std::string_view record) {
  CallerRecord r;
  r.Name = NextField(record);
  r.Flag = NextField(record);
  r.Detail = NextField(record);
  r.Number = NextField(record);
  r.TodayCount = NextField(record);
  return r;
}

std::string HistoryRequest() { return std::string(kHistory); }

std::string NickRequest(std::string_view nickname) { return Joined(kNick, TrimmedView(nickname)); }

std::string FindRequest(std::string_view searchText) { return Joined(kFind, TrimmedView(UpperCased(searchText))); }

std::string GetRequest(std::string_view lineNumber) { return Joined(kGet, lineNumber); }

std::string AddRequest(std::string_view numberField) { return Joined(kAdd, TrimmedView(numberField)); }

std::string FlagFor(std::string_view noteText, bool alertChecked) {
  return std::string(alertChecked ? kFlagAlert : TrimmedView(noteText).empty() ? kFlagPlain : kFlagNote);
}

std::string SetRequest(std::string_view selectedNumber, std::string_view nameField, std::string_view noteText,
                       bool alertChecked) {
  // The whole note: the limit is on typing, and a longer note the server sent
  // must not lose its tail when only the name or the box changes.
  const std::string_view note = TrimmedView(noteText);
  std::string out = Joined(kSet, selectedNumber);
  out.push_back(kFieldSeparator);
  out.append(TrimmedView(FirstChars(nameField, kNameLimit))).push_back(kFieldSeparator);
  out.append(note).push_back(kFieldSeparator);
  out.append(FlagFor(note, alertChecked)).push_back(kFieldSeparator);
  return out;
}

std::string DeleteRequest(std::string_view lineNumber) { return Joined(kDelete, lineNumber); }

std::string NameListRequest() { return Joined(kNameList, ""); }

std::string MsgRequest(std::string_view recipient, std::string_view sender, std::string_view body) {
  std::string out = Joined(kMsg, recipient);
  out.push_back(kFieldSeparator);
  out.append(sender).push_back(kFieldSeparator);
  out.append(FirstChars(body, kMessageLimit));
  return out;
}

std::string_view ReadRecordList(std::string_view list, const std::function<bool(std::string_view record)>& visit) {
  while (list.size() > kShortestRecordList) {
    if (!visit(FieldBefore(list, kRecordSeparator))) break;
    // Without a "~" nothing would be dropped and the same empty record would come
    // back for ever: the list ends here.
    if (list.find(kRecordSeparator) == std::string_view::npos) break;
    list = DropThrough(list, kRecordSeparator);
  }
  return list;
}

std::vector<std::string_view> ReadNameList(std::string_view list) {
  std::vector<std::string_view> names;
  while (list.find(kFieldSeparator) != std::string_view::npos) names.push_back(NextField(list));
  return names;
}

ReceivedMessage ReadMessage(std::string_view afterKeyword) {
  ReceivedMessage m;
  m.Sender = NextField(afterKeyword);
  m.Body = afterKeyword;
  return m;
}

NumberRecord ReadNumberRecord(std::string_view afterKeyword) {
  NumberRecord r;
  r.Number = NextField(afterKeyword);
  r.Name = NextField(afterKeyword);
  r.Note = NextField(afterKeyword);
  r.Flag = FieldBefore(afterKeyword, kFieldSeparator);
  return r;
}

ChangeNotice ReadChangeNotice(std::string_view afterKeyword) {
  ChangeNotice n;
  n.Number = NextField(afterKeyword);
  n.Name = NextField(afterKeyword);
  n.Flag = NextField(afterKeyword);
  return n;
}

ServerText ReadServerText(std::string_view text) {
  const auto body = [text] { return DropThrough(text, kFieldSeparator); };
  if (HasKeyword(text, kWrongNick)) return WrongNickText{};
  if (HasKeyword(text, kMsg)) return ReadMessage(body());
  if (HasKeyword(text, kNieuw)) return NewCall{CallerRecord::Read(body())};
  if (HasKeyword(text, kWijzig)) return ReadChangeNotice(body());
  if (HasKeyword(text, kUpdateBellers)) return CallerCount{body()};
  if (HasKeyword(text, kHistory)) return TodaysCalls{body()};
  if (HasKeyword(text, kReplyFind)) return FoundCalls{body()};
  if (HasKeyword(text, kNameList)) return NameList{ReadNameList(body())};
  if (HasKeyword(text, kReplyGet)) return NumberReply{ReadNumberRecord(body())};
  return std::monostate{};
}

}  // namespace ringlook::net
