#include "platform/SettingsStore.h"

namespace vantrel {

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Quillmoor"), QStringLiteral("Quillmoor"))) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QString SettingsStore::Read(const QString& key, const QString& defaultValue) const {
    return settings_->value(QStringLiteral("Vantrel/") + key, defaultValue).toString();
}

int SettingsStore::ReadNumber(const QString& key, int defaultValue) const {
    const QString text = Read(key, QString::number(defaultValue)).trimmed();
    bool ok = false;
    const double v = text.toDouble(&ok);  // "1.0" is 1, as a numeric reading of the text would say
    return ok && v > -2147483648.0 && v < 2147483648.0 ? static_cast<int>(v) : 0;
}

void SettingsStore::Write(const QString& key, const QString& value) {
    settings_->setValue(QStringLiteral("Vantrel/") + key, value);
    settings_->sync();
}

}  // namespace vantrel
