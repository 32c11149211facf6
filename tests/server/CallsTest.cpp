// Incoming calls reach every client as NIEUW then UPDATEBELLERS, paced so that
// the client can tell the messages apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
  EXPECT_EQ(first->Ask("HISTORY"),
            "HISTORY^Onbekend^0^lijn 4^0699^3^~Autobedrijf Jansen^2^10:00 lijn 1^0612345678^3^~"
            "Onbekend^0^eerder^0384211234^3^~")
      << "calls are logged";
}

// On the pace clock: nothing but the test moves it, so each write shows at its moment.
TEST_F(Calls, MessagesToOneClientAreWrittenWholeAndAtLeast250msApart) {
  auto client = Connect();
  ASSERT_TRUE(WaitUntil([&] { return server_->Clients().size() == 1; }));
  const auto written = [&] {
    return static_cast<std::size_t>(
        std::count_if(log_.begin(), log_.end(), [](const QString& line) { return line.startsWith("-> "); }));
  };

  // Two calls at once: four messages queued in the same instant, the first written at once.
  server_->InjectCall("0101", "een");
  server_->InjectCall("0202", "twee");
  const std::vector<std::string> queued = {"NIEUW^Onbekend^0^een^0101^1^", "UPDATEBELLERS^1",
                                           "NIEUW^Onbekend^0^twee^0202^2^", "UPDATEBELLERS^2"};
  for (std::size_t i = 0; i < queued.size(); ++i) {
    EXPECT_EQ(client->Receive(), queued[i]);
    if (i + 1 == queued.size()) break;
    // The gap counts from the moment the message has left for the client.
    ASSERT_TRUE(WaitUntil([&] { return pace_.Waiting(); }));
    pace_.Advance(249);
    EXPECT_EQ(written(), i + 1) << "249 ms after message " << i;
    pace_.Advance(1);
    EXPECT_EQ(written(), i + 2) << "250 ms after message " << i;
  }

  // Queued a while after the last write, a message waits only the rest of the gap.
  int calls = 2;
  for (const qint64 after : {100, 249}) {
    const std::size_t before = written();
    const std::string count = std::to_string(++calls);
    pace_.Advance(after);
    server_->InjectCall("0303", "later");
    pace_.Advance(249 - after);
    EXPECT_EQ(written(), before) << "queued " << after << " ms after the last write";
    pace_.Advance(1);
    EXPECT_EQ(written(), before + 1) << "queued " << after << " ms after the last write";
    EXPECT_EQ(client->Receive(), "NIEUW^Onbekend^0^later^0303^" + count + "^");
    ASSERT_TRUE(WaitUntil([&] { return pace_.Waiting(); }));
    pace_.Advance(250);
    EXPECT_EQ(client->Receive(), "UPDATEBELLERS^" + count);
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
