// The server's directory (number -> name, note, flag) and call log, kept in one
// SQLite file. Texts are bytes in the clients' code page and are stored as such.
#pragma once

#include <QDateTime>
#include <QString>
#include <QtSql/QSqlDatabase>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/Messages.h"

namespace ringlook::server {

// What a caller record says for a number that has no name in the directory.
inline constexpr std::string_view kUnknownCaller = "Onbekend";

// The caller name a record shows: the directory's name, or kUnknownCaller.
std::string CallerName(std::string_view directoryName);

// The detail the server gives a call: its time and the line it came in on ("14:05 lijn 2").
std::string CallDetail(const QTime& time, int line);

class Store {
 public:
  enum class Seed { DemoData, Nothing };

  // Opens the file, creating it when it is new; a new file gets the demo
  // directory and calls of the day of now. Throws ringlook::Error on failure.
  Store(const QString& path, const QDateTime& now, Seed seed = Seed::DemoData);
  ~Store();
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  [[nodiscard]] std::optional<net::NumberRecord> Entry(std::string_view number) const;
  // Writes the entry under its number, replacing what was there.
  void Put(const net::NumberRecord& entry);
  // The entry of number, created empty (flag "0") when there is none.
  net::NumberRecord Add(std::string_view number);
  [[nodiscard]] std::vector<std::string> Numbers() const;

  // Logs a call at `at` and returns its caller record.
  net::CallerRecord LogCall(std::string_view number, std::string_view detail, const QDateTime& at);
  [[nodiscard]] int CountOn(const QDate& day) const;
  // The calls of day, newest first.
  [[nodiscard]] std::vector<net::CallerRecord> CallsOn(const QDate& day) const;
  // Calls whose caller name or number contains term, letters a to z in either
  // case, newest first, at most limit; counts are those of today.
  [[nodiscard]] std::vector<net::CallerRecord> Find(std::string_view term, const QDate& today, std::size_t limit) const;
  void DeleteCalls(std::string_view number);

 private:
  void CreateTables();
  void SeedDemo(const QDateTime& now);

  QString connection_;
  QSqlDatabase db_;
};

}  // namespace ringlook::server
