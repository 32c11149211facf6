// The measurement's database: see BenchDatabase.h.
#include "BenchDatabase.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <string>

#include "common/Error.h"
#include "server/DemoData.h"
#include "server/Store.h"

namespace ringlook::perf {

namespace {

void Check(bool ok, const QSqlQuery& query) {
  if (!ok) throw Error("bench database: " + query.lastError().text().toStdString());
}

constexpr int kUnknownEvery = 5;
constexpr int kLines = 4;
constexpr int kMsPerDay = 24 * 60 * 60 * 1000;

}  // namespace

void CreateBenchDatabase(const QString& path, int callsToday) {
  std::vector<std::string> numbers;
  {
    server::Store store(path, QDateTime::currentDateTime(), server::Store::Seed::Nothing);
    for (const server::DemoEntry& entry : server::DemoEntries()) {
      store.Put({std::string(entry.Number), std::string(entry.Name), std::string(entry.Note), std::string(entry.Flag)});
      numbers.emplace_back(entry.Number);
    }
  }
  const QString connection = QStringLiteral("perf-bench-database");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    if (!db.open() || !db.transaction()) throw Error("bench database: " + db.lastError().text().toStdString());
    QSqlQuery insert(db);
    Check(insert.prepare(QStringLiteral("INSERT INTO calls (number, day, time, detail) VALUES (?, ?, ?, ?)")), insert);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    for (int i = 0; i < callsToday; ++i) {
      // Spread over the day, oldest first, as the log grows.
      const QTime at = QTime::fromMSecsSinceStartOfDay(
          static_cast<int>(static_cast<long long>(i) * kMsPerDay / std::max(callsToday, 1)));
      const std::string number = i % kUnknownEvery == 0 ? "06" + std::to_string(20000000 + i)
                                                        : numbers[static_cast<std::size_t>(i) % numbers.size()];
      insert.addBindValue(QByteArray::fromStdString(number));
      insert.addBindValue(today);
      insert.addBindValue(at.toString(QStringLiteral("HH:mm:ss.zzz")));
      insert.addBindValue(QByteArray::fromStdString(server::CallDetail(at, 1 + i % kLines)));
      Check(insert.exec(), insert);
    }
    insert.finish();
    if (!db.commit()) throw Error("bench database: " + db.lastError().text().toStdString());
    db.close();
  }
  QSqlDatabase::removeDatabase(connection);
}

}  // namespace ringlook::perf
