#include "files/qt_settings_store.h"

#include <QSettings>
#include <QString>

namespace kol {
namespace {

QString KeyPath(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// No organisation name: the store is one file named after the application.
QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QString::fromUtf8(kApplicationTitle))) {}

QtSettingsStore::QtSettingsStore(const std::string& iniFile)
    : settings_(
          std::make_unique<QSettings>(QString::fromStdString(iniFile), QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::Read(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
  return settings_->value(KeyPath(section, key), ToQString(fallback)).toString().toStdString();
}

// A value that is already stored is not written again, and nothing is synced here: the
// file is rewritten, under its lock, only when something changed, once when the event loop
// turns or when the store closes at the end of a command. Commands that run side by side
// (one per radio) then never wait on each other's lock just to start.
void QtSettingsStore::Write(std::string_view section, std::string_view key,
                            std::string_view value) {
  const QString path = KeyPath(section, key);
  const QString text = ToQString(value);
  if (settings_->contains(path) && settings_->value(path).toString() == text) return;
  settings_->setValue(path, text);
}

}  // namespace kol
