// The messages that cross the connection: the request bytes the client builds and
// the readers of the server's messages. Every byte here is defined once.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ringlook::net {

// Server keywords, in the order the dispatch tests them.
inline constexpr std::string_view kWrongNick = "WRONGNICK";
inline constexpr std::string_view kMsg = "MSG";
inline constexpr std::string_view kNieuw = "NIEUW";
inline constexpr std::string_view kWijzig = "WIJZIG";
inline constexpr std::string_view kUpdateBellers = "UPDATEBELLERS";
inline constexpr std::string_view kHistory = "HISTORY";
inline constexpr std::string_view kReplyFind = "REPLYFIND";
inline constexpr std::string_view kNameList = "NAMELIST";
inline constexpr std::string_view kReplyGet = "REPLYGET";

// Request keywords; HISTORY, NAMELIST and MSG share their bytes with the server's.
inline constexpr std::string_view kNick = "NICK";
inline constexpr std::string_view kFind = "FIND";
inline constexpr std::string_view kGet = "GET";
inline constexpr std::string_view kAdd = "ADD";
inline constexpr std::string_view kSet = "SET";
inline constexpr std::string_view kDelete = "DELETE";

// The flag of a caller record and of a directory entry.
inline constexpr std::string_view kFlagPlain = "0";
inline constexpr std::string_view kFlagNote = "1";
inline constexpr std::string_view kFlagAlert = "2";

// One call as the server describes it: five fields, each followed by "^".
struct CallerRecord {
  std::string Name;
  std::string Flag;
  std::string Detail;
  std::string Number;
  std::string TodayCount;

  // Bytes after the fifth "^" are ignored; fields from the first missing "^" on are empty.
  static CallerRecord Read(std::string_view record);
};

// The directory entry of one number, as REPLYGET carries it and SET sends it.
struct NumberRecord {
  std::string Number;
  std::string Name;
  std::string Note;
  std::string Flag;
};

// Requests: exactly the bytes of one SendBytes call.
std::string HistoryRequest();
std::string NickRequest(std::string_view nickname);
std::string FindRequest(std::string_view searchText);
std::string GetRequest(std::string_view lineNumber);
std::string AddRequest(std::string_view numberField);
std::string SetRequest(std::string_view selectedNumber, std::string_view nameField, std::string_view noteText,
                       bool alertChecked);
std::string DeleteRequest(std::string_view lineNumber);
std::string NameListRequest();
std::string MsgRequest(std::string_view recipient, std::string_view sender, std::string_view body);

inline constexpr std::size_t kNameLimit = 37;
inline constexpr std::size_t kMessageLimit = 400;

// The flag SET sends: "2" for alert, else "1" when the trimmed note is not empty, else "0".
std::string FlagFor(std::string_view noteText, bool alertChecked);

// Reads a record list (HISTORY, REPLYFIND body after the keyword): while more than
// 10 bytes remain, hands the record before the next "~" to visit and drops it with
// its "~". visit returns false to stop at once. Returns the unread remainder.
std::string_view ReadRecordList(std::string_view list, const std::function<bool(std::string_view record)>& visit);

// The names of a name list (NAMELIST body): each name followed by "^"; bytes
// after the last "^" are no name.
std::vector<std::string_view> ReadNameList(std::string_view list);

// MSG body after the keyword: the sender field, then everything after its "^".
struct ReceivedMessage {
  std::string_view Sender;
  std::string_view Body;
};
ReceivedMessage ReadMessage(std::string_view afterKeyword);

// REPLYGET body after the keyword: four fields.
NumberRecord ReadNumberRecord(std::string_view afterKeyword);

// WIJZIG body after the keyword: the number whose lines change, their new name and flag.
struct ChangeNotice {
  std::string_view Number;
  std::string_view Name;
  std::string_view Flag;
};
ChangeNotice ReadChangeNotice(std::string_view afterKeyword);

// One server text, read once into what its first matching keyword (in the
// dispatch's fixed order) says. The views point into the text. Record lists
// stay unread here: they are read record by record, as they are shown.
struct WrongNickText {};
struct NewCall {
  CallerRecord Caller;
};
struct CallerCount {
  std::string_view Count;
};
struct TodaysCalls {
  std::string_view Records;
};
struct FoundCalls {
  std::string_view Records;
};
struct NameList {
  std::vector<std::string_view> Names;
};
struct NumberReply {
  NumberRecord Entry;
};
using ServerText = std::variant<std::monostate, WrongNickText, ReceivedMessage, NewCall, ChangeNotice, CallerCount,
                                TodaysCalls, FoundCalls, NameList, NumberReply>;
// std::monostate when no keyword matches.
ServerText ReadServerText(std::string_view text);

}  // namespace ringlook::net
