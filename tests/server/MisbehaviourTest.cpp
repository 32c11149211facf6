// Clients that send too much, send junk, hang up mid-way or never read must not
// take the server or the other clients down with them.
#include <gtest/gtest.h>

#include "ServerFixture.h"

namespace ringlook::server::test {
namespace {

class Misbehaviour : public ServerFixture {};

TEST_F(Misbehaviour, HugeJunkSilentAndVanishingClientsLeaveAnotherUndisturbed) {
  auto good = ConnectAs("Jan");

  auto huge = Connect();
  huge->Send(std::string(70 * 1024, 'x'));
  EXPECT_TRUE(huge->WaitForClose()) << "a request over 64 KiB closes its connection";

  auto junk = Connect();
  SendAndWaitHandled(*junk, "\x01\xff^^~~\r\nGARBAGE");
  auto silent = Connect();
  auto crasher = Connect();
  crasher->Send("GET^01");
  crasher->Abort();
  ASSERT_TRUE(WaitUntil([&] { return server_->Clients().size() == 3; }));

  auto leaver = Connect();
  ASSERT_TRUE(WaitUntil([&] { return server_->Clients().size() == 4; }));
  server_->InjectCall("0612345678", "lijn 2");
  leaver->Abort();  // its UPDATEBELLERS is still waiting for the gap

  for (auto* client : {good.get(), junk.get(), silent.get()}) {
    EXPECT_EQ(client->Receive(), "NIEUW^Onbekend^0^lijn 2^0612345678^1^");
    EXPECT_EQ(client->Receive(), "UPDATEBELLERS^1");
  }
  EXPECT_TRUE(WaitUntil([&] { return server_->Clients().size() == 3; }));
  EXPECT_EQ(junk->Ask("NAMELIST^"), "NAMELIST^Jan^") << "the junk sender is still served";
}

TEST_F(Misbehaviour, ARequestJustUnderTheLimitIsAnswered) {
  auto client = Connect();
  EXPECT_EQ(client->Ask("FIND^" + std::string(60 * 1024, 'z')), "REPLYFIND^");
  EXPECT_TRUE(client->Connected());
}

TEST_F(Misbehaviour, AClientThatLetsTooMuchPileUpIsDroppedAlone) {
  StartServer({.MaxPendingBytes = 100});
  for (int i = 0; i < 5; ++i) store_->LogCall("0384211234", "09:00 lijn 1", now_.addSecs(-60 * i));
  auto greedy = Connect();
  auto other = Connect();

  greedy->Send("HISTORY");  // far more than 100 bytes
  EXPECT_TRUE(greedy->WaitForClose());
  server_->InjectCall("0101", "x");
  EXPECT_EQ(other->Receive(), "NIEUW^Onbekend^0^x^0101^6^");
}

}  // namespace
}  // namespace ringlook::server::test
