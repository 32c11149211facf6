// Commands typed at the server: calls and messages reach the clients, the day moves on.
#include <gtest/gtest.h>

#include "ServerFixture.h"
#include "server/Console.h"

namespace ringlook::server::test {
namespace {

class ConsoleCommands : public ServerFixture {};

TEST_F(ConsoleCommands, CallAndMsgReachTheClientsQuitStops) {
  store_->Put({"0612345678", "Autobedrijf Jansen", "", "2"});
  auto jan = ConnectAs("Jan");
  bool quit = false;
  Console console(*server_, [&] { quit = true; });

  // Typed on a UTF-8 terminal; the clients get their code page's byte.
  const QString answer = console.Execute("call 0612345678  caf\xc3\xa9 lijn 3 ");
  EXPECT_EQ(jan->Receive(), "NIEUW^Autobedrijf Jansen^2^caf\xe9 lijn 3^0612345678^1^");
  EXPECT_EQ(jan->Receive(), "UPDATEBELLERS^1");
  EXPECT_TRUE(answer.contains(QLatin1String("0612345678"))) << answer.toStdString();

  console.Execute("call 0699");
  EXPECT_EQ(jan->Receive(), "NIEUW^Onbekend^0^10:00 lijn 1^0699^2^");
  EXPECT_EQ(jan->Receive(), "UPDATEBELLERS^2");

  EXPECT_EQ(console.Execute("msg jan Kom je even langs?"), QStringLiteral("delivered to 1 client(s)"));
  EXPECT_EQ(jan->Receive(), "MSG^Centrale^Kom je even langs?");
  EXPECT_EQ(console.Execute("msg Piet hallo"), QStringLiteral("delivered to 0 client(s)"));

  EXPECT_TRUE(console.Execute("call").startsWith(QLatin1String("unknown command")));
  EXPECT_EQ(store_->CountOn(now_.date()), 2) << "a call needs a number";

  // The next day counts and lists its own calls only.
  EXPECT_EQ(console.Execute("nextday"), "day " + now_.date().addDays(1).toString(Qt::ISODate));
  console.Execute("call 0699");
  EXPECT_EQ(jan->Receive(), "NIEUW^Onbekend^0^10:00 lijn 1^0699^1^");
  EXPECT_EQ(jan->Receive(), "UPDATEBELLERS^1");
  EXPECT_EQ(jan->Ask("HISTORY"), "HISTORY^Onbekend^0^10:00 lijn 1^0699^1^~");
  EXPECT_TRUE(console.Execute("who").contains(QLatin1String("Jan")));
  EXPECT_FALSE(quit);
  console.Execute("quit");
  EXPECT_TRUE(quit);
}

}  // namespace
}  // namespace ringlook::server::test
