// One request as the server reads it from a client's burst of bytes.
#pragma once

#include <string>
#include <string_view>

#include "net/Messages.h"

namespace ringlook::server {

enum class RequestKind { History, Nick, Find, Get, Add, Set, Delete, NameList, Msg, Unknown };

struct Request {
  RequestKind Kind = RequestKind::Unknown;
  // NICK: the nickname; FIND: the term; GET, ADD, DELETE: the number.
  std::string Argument;
  // SET: the entry to store.
  net::NumberRecord Entry;
  // MSG: who gets it, who sent it, and the body that runs to the end.
  std::string Recipient;
  std::string Sender;
  std::string Body;
};

// Anything that is not one of the nine requests reads as Unknown.
Request ParseRequest(std::string_view text);

}  // namespace ringlook::server
