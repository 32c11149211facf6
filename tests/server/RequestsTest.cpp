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

  client->Send("HISTORY");
  EXPECT_EQ(client->Receive(),
            "HISTORY^Autobedrijf Jansen^2^09:45 lijn 3^0612345678^3^~"
            "Onbekend^0^09:30 lijn 2^0699999999^3^~"
            "Bakkerij De Korenaar^0^09:00 lijn 1^0384211234^3^~");

  now_ = now_.addDays(1);
  client->Send("HISTORY");
  EXPECT_EQ(client->Receive(), "HISTORY^") << "a new day starts empty";
}

TEST_F(Requests, FindMatchesNameOrNumberIgnoringTheCaseOfAToZNewestFirst) {
  store_->Put({"0572351122", "Caf\xe9 De Zwaan", "", "0"});
  store_->Put({"0384211234", "Bakkerij De Korenaar", "", "1"});
  store_->LogCall("0572351122", "eergisteren", now_.addDays(-2));
  store_->LogCall("0384211234", "gisteren", now_.addDays(-1));
  store_->LogCall("0612000572", "vandaag", now_);
  auto client = Connect();

  client->Send("FIND^0572");
  EXPECT_EQ(client->Receive(),
            "REPLYFIND^Onbekend^0^vandaag^0612000572^1^~Caf\xe9 De Zwaan^0^eergisteren^0572351122^1^~");
  client->Send("FIND^CAF\xe9");
  EXPECT_EQ(client->Receive(), "REPLYFIND^Caf\xe9 De Zwaan^0^eergisteren^0572351122^1^~");
  client->Send("FIND^korenaar");
  EXPECT_EQ(client->Receive(), "REPLYFIND^Bakkerij De Korenaar^1^gisteren^0384211234^1^~");
  client->Send("FIND^CAF\xc9");
  EXPECT_EQ(client->Receive(), "REPLYFIND^") << "an accented capital is another letter";
}

TEST_F(Requests, FindStopsAtThreeHundredNewestRecords) {
  for (int i = 0; i < 305; ++i) store_->LogCall("0384211234", std::to_string(i), now_.addSecs(-i));
  auto client = Connect();

  client->Send("FIND^0384");
  const std::string reply = client->Receive();
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

  client->Send("GET^0123");
  EXPECT_EQ(client->Receive(), "REPLYGET^0123^Ann^bel terug\r\nmorgen^2^");
  client->Send("GET^0999");
  EXPECT_EQ(client->Receive(), "REPLYGET^0999^^^0^");
  EXPECT_FALSE(store_->Entry("0999")) << "GET does not create";

  client->Send("ADD^0999");
  EXPECT_EQ(client->Receive(), "REPLYGET^0999^^^0^");
  EXPECT_TRUE(store_->Entry("0999"));
  client->Send("ADD^0123");
  EXPECT_EQ(client->Receive(), "REPLYGET^0123^Ann^bel terug\r\nmorgen^2^") << "ADD keeps an existing entry";
  client->Send("ADD^");
  EXPECT_EQ(client->Receive(), "REPLYGET^^^^0^") << "the client waits for an answer even without a number";
  EXPECT_FALSE(store_->Entry(""));
}

TEST_F(Requests, SetStoresTheEntryAndTellsEveryClient) {
  auto editor = Connect();
  auto other = Connect();

  editor->Send("SET^0123^Ann^bel terug^2^");
  EXPECT_EQ(editor->Receive(), "WIJZIG^0123^Ann^2^");
  EXPECT_EQ(other->Receive(), "WIJZIG^0123^Ann^2^");
  editor->Send("GET^0123");
  EXPECT_EQ(editor->Receive(), "REPLYGET^0123^Ann^bel terug^2^");

  editor->Send("SET^0123^^^0^");
  EXPECT_EQ(editor->Receive(), "WIJZIG^0123^Onbekend^0^") << "the name the lists show for a nameless number";
  EXPECT_EQ(other->Receive(), "WIJZIG^0123^Onbekend^0^");

  SendAndWaitHandled(*editor, "SET^^Niemand^^0^");
  EXPECT_FALSE(store_->Entry(""));
  other->Send("NAMELIST^");
  EXPECT_EQ(other->Receive(), "NAMELIST^") << "no change notice for a change without a number";
}

TEST_F(Requests, DeleteRemovesEveryCallOfThatNumberOnly) {
  store_->LogCall("0123", "gisteren", now_.addDays(-1));
  store_->LogCall("0123", "x", now_.addSecs(-60));
  store_->LogCall("0456", "y", now_.addSecs(-30));
  store_->LogCall("0123", "z", now_.addSecs(-10));
  auto client = Connect();

  SendAndWaitHandled(*client, "DELETE^0123");
  client->Send("HISTORY");
  EXPECT_EQ(client->Receive(), "HISTORY^Onbekend^0^y^0456^1^~");
  client->Send("FIND^0123");
  EXPECT_EQ(client->Receive(), "REPLYFIND^");
}

TEST_F(Requests, ANicknameInUseIsRefusedUntilItsHolderLeaves) {
  auto jan = ConnectAs("Jan");
  auto piet = Connect();

  piet->Send("NICK^jan");
  EXPECT_EQ(piet->Receive(), "WRONGNICK^");
  piet->Send("NICK^Piet");
  EXPECT_TRUE(WaitUntil([&] { return server_->Nicknames().size() == 2; }));
  SendAndWaitHandled(*jan, "NICK^Jan");  // sent again every minute: no conflict with itself
  jan->Send("NAMELIST^");
  EXPECT_EQ(jan->Receive(), "NAMELIST^Jan^Piet^");

  jan->Abort();
  EXPECT_TRUE(WaitUntil([&] { return server_->Nicknames().size() == 1; }));
  SendAndWaitHandled(*piet, "NICK^Jan");
  piet->Send("NAMELIST^");
  EXPECT_EQ(piet->Receive(), "NAMELIST^Jan^");
}

TEST_F(Requests, MsgGoesToTheRecipientOnly) {
  auto jan = ConnectAs("Jan");
  auto piet = ConnectAs("Piet");
  auto kees = ConnectAs("Kees");

  jan->Send("MSG^piet^ Jan ^see you ^ at 5\r\nok?");
  EXPECT_EQ(piet->Receive(), "MSG^ Jan ^see you ^ at 5\r\nok?");
  kees->Send("NAMELIST^");
  EXPECT_EQ(kees->Receive(), "NAMELIST^Jan^Piet^Kees^");
  jan->Send("NAMELIST^");
  EXPECT_EQ(jan->Receive(), "NAMELIST^Jan^Piet^Kees^");

  SendAndWaitHandled(*jan, "MSG^Niemand^Jan^hallo");
  for (auto* client : {jan.get(), piet.get(), kees.get()}) {
    client->Send("NAMELIST^");
    EXPECT_EQ(client->Receive(), "NAMELIST^Jan^Piet^Kees^");
  }
}

TEST_F(Requests, TextThatIsNoRequestIsIgnored) {
  auto client = Connect();
  SendAndWaitHandled(*client, "history");
  SendAndWaitHandled(*client, " HISTORY");
  client->Send("NAMELIST^");
  EXPECT_EQ(client->Receive(), "NAMELIST^");
}

}  // namespace
}  // namespace ringlook::server::test
