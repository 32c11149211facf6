// Every request over a real connection, and the answer the client gets.
#include <gtest/gtest.h>

#include "ServerFixture.h"
#include "net/Fields.h"
#include "net/Messages.h"

namespace ringlook::server::test {
namespace {

class Requests : public ServerFixture {};

TEST_F(Requests, HistoryListsTodaysCallsNewestFirstEachWithTodaysCount) {
  store_->Put({"0384211234", "Bakkerij De Korenaar", "", "0"});
  store_->Put({"0612345678", "Autobedrijf Jansen", "Factuur", "2"});
  store_->LogCall("0384211234", "gisteren", now_.addDays(-1));
  store_->LogCall("0384211234", "09:00 lijn 1", now_.addSecs(-3600));
  store_->LogCall("0699999999", "09:30 lijn 2", now_.addSecs(-1800));
  store_->LogCall("0612345678", "09:45 lijn 3", now_.addSecs(-900));
  auto client = Connect();

  EXPECT_EQ(client->Ask("HISTORY"),
            "HISTORY^Autobedrijf Jansen^2^09:45 lijn 3^0612345678^3^~"
            "Onbekend^0^09:30 lijn 2^0699999999^3^~"
            "Bakkerij De Korenaar^0^09:00 lijn 1^0384211234^3^~");

  now_ = now_.addDays(1);
  EXPECT_EQ(client->Ask("HISTORY"), "HISTORY^") << "a new day starts empty";
}

TEST_F(Requests, FindMatchesNameOrNumberIgnoringTheCaseOfAToZNewestFirst) {
  store_->Put({"0572351122", "Caf\xe9 De Zwaan", "", "0"});
  store_->Put({"0384211234", "Bakkerij De Korenaar", "", "1"});
  store_->LogCall("0572351122", "eergisteren", now_.addDays(-2));
  store_->LogCall("0384211234", "gisteren", now_.addDays(-1));
  store_->LogCall("0612000572", "vandaag", now_);
  auto client = Connect();

  EXPECT_EQ(client->Ask("FIND^0572"),
            "REPLYFIND^Onbekend^0^vandaag^0612000572^1^~Caf\xe9 De Zwaan^0^eergisteren^0572351122^1^~");
  EXPECT_EQ(client->Ask("FIND^CAF\xe9"), "REPLYFIND^Caf\xe9 De Zwaan^0^eergisteren^0572351122^1^~");
  EXPECT_EQ(client->Ask("FIND^korenaar"), "REPLYFIND^Bakkerij De Korenaar^1^gisteren^0384211234^1^~");
  EXPECT_EQ(client->Ask("FIND^CAF\xc9"), "REPLYFIND^") << "an accented capital is another letter";
}

TEST_F(Requests, FindStopsAtThreeHundredNewestRecords) {
  for (int i = 0; i < 305; ++i) store_->LogCall("0384211234", std::to_string(i), now_.addSecs(-i));
  auto client = Connect();

  const std::string reply = client->Ask("FIND^0384");
  ASSERT_TRUE(net::HasKeyword(reply, net::kReplyFind));
  std::vector<std::string> details;
  net::ReadRecordList(net::TextAfter(reply, '^'), [&](std::string_view record) {
    details.push_back(net::CallerRecord::Read(record).Detail);
    return true;
  });
  ASSERT_EQ(details.size(), 300u);
  EXPECT_EQ(details.front(), "0");
  EXPECT_EQ(details.back(), "299");
}

TEST_F(Requests, GetAnswersTheEntryAndAddCreatesAnEmptyOne) {
  store_->Put({"0123", "Ann", "bel terug\r\nmorgen", "2"});
  auto client = Connect();

  EXPECT_EQ(client->Ask("GET^0123"), "REPLYGET^0123^Ann^bel terug\r\nmorgen^2^");
  EXPECT_EQ(client->Ask("GET^0999"), "REPLYGET^0999^^^0^");
  EXPECT_FALSE(store_->Entry("0999")) << "GET does not create";

  EXPECT_EQ(client->Ask("ADD^0999"), "REPLYGET^0999^^^0^");
  EXPECT_TRUE(store_->Entry("0999"));
  EXPECT_EQ(client->Ask("ADD^0123"), "REPLYGET^0123^Ann^bel terug\r\nmorgen^2^") << "ADD keeps an existing entry";
  EXPECT_EQ(client->Ask("ADD^"), "REPLYGET^^^^0^") << "the client waits for an answer even without a number";
  EXPECT_FALSE(store_->Entry(""));
}

TEST_F(Requests, SetStoresTheEntryAndTellsEveryClient) {
  auto editor = Connect();
  auto other = Connect();

  EXPECT_EQ(editor->Ask("SET^0123^Ann^bel terug^2^"), "WIJZIG^0123^Ann^2^");
  EXPECT_EQ(other->Receive(), "WIJZIG^0123^Ann^2^");
  EXPECT_EQ(editor->Ask("GET^0123"), "REPLYGET^0123^Ann^bel terug^2^");

  EXPECT_EQ(editor->Ask("SET^0123^^^0^"), "WIJZIG^0123^Onbekend^0^") << "the name the lists show for a nameless number";
  EXPECT_EQ(other->Receive(), "WIJZIG^0123^Onbekend^0^");

  SendAndWaitHandled(*editor, "SET^^Niemand^^0^");
  EXPECT_FALSE(store_->Entry(""));
  EXPECT_EQ(other->Ask("NAMELIST^"), "NAMELIST^") << "no change notice for a change without a number";
}

TEST_F(Requests, DeleteRemovesEveryCallOfThatNumberOnly) {
  store_->LogCall("0123", "gisteren", now_.addDays(-1));
  store_->LogCall("0123", "x", now_.addSecs(-60));
  store_->LogCall("0456", "y", now_.addSecs(-30));
  store_->LogCall("0123", "z", now_.addSecs(-10));
  auto client = Connect();

  SendAndWaitHandled(*client, "DELETE^0123");
  EXPECT_EQ(client->Ask("HISTORY"), "HISTORY^Onbekend^0^y^0456^1^~");
  EXPECT_EQ(client->Ask("FIND^0123"), "REPLYFIND^");
}

TEST_F(Requests, ANicknameInUseIsRefusedUntilItsHolderLeaves) {
  auto jan = ConnectAs("Jan");
  auto piet = Connect();

  EXPECT_EQ(piet->Ask("NICK^jan"), "WRONGNICK^");
  piet->Send("NICK^Piet");
  EXPECT_TRUE(WaitUntil([&] { return server_->Nicknames().size() == 2; }));
  SendAndWaitHandled(*jan, "NICK^Jan");  // sent again every minute: no conflict with itself
  EXPECT_EQ(jan->Ask("NAMELIST^"), "NAMELIST^Jan^Piet^");

  jan->Abort();
  EXPECT_TRUE(WaitUntil([&] { return server_->Nicknames().size() == 1; }));
  SendAndWaitHandled(*piet, "NICK^Jan");
  EXPECT_EQ(piet->Ask("NAMELIST^"), "NAMELIST^Jan^");
}

TEST_F(Requests, MsgGoesToTheRecipientOnly) {
  auto jan = ConnectAs("Jan");
  auto piet = ConnectAs("Piet");
  auto kees = ConnectAs("Kees");

  jan->Send("MSG^piet^ Jan ^see you ^ at 5\r\nok?");
  EXPECT_EQ(piet->Receive(), "MSG^ Jan ^see you ^ at 5\r\nok?");
  EXPECT_EQ(kees->Ask("NAMELIST^"), "NAMELIST^Jan^Piet^Kees^");
  EXPECT_EQ(jan->Ask("NAMELIST^"), "NAMELIST^Jan^Piet^Kees^");

  SendAndWaitHandled(*jan, "MSG^Niemand^Jan^hallo");
  for (auto* client : {jan.get(), piet.get(), kees.get()}) {
    EXPECT_EQ(client->Ask("NAMELIST^"), "NAMELIST^Jan^Piet^Kees^");
  }
}

TEST_F(Requests, TextThatIsNoRequestIsIgnored) {
  auto client = Connect();
  SendAndWaitHandled(*client, "history");
  SendAndWaitHandled(*client, " HISTORY");
  EXPECT_EQ(client->Ask("NAMELIST^"), "NAMELIST^");
}

}  // namespace
}  // namespace ringlook::server::test
