// The SQLite directory and call log: see Store.h.
#include "Store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>

#include "DemoData.h"
#include "common/Error.h"
#include "common/Text.h"

namespace ringlook::server {

namespace {

constexpr int kSchemaVersion = 1;

QByteArray Bytes(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

std::string Text(const QVariant& value) {
  const QByteArray bytes = value.toByteArray();
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString DayKey(const QDate& day) { return day.toString(Qt::ISODate); }

[[noreturn]] void Fail(const QString& what, const QSqlError& error) {
  throw Error((what + ": " + error.text()).toStdString());
}

QSqlQuery Prepared(const QSqlDatabase& db, const QString& sql) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.prepare(sql)) Fail(sql, query.lastError());
  return query;
}

void Run(QSqlQuery& query) {
  if (!query.exec()) Fail(query.lastQuery(), query.lastError());
}

void Run(const QSqlDatabase& db, const QString& sql) {
  QSqlQuery query(db);
  if (!query.exec(sql)) Fail(sql, query.lastError());
}

// Every call row is read by the same columns: number, detail, directory name, directory flag.
const QString kCallColumns = QStringLiteral(
    "SELECT c.number, c.detail, e.name, e.flag FROM calls c LEFT JOIN entries e ON e.number = c.number ");
const QString kNewestFirst = QStringLiteral(" ORDER BY c.day DESC, c.time DESC, c.id DESC");

net::CallerRecord CallFromRow(const QSqlQuery& query, int todayCount) {
  net::CallerRecord record;
  record.Number = Text(query.value(0));
  record.Detail = Text(query.value(1));
  record.Name = CallerName(Text(query.value(2)));
  record.Flag = query.value(3).isNull() ? "0" : Text(query.value(3));
  record.TodayCount = std::to_string(todayCount);
  return record;
}

// Creating and seeding a new file happen whole or not at all.
class Transaction {
 public:
  explicit Transaction(QSqlDatabase& db) : db_(db) {
    if (!db_.transaction()) Fail(QStringLiteral("begin"), db_.lastError());
  }
  ~Transaction() {
    if (!committed_) db_.rollback();
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit() {
    if (!db_.commit()) Fail(QStringLiteral("commit"), db_.lastError());
    committed_ = true;
  }

 private:
  QSqlDatabase& db_;
  bool committed_ = false;
};

}  // namespace

std::string CallerName(std::string_view directoryName) {
  return std::string(directoryName.empty() ? kUnknownCaller : directoryName);
}

std::string CallDetail(const QTime& time, int line) {
  return time.toString(QStringLiteral("HH:mm")).toStdString() + " lijn " + std::to_string(line);
}

Store::Store(const QString& path, const QDateTime& now, Seed seed) {
  static std::atomic<int> opened{0};
  connection_ = QStringLiteral("ringlook-server-%1").arg(++opened);
  db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  db_.setDatabaseName(path);
  if (!db_.open()) Fail(path, db_.lastError());
  Run(db_, QStringLiteral("PRAGMA journal_mode=WAL"));
  Run(db_, QStringLiteral("PRAGMA synchronous=NORMAL"));

  QSqlQuery version(db_);
  if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) Fail(path, version.lastError());
  if (version.value(0).toInt() >= kSchemaVersion) return;
  version.finish();

  Transaction transaction(db_);
  CreateTables();
  if (seed == Seed::DemoData) SeedDemo(now);
  Run(db_, QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
  transaction.Commit();
}

Store::~Store() {
  db_.close();
  db_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connection_);
}

void Store::CreateTables() {
  // BLOB columns: names and numbers are the clients' bytes, compared byte for byte.
  Run(db_, QStringLiteral("CREATE TABLE entries (number BLOB PRIMARY KEY, name BLOB NOT NULL, "
                          "note BLOB NOT NULL, flag BLOB NOT NULL)"));
  Run(db_, QStringLiteral("CREATE TABLE calls (id INTEGER PRIMARY KEY AUTOINCREMENT, number BLOB NOT NULL, "
                          "day TEXT NOT NULL, time TEXT NOT NULL, detail BLOB NOT NULL)"));
  Run(db_, QStringLiteral("CREATE INDEX calls_by_day ON calls (day)"));
  Run(db_, QStringLiteral("CREATE INDEX calls_by_number ON calls (number)"));
}

void Store::SeedDemo(const QDateTime& now) {
  for (const DemoEntry& entry : DemoEntries()) {
    Put({std::string(entry.Number), std::string(entry.Name), std::string(entry.Note), std::string(entry.Flag)});
  }
  for (const DemoCall& call : DemoCalls()) {
    const QDateTime dayStart = now.date().addDays(-call.DaysAgo).startOfDay();
    const QDateTime at = std::max(dayStart, now.addDays(-call.DaysAgo).addSecs(-60LL * call.MinutesAgo));
    LogCall(call.Number, CallDetail(at.time(), call.Line), at);
  }
}

std::optional<net::NumberRecord> Store::Entry(std::string_view number) const {
  QSqlQuery query = Prepared(db_, QStringLiteral("SELECT name, note, flag FROM entries WHERE number = ?"));
  query.addBindValue(Bytes(number));
  Run(query);
  if (!query.next()) return std::nullopt;
  return net::NumberRecord{std::string(number), Text(query.value(0)), Text(query.value(1)), Text(query.value(2))};
}

void Store::Put(const net::NumberRecord& entry) {
  QSqlQuery query =
      Prepared(db_, QStringLiteral("INSERT OR REPLACE INTO entries (number, name, note, flag) VALUES (?, ?, ?, ?)"));
  query.addBindValue(Bytes(entry.Number));
  query.addBindValue(Bytes(entry.Name));
  query.addBindValue(Bytes(entry.Note));
  query.addBindValue(Bytes(entry.Flag));
  Run(query);
}

net::NumberRecord Store::Add(std::string_view number) {
  if (auto existing = Entry(number)) return *existing;
  net::NumberRecord entry{std::string(number), "", "", "0"};
  Put(entry);
  return entry;
}

std::vector<std::string> Store::Numbers() const {
  QSqlQuery query = Prepared(db_, QStringLiteral("SELECT number FROM entries ORDER BY number"));
  Run(query);
  std::vector<std::string> numbers;
  while (query.next()) numbers.push_back(Text(query.value(0)));
  return numbers;
}

net::CallerRecord Store::LogCall(std::string_view number, std::string_view detail, const QDateTime& at) {
  QSqlQuery insert = Prepared(db_, QStringLiteral("INSERT INTO calls (number, day, time, detail) VALUES (?, ?, ?, ?)"));
  insert.addBindValue(Bytes(number));
  insert.addBindValue(DayKey(at.date()));
  insert.addBindValue(at.time().toString(QStringLiteral("HH:mm:ss.zzz")));
  insert.addBindValue(Bytes(detail));
  Run(insert);
  const QVariant id = insert.lastInsertId();

  const int count = CountOn(at.date());
  QSqlQuery row = Prepared(db_, kCallColumns + QStringLiteral("WHERE c.id = ?"));
  row.addBindValue(id);
  Run(row);
  if (!row.next()) Fail(QStringLiteral("call %1 not found").arg(id.toString()), row.lastError());
  return CallFromRow(row, count);
}

int Store::CountOn(const QDate& day) const {
  QSqlQuery query = Prepared(db_, QStringLiteral("SELECT COUNT(*) FROM calls WHERE day = ?"));
  query.addBindValue(DayKey(day));
  Run(query);
  return query.next() ? query.value(0).toInt() : 0;
}

std::vector<net::CallerRecord> Store::CallsOn(const QDate& day) const {
  const int count = CountOn(day);
  QSqlQuery query = Prepared(db_, kCallColumns + QStringLiteral("WHERE c.day = ?") + kNewestFirst);
  query.addBindValue(DayKey(day));
  Run(query);
  std::vector<net::CallerRecord> records;
  while (query.next()) records.push_back(CallFromRow(query, count));
  return records;
}

std::vector<net::CallerRecord> Store::Find(std::string_view term, const QDate& today, std::size_t limit) const {
  const int count = CountOn(today);
  const std::string wanted = UpperCased(term);
  // Matched here rather than with LIKE: SQLite reads BLOBs as UTF-8 text, and the
  // clients' bytes are not; and only a to z may change case.
  QSqlQuery query = Prepared(db_, kCallColumns + kNewestFirst);
  Run(query);
  std::vector<net::CallerRecord> records;
  while (records.size() < limit && query.next()) {
    net::CallerRecord record = CallFromRow(query, count);
    if (UpperCased(record.Name).find(wanted) != std::string::npos ||
        UpperCased(record.Number).find(wanted) != std::string::npos) {
      records.push_back(std::move(record));
    }
  }
  return records;
}

void Store::DeleteCalls(std::string_view number) {
  QSqlQuery query = Prepared(db_, QStringLiteral("DELETE FROM calls WHERE number = ?"));
  query.addBindValue(Bytes(number));
  Run(query);
}

}  // namespace ringlook::server
