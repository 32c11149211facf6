// Reading requests: which bytes make which request, and their fields.
#include <gtest/gtest.h>

#include <string>

#include "server/Request.h"

namespace ringlook::server {
namespace {

TEST(ParseRequest, GivesKindAndArgument) {
  struct Case {
    const char* Text;
    RequestKind Kind;
    const char* Argument;
  };
  for (const Case& c : {Case{"HISTORY", RequestKind::History, ""}, Case{"HISTORY^", RequestKind::History, ""},
                        Case{"HISTORYX", RequestKind::Unknown, ""}, Case{"history", RequestKind::Unknown, ""},
                        Case{" HISTORY", RequestKind::Unknown, ""}, Case{"NAMELIST^", RequestKind::NameList, ""},
                        Case{"NAMELIST", RequestKind::Unknown, ""}, Case{"NICK^ Jan \r\n", RequestKind::Nick, "Jan"},
                        Case{"FIND^CAF\xe9 LIJST", RequestKind::Find, "CAF\xe9 LIJST"},
                        Case{"FIND^", RequestKind::Find, ""}, Case{"GET^0123\r\n", RequestKind::Get, "0123"},
                        Case{"ADD^", RequestKind::Add, ""}, Case{"ADD^0612", RequestKind::Add, "0612"},
                        Case{"DELETE^0123", RequestKind::Delete, "0123"}, Case{"", RequestKind::Unknown, ""},
                        Case{"\x01\xff^~", RequestKind::Unknown, ""}, Case{"MSGX^a^b^c", RequestKind::Unknown, ""}}) {
    // Printed with the bytes outside printable ASCII escaped.
    SCOPED_TRACE(::testing::PrintToString(std::string(c.Text)));
    const Request request = ParseRequest(c.Text);
    EXPECT_EQ(request.Kind, c.Kind);
    EXPECT_EQ(request.Argument, c.Argument);
  }
}

TEST(ParseRequest, SetReadsTheNumberRecord) {
  const Request set = ParseRequest("SET^0123^Ann^bel terug\r\nmorgen^2^");
  ASSERT_EQ(set.Kind, RequestKind::Set);
  EXPECT_EQ(set.Entry.Number, "0123");
  EXPECT_EQ(set.Entry.Name, "Ann");
  EXPECT_EQ(set.Entry.Note, "bel terug\r\nmorgen");
  EXPECT_EQ(set.Entry.Flag, "2");

  const Request cut = ParseRequest("SET^0123^Ann");
  ASSERT_EQ(cut.Kind, RequestKind::Set);
  EXPECT_EQ(cut.Entry.Number, "0123");
  EXPECT_EQ(cut.Entry.Name, "") << "a field counts only when a separator follows it";
}

TEST(ParseRequest, MsgKeepsTheSenderAsSentAndTheBodyToTheEnd) {
  const Request msg = ParseRequest("MSG^Piet^ Jan ^see you ^ at 5\r\n");
  ASSERT_EQ(msg.Kind, RequestKind::Msg);
  EXPECT_EQ(msg.Recipient, "Piet");
  EXPECT_EQ(msg.Sender, " Jan ");
  EXPECT_EQ(msg.Body, "see you ^ at 5\r\n");
}

}  // namespace
}  // namespace ringlook::server
