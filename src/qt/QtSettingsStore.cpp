// Per-user settings store in files: see QtSettingsStore.h.
#include "qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

#include "common/Text.h"

namespace ringlook::qt {
namespace {

using settings::StoredValue;

constexpr char kHexDigits[] = "0123456789ABCDEF";

QByteArray Escaped(const QByteArray& bytes, bool isName) {
  QByteArray out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte > 0x7E || (isName && (c == '=' || c == '#' || c == ' '))) {
      out += "\\x";
      out += kHexDigits[byte >> 4];
      out += kHexDigits[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Nothing for a broken escape, so that the line is skipped rather than misread.
std::optional<QByteArray> Unescaped(const QByteArray& text) {
  QByteArray out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\':
        out += '\\';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case 'x': {
        const int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
        break;
      }
      default:
        return std::nullopt;
    }
  }
  return out;
}

// The values a file holds. None when it exists but cannot be read: a save must
// then not replace it, or every value in it would be lost.
std::optional<settings::SettingsValues> ReadValues(const QString& path) {
  settings::SettingsValues values;
  QFile file(path);
  if (!file.exists()) return values;
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QList<QByteArray> lines = file.readAll().split('\n');
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  for (QByteArray line : lines) {
    if (line.endsWith('\r')) line.chop(1);
    const qsizetype equals = line.indexOf('=');
    const qsizetype colon = line.indexOf(':', equals + 1);
    if (line.trimmed().startsWith('#') || equals < 0 || colon < 0) continue;
    const std::optional<QByteArray> name = Unescaped(line.left(equals).trimmed());
    const QByteArray type = line.mid(equals + 1, colon - equals - 1).trimmed();
    const QByteArray data = line.mid(colon + 1);
    if (!name || name->isEmpty()) continue;
    if (type == "string") {
      if (const std::optional<QByteArray> text = Unescaped(data)) {
        values.Put(name->toStdString(), StoredValue::OfString(text->toStdString()));
      }
    } else if (type == "integer") {
      int number = 0;
      if (ParseInt(Trimmed(std::string_view(data.constData(), static_cast<std::size_t>(data.size()))), number)) {
        values.Put(name->toStdString(), StoredValue::OfInteger(number));
      }
    }
  }
  return values;
}

// Writes a new file and renames it over the old one, so that a failure or a
// kill at any moment leaves either the old file or the new one. No lock file:
// one that a killed save leaves empty would stall the next save for half a
// minute, and only one copy of the program runs per user.
bool SaveValues(const QString& path, const settings::SettingsValues& values) {
  auto entries = values.Entries();
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  QByteArray out = "# Ringlook settings: name=string:text or name=integer:number\n";
  for (const auto& [name, value] : entries) {
    out += Escaped(QByteArray::fromStdString(name), true);
    if (value.type == StoredValue::Type::Integer) {
      out += "=integer:" + QByteArray::number(value.number);
    } else {
      out += "=string:" + Escaped(QByteArray::fromStdString(value.text), false);
    }
    out += '\n';
  }
  QSaveFile file(path);
  // A buffered write that fails at its last flush would otherwise still be committed.
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.flush()) return false;
  return file.commit();
}

}  // namespace

QString QtSettingsStore::FileOf(std::string_view keyPath) const {
  const std::string path = settings::NormalizedKeyPath(keyPath);
  if (path.empty()) return {};
  return configFolder_ + '/' + QString::fromStdString(path).replace('\\', '/') + ".conf";
}

void QtSettingsStore::OpenKey(std::string_view keyPath) {
  CloseKey();
  const QString file = FileOf(keyPath);
  if (file.isEmpty()) return;
  // Creating the key: an empty file, which a failure to create leaves to the first write to report.
  QDir().mkpath(QFileInfo(file).absolutePath());
  if (!QFileInfo::exists(file)) {
    QFile(file).open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }
  openFile_ = file;
  values_ = ReadValues(openFile_).value_or(settings::SettingsValues{});
}

void QtSettingsStore::CloseKey() {
  openFile_.clear();
  values_ = {};
}

void QtSettingsStore::WriteString(std::string_view name, std::string_view value) {
  Write(name, StoredValue::OfString(value));
}

void QtSettingsStore::WriteInteger(std::string_view name, std::int32_t value) {
  Write(name, StoredValue::OfInteger(value));
}

void QtSettingsStore::Write(std::string_view name, const StoredValue& value) {
  if (openFile_.isEmpty() || name.empty()) throw settings::StoreError(settings::kFailedToSetData, name);
  // Saved on top of the file as it is now, which another copy or a hand may have changed.
  std::optional<settings::SettingsValues> stored = ReadValues(openFile_);
  if (!stored) throw settings::StoreError(settings::kFailedToSetData, name);
  stored->Put(name, value);
  if (!SaveValues(openFile_, *stored)) throw settings::StoreError(settings::kFailedToSetData, name);
  values_.Put(name, value);
}

bool QtSettingsStore::DeleteValue(std::string_view name) {
  if (openFile_.isEmpty() || values_.Find(name) == nullptr) return false;
  std::optional<settings::SettingsValues> stored = ReadValues(openFile_);
  if (!stored) return false;
  stored->Remove(name);
  if (!SaveValues(openFile_, *stored)) return false;
  values_.Remove(name);
  return true;
}

}  // namespace ringlook::qt
