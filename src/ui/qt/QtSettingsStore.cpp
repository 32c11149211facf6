// Per-user settings store over QSettings: see QtSettingsStore.h.
#include "ui/qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QSettings>

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

// Value names travel through QSettings as Latin-1, which maps each byte to one character.
QString KeyOf(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

bool ReadSettingsFile(QIODevice& device, QSettings::SettingsMap& map) {
  const QList<QByteArray> lines = device.readAll().split('\n');
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
      if (const std::optional<QByteArray> text = Unescaped(data)) map.insert(QString::fromLatin1(*name), *text);
    } else if (type == "integer") {
      int number = 0;
      if (ParseInt(Trimmed(std::string_view(data.constData(), static_cast<std::size_t>(data.size()))), number)) {
        map.insert(QString::fromLatin1(*name), number);
      }
    }
  }
  return true;
}

bool WriteSettingsFile(QIODevice& device, const QSettings::SettingsMap& map) {
  QByteArray out = "# Ringlook settings: name=string:text or name=integer:number\n";
  for (auto value = map.cbegin(); value != map.cend(); ++value) {
    out += Escaped(value.key().toLatin1(), true);
    if (value.value().typeId() == QMetaType::Int) {
      out += "=integer:" + QByteArray::number(value.value().toInt());
    } else {
      out += "=string:" + Escaped(value.value().toByteArray(), false);
    }
    out += '\n';
  }
  if (device.write(out) != out.size()) return false;
  // QSettings writes through a buffered QSaveFile, whose commit (Qt 6.4) does not
  // notice that the last flush failed and would put a cut-off file in place of the
  // old one: flush here, where a failure still stops the commit.
  auto* file = qobject_cast<QFileDevice*>(&device);
  return file == nullptr || file->flush();
}

QSettings::Format SettingsFormat() {
  static const QSettings::Format format = QSettings::registerFormat("conf", ReadSettingsFile, WriteSettingsFile);
  return format;
}

QVariant VariantOf(const StoredValue& value) {
  if (value.type == StoredValue::Type::Integer) return QVariant(value.number);
  return QVariant(QByteArray::fromStdString(value.text));
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
  const QSettings stored(openFile_, SettingsFormat());
  for (const QString& key : stored.allKeys()) {
    const QVariant value = stored.value(key);
    values_.Put(key.toLatin1().toStdString(), value.typeId() == QMetaType::Int
                                                  ? StoredValue::OfInteger(value.toInt())
                                                  : StoredValue::OfString(value.toByteArray().toStdString()));
  }
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
  const QString key = KeyOf(values_.StoredName(name));
  QSettings stored(openFile_, SettingsFormat());
  const QVariant before = stored.value(key);
  stored.setValue(key, VariantOf(value));
  stored.sync();
  if (stored.status() != QSettings::NoError) {
    // QSettings keeps a change it failed to save in its per-file cache and would
    // save it with the next change to the same file: take it back.
    if (before.isValid()) {
      stored.setValue(key, before);
    } else {
      stored.remove(key);
    }
    throw settings::StoreError(settings::kFailedToSetData, name);
  }
  values_.Put(name, value);
}

bool QtSettingsStore::DeleteValue(std::string_view name) {
  if (openFile_.isEmpty() || values_.Find(name) == nullptr) return false;
  const QString key = KeyOf(values_.StoredName(name));
  QSettings stored(openFile_, SettingsFormat());
  const QVariant before = stored.value(key);
  stored.remove(key);
  stored.sync();
  if (stored.status() != QSettings::NoError) {
    if (before.isValid()) stored.setValue(key, before);
    return false;
  }
  values_.Remove(name);
  return true;
}

}  // namespace ringlook::qt
