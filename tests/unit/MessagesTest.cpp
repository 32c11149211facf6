// Request bytes and the readers of the server's messages, byte exact.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/Fields.h"
#include "net/Messages.h"

namespace ringlook::net {
namespace {

TEST(Requests, HaveExactlyTheirBytes) {
  EXPECT_EQ(HistoryRequest(), "HISTORY");
  EXPECT_EQ(NameListRequest(), "NAMELIST^");
  EXPECT_EQ(NickRequest(" Jan "), "NICK^Jan");
  EXPECT_EQ(FindRequest("  caf\xe9 lijst "), "FIND^CAF\xe9 LIJST");
  EXPECT_EQ(FindRequest(" abc \xe9 "), "FIND^ABC \xe9");
  EXPECT_EQ(FindRequest(""), "FIND^");
  EXPECT_EQ(GetRequest("0123"), "GET^0123");
  EXPECT_EQ(AddRequest(" 0612 "), "ADD^0612");
  EXPECT_EQ(AddRequest(""), "ADD^");
  EXPECT_EQ(DeleteRequest("0123"), "DELETE^0123");
  EXPECT_EQ(MsgRequest("Ann", " Jan ", "see you ^ at 5"), "MSG^Ann^ Jan ^see you ^ at 5");
}

TEST(Requests, SetCutsTheNameTrimsTheNoteAndChoosesTheFlag) {
  EXPECT_EQ(SetRequest("0123", "Ann", "bel terug", true), "SET^0123^Ann^bel terug^2^");
  EXPECT_EQ(SetRequest("0123", "Ann", "", true), "SET^0123^Ann^^2^") << "alert wins without a note";
  EXPECT_EQ(SetRequest("0123", " Ann ", " \r\n \r\n", false), "SET^0123^Ann^^0^");
  EXPECT_EQ(SetRequest("0123", "Ann", " regel 1\r\nregel 2 ", false), "SET^0123^Ann^regel 1\r\nregel 2^1^");
  const std::string forty = "Stichting Woningcorporatie Oost-Nederla";  // 39 bytes
  EXPECT_EQ(SetRequest("1", forty + "nd", "", false), "SET^1^" + forty.substr(0, 37) + "^^0^");
  EXPECT_EQ(SetRequest("1", std::string(36, 'a') + "  tail", "", false), "SET^1^" + std::string(36, 'a') + "^^0^")
      << "cut to 37 first, then trimmed";
  const std::string longNote = std::string(1500, 'n') + "\r\nstaart";
  EXPECT_EQ(SetRequest("1", "Ann", longNote, false), "SET^1^Ann^" + longNote + "^1^") << "the note goes whole";
}

// A record's fields joined by '|', so that one comparison shows every field.
std::string Fields(const CallerRecord& r) {
  return r.Name + "|" + r.Flag + "|" + r.Detail + "|" + r.Number + "|" + r.TodayCount;
}
std::string Fields(const NumberRecord& r) { return r.Number + "|" + r.Name + "|" + r.Note + "|" + r.Flag; }
std::string Fields(const ReceivedMessage& m) { return std::string(m.Sender) + "|" + std::string(m.Body); }

TEST(CallerRecord, ReadsFiveFieldsAndEmptiesFromTheFirstMissingSeparator) {
  EXPECT_EQ(Fields(CallerRecord::Read("Ann^0^abc^0123^2^ignored")), "Ann|0|abc|0123|2");
  EXPECT_EQ(Fields(CallerRecord::Read("Jan^0^")), "Jan|0|||");
  EXPECT_EQ(CallerRecord::Read("a^b^c^d^17").TodayCount, "") << "the count needs its closing ^";
}

std::vector<std::string> Records(std::string_view list, std::string_view* rest = nullptr) {
  std::vector<std::string> out;
  const std::string_view left = ReadRecordList(list, [&](std::string_view r) {
    out.emplace_back(r);
    return true;
  });
  if (rest != nullptr) *rest = left;
  return out;
}

TEST(RecordList, ReadsWhileMoreThanTenBytesRemain) {
  EXPECT_EQ(Records("Ann^0^abc^0123^2^~Bob^2^def^0456^2^~"),
            (std::vector<std::string>{"Ann^0^abc^0123^2^", "Bob^2^def^0456^2^"}));
  EXPECT_TRUE(Records("12345~").empty()) << "6 bytes are not more than 10";
  EXPECT_TRUE(Records("").empty());
  std::string_view rest;
  EXPECT_EQ(Records("a^b^c^d^e^~a^b^c^d^e^~a^b^c^d^e^~\r\n", &rest).size(), 3u);
  EXPECT_EQ(rest, "\r\n");
  EXPECT_EQ(Records("0123456789").size(), 0u);
  EXPECT_EQ(Records("0123456789A").size(), 1u) << "11 bytes are read";
  EXPECT_EQ(Records("Ann^0^abc^0123^2^~Bob^2^def^0456^2^"), (std::vector<std::string>{"Ann^0^abc^0123^2^", ""}))
      << "a last record without its tilde is handed over empty";
}

TEST(RecordList, StopsWhenTheVisitorSaysSo) {
  int seen = 0;
  const auto rest = ReadRecordList("Ann^0^abc^0123^2^~Bob^2^def^0456^2^~", [&](std::string_view) {
    ++seen;
    return false;
  });
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(rest, "Ann^0^abc^0123^2^~Bob^2^def^0456^2^~") << "the stopping record is not dropped";
}

TEST(NameList, ReadsNamesFollowedBySeparators) {
  EXPECT_EQ(ReadNameList("Ann^Bob"), std::vector<std::string_view>{"Ann"}) << "Bob has no separator";
  EXPECT_EQ(ReadNameList("^Ann^^"), (std::vector<std::string_view>{"", "Ann", ""}));
}

TEST(ServerMessages, MsgKeepsSeparatorsAndLineBreaksInTheBody) {
  EXPECT_EQ(Fields(ReadMessage(TextAfter("MSG^Ann^see you ^ at 5\r\nbye", '^'))), "Ann|see you ^ at 5\r\nbye");
  EXPECT_EQ(Fields(ReadMessage("no separator")), "|no separator");
}

TEST(ServerMessages, ReplyGetReadsANumberRecord) {
  EXPECT_EQ(Fields(ReadNumberRecord("0123^Ann^bel terug\r\nmorgen^2^")), "0123|Ann|bel terug\r\nmorgen|2");
  EXPECT_EQ(Fields(ReadNumberRecord("")), "|||");
}

TEST(RoundTrip, SetRequestReadsBackAsTheRecordItCarries) {
  const std::string set = SetRequest("0123", "Ann", "bel\r\nterug", true);
  ASSERT_TRUE(HasKeyword(set, "SET"));
  EXPECT_EQ(Fields(ReadNumberRecord(TextAfter(set, '^'))), "0123|Ann|bel\r\nterug|2");
}

}  // namespace
}  // namespace ringlook::net
