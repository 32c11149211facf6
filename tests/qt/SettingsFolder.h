// A temporary configuration folder for the settings store tests, with the store
// file's text and the store as a later run opens it.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string_view>

#include <gtest/gtest.h>

#include "qt/QtSettingsStore.h"
#include "settings/SettingsValues.h"

namespace ringlook::qt {

using settings::kSettingsKey;

class SettingsFolder : public ::testing::Test {
 protected:
  [[nodiscard]] QString File() const { return folder_.path() + "/Software/Ringlook.conf"; }
  [[nodiscard]] QByteArray FileText() const {
    QFile file(File());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
  }
  void WriteFileText(const QByteArray& text) const {
    QDir().mkpath(folder_.path() + "/Software");
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  // A store as a later run sees it.
  [[nodiscard]] QtSettingsStore Reopened() const {
    QtSettingsStore store(folder_.path());
    store.OpenKey(kSettingsKey);
    return store;
  }

  QTemporaryDir folder_;
};

}  // namespace ringlook::qt
