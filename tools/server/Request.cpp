// Reading a request: see Request.h.
#include "Request.h"

#include "common/Text.h"
#include "net/Fields.h"

namespace ringlook::server {

namespace {

Request WithArgument(RequestKind kind, std::string_view argument) {
  Request request;
  request.Kind = kind;
  request.Argument = argument;
  return request;
}

}  // namespace

Request ParseRequest(std::string_view text) {
  using net::HasKeyword;
  const std::string_view rest = net::TextAfter(text, net::kFieldSeparator);

  // The client sends HISTORY bare, without a separator.
  if (text == net::kHistory || HasKeyword(text, net::kHistory)) return WithArgument(RequestKind::History, "");
  if (HasKeyword(text, net::kNameList)) return WithArgument(RequestKind::NameList, "");
  if (HasKeyword(text, net::kNick)) return WithArgument(RequestKind::Nick, TrimmedView(rest));
  // The client trims what it sends; trimming here as well lets a hand-typed
  // request that ends in a line break find the same number or term.
  if (HasKeyword(text, net::kFind)) return WithArgument(RequestKind::Find, TrimmedView(rest));
  if (HasKeyword(text, net::kGet)) return WithArgument(RequestKind::Get, TrimmedView(rest));
  if (HasKeyword(text, net::kAdd)) return WithArgument(RequestKind::Add, TrimmedView(rest));
  if (HasKeyword(text, net::kDelete)) return WithArgument(RequestKind::Delete, TrimmedView(rest));
  if (HasKeyword(text, net::kSet)) {
    Request request;
    request.Kind = RequestKind::Set;
    request.Entry = net::ReadNumberRecord(rest);
    request.Entry.Number = TrimmedView(request.Entry.Number);
    return request;
  }
  if (HasKeyword(text, net::kMsg)) {
    Request request;
    request.Kind = RequestKind::Msg;
    std::string_view fields = rest;
    request.Recipient = net::NextField(fields);
    const net::ReceivedMessage message = net::ReadMessage(fields);
    request.Sender = message.Sender;
    request.Body = message.Body;
    return request;
  }
  return Request{};
}

}  // namespace ringlook::server
