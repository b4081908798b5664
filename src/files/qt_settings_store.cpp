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

void QtSettingsStore::Write(std::string_view section, std::string_view key,
                            std::string_view value) {
  settings_->setValue(KeyPath(section, key), ToQString(value));
  settings_->sync();
}

}  // namespace kol
