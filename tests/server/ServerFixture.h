// A server on an ephemeral port of 127.0.0.1 over an empty store in a temporary
// folder, with a clock the test sets, and a pace clock the test moves (or its
// clients do, as they wait for a text): its texts then never run together on a
// busy machine, as two texts of the real pace could.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ManualPaceClock.h"
#include "TestClient.h"
#include "server/LogText.h"
#include "server/RingServer.h"
#include "server/Store.h"

namespace ringlook::server::test {

class ServerFixture : public ::testing::Test {
 protected:
  void SetUp() override { StartServer({}); }

  void StartServer(const ConnectionLimits& limits) {
    ASSERT_TRUE(dir_.isValid());
    server_.reset();
    clientPace_ = std::make_shared<TestClient::SharedPace>(TestClient::SharedPace{pace_, {}});
    store_ = std::make_unique<Store>(dir_.filePath(QStringLiteral("server.db")), now_, Store::Seed::Nothing);
    server_ = std::make_unique<RingServer>(
        *store_, [this] { return now_; }, limits, pace_);
    server_->SetLog([this](const QString& line) { log_.push_back(line); });
    ASSERT_TRUE(server_->Listen(QHostAddress::LocalHost, 0)) << server_->ErrorString().toStdString();
  }

  std::unique_ptr<TestClient> Connect() {
    auto client = std::make_unique<TestClient>(server_->Port());
    EXPECT_TRUE(client->Connected());
    const QString to = QStringLiteral("-> 127.0.0.1:%1").arg(client->LocalPort());
    client->MovePace(clientPace_, [this, to] {
      return static_cast<std::size_t>(std::count_if(log_.begin(), log_.end(), [&](const QString& line) {
        return line.startsWith(to) && (line[to.size()] == ' ' || line[to.size()] == ':');
      }));
    });
    return client;
  }

  // A client whose nickname the server has taken.
  std::unique_ptr<TestClient> ConnectAs(const std::string& nickname) {
    auto client = Connect();
    client->Send("NICK^" + nickname);
    EXPECT_TRUE(WaitUntil([&] {
      const auto names = server_->Nicknames();
      return std::find(names.begin(), names.end(), nickname) != names.end();
    }));
    return client;
  }

  // Sends a request that has no answer and waits until the server has handled it.
  void SendAndWaitHandled(TestClient& client, const std::string& request) {
    const QString handled = QStringLiteral(": ") + LogText(QByteArray::fromStdString(request));
    const auto seen = [&] {
      return std::count_if(log_.begin(), log_.end(), [&](const QString& line) {
        return line.startsWith(QLatin1String("<- ")) && line.endsWith(handled);
      });
    };
    const auto before = seen();
    client.Send(request);
    EXPECT_TRUE(WaitUntil([&] { return seen() > before; })) << request;
  }

  QTemporaryDir dir_;
  std::vector<QString> log_;
  QDateTime now_{QDate(2024, 3, 14), QTime(10, 0)};
  ManualPaceClock pace_;
  // The pace the clients move.
  std::shared_ptr<TestClient::SharedPace> clientPace_;
  std::unique_ptr<Store> store_;
  std::unique_ptr<RingServer> server_;
};

}  // namespace ringlook::server::test
