// Feeds arbitrary bytes through the field operations and the readers of every
// server message; any crash, overflow or undefined behaviour is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "net/Fields.h"
#include "net/Messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ringlook::net;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::size_t total = FieldBefore(text, '^').size() + DropThrough(text, '~').size() + TextAfter(text, '^').size();
  for (std::string_view keyword :
       {kWrongNick, kMsg, kNieuw, kWijzig, kUpdateBellers, kHistory, kReplyFind, kNameList, kReplyGet}) {
    total += HasKeyword(text, keyword) ? 1 : 0;
  }
  const std::string_view body = TextAfter(text, '^');
  ReadRecordList(body, [&](std::string_view record) {
    const CallerRecord r = CallerRecord::Read(record);
    total += r.Name.size() + r.Flag.size() + r.Detail.size() + r.Number.size() + r.TodayCount.size();
    return !record.empty();
  });
  for (const std::string_view name : ReadNameList(body)) total += name.size();
  const ReceivedMessage m = ReadMessage(body);
  total += m.Sender.size() + m.Body.size();
  total += ReadNumberRecord(body).Note.size();
  std::string_view fields = text;
  while (!fields.empty() && fields.find('^') != std::string_view::npos) total += NextField(fields).size();
  volatile std::size_t sink = total;
  (void)sink;
  return 0;
}
