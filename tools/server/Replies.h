// The server's side of the wire: the bytes of every message the server sends.
// Each function returns one whole message, to be written in one piece.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "net/Messages.h"

namespace ringlook::server {

// Five fields, each followed by "^": name, flag, detail, number, today's count.
std::string CallerRecordText(const net::CallerRecord& record);

// HISTORY^ or REPLYFIND^, then each record followed by "~".
std::string RecordListMessage(std::string_view keyword, const std::vector<net::CallerRecord>& records);

std::string NieuwMessage(const net::CallerRecord& record);
std::string UpdateBellersMessage(std::string_view todayCount);
std::string WijzigMessage(std::string_view number, std::string_view name, std::string_view flag);
std::string ReplyGetMessage(const net::NumberRecord& entry);
std::string NameListMessage(const std::vector<std::string>& nicknames);
std::string WrongNickMessage();
// What the recipient of a MSG request gets: the sender, then the body to the end.
std::string ForwardedMessage(std::string_view sender, std::string_view body);

}  // namespace ringlook::server
