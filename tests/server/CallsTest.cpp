// Incoming calls reach every client as NIEUW then UPDATEBELLERS, paced so that
// the client can tell the messages apart.
#include <gtest/gtest.h>

#include "ServerFixture.h"
#include "net/Fields.h"
#include "net/Messages.h"

namespace ringlook::server::test {
namespace {

class Calls : public ServerFixture {};

TEST_F(Calls, AnInjectedCallIsAnnouncedToEveryClientThenTheCount) {
  store_->Put({"0612345678", "Autobedrijf Jansen", "Factuur", "2"});
  store_->LogCall("0384211234", "eerder", now_.addSecs(-600));
  auto first = Connect();
  auto second = Connect();
  ASSERT_TRUE(WaitUntil([&] { return server_->Clients().size() == 2; }));

  server_->InjectCall("0612345678");
  server_->InjectCall("0699", "lijn 4");
  for (auto* client : {first.get(), second.get()}) {
    EXPECT_EQ(client->Receive(), "NIEUW^Autobedrijf Jansen^2^10:00 lijn 1^0612345678^2^");
    EXPECT_EQ(client->Receive(), "UPDATEBELLERS^2");
    EXPECT_EQ(client->Receive(), "NIEUW^Onbekend^0^lijn 4^0699^3^");
    EXPECT_EQ(client->Receive(), "UPDATEBELLERS^3");
  }
  first->Send("HISTORY");
  EXPECT_EQ(first->Receive(),
            "HISTORY^Onbekend^0^lijn 4^0699^3^~Autobedrijf Jansen^2^10:00 lijn 1^0612345678^3^~"
            "Onbekend^0^eerder^0384211234^3^~")
      << "calls are logged";
}

TEST_F(Calls, MessagesToOneClientAreWrittenWholeAndAtLeast250msApart) {
  auto client = Connect();
  ASSERT_TRUE(WaitUntil([&] { return server_->Clients().size() == 1; }));

  // Two calls at once: four messages queued in the same instant.
  server_->InjectCall("0101", "een");
  server_->InjectCall("0202", "twee");
  EXPECT_EQ(client->Receive(), "NIEUW^Onbekend^0^een^0101^1^");
  EXPECT_EQ(client->Receive(), "UPDATEBELLERS^1");
  EXPECT_EQ(client->Receive(), "NIEUW^Onbekend^0^twee^0202^2^");
  EXPECT_EQ(client->Receive(), "UPDATEBELLERS^2");

  const auto& messages = client->Messages();
  ASSERT_EQ(messages.size(), 4u);
  for (std::size_t i = 1; i < messages.size(); ++i) {
    // The gap is measured from the server's side; a few ms of slack for when
    // this process noticed the bytes.
    EXPECT_GE(messages[i].FirstByteMs - messages[i - 1].LastByteMs, 235) << "before message " << i;
  }
}

TEST_F(Calls, SimulatedCallsComeFromTheDirectoryOrFromUnknownMobiles) {
  store_->Put({"0384211234", "Bakkerij De Korenaar", "", "0"});
  auto client = Connect();
  ASSERT_TRUE(WaitUntil([&] { return server_->Clients().size() == 1; }));

  server_->SetSimulation(50);
  const std::string nieuw = client->Receive();
  server_->SetSimulation(0);

  ASSERT_TRUE(net::HasKeyword(nieuw, net::kNieuw)) << nieuw;
  const net::CallerRecord call = net::CallerRecord::Read(net::TextAfter(nieuw, '^'));
  if (call.Number == "0384211234") {
    EXPECT_EQ(call.Name, "Bakkerij De Korenaar");
  } else {
    EXPECT_EQ(call.Name, "Onbekend");
    EXPECT_EQ(call.Number.size(), 10u);
    EXPECT_EQ(call.Number.substr(0, 2), "06");
  }
  EXPECT_EQ(call.Detail.substr(0, 11), "10:00 lijn ");
  EXPECT_EQ(call.TodayCount, "1");
  EXPECT_EQ(client->Receive(), "UPDATEBELLERS^1");
  EXPECT_GE(store_->CountOn(now_.date()), 1);
}

}  // namespace
}  // namespace ringlook::server::test
