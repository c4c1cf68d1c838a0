#include "settings/settings_store.h"

namespace torvel {

SettingsStore::SettingsStore(Preferences& defaults)
    : defaults_(defaults) {
    forEachSetting([this](const auto& row) { load(row); });
    removeRetiredKeys(defaults_);
}

template <class T> void SettingsStore::load(const Setting<T>& row) {
    const auto stored = defaults_.data(QString::fromLatin1(row.key));
    if (auto value = stored ? row.decode(*stored) : std::nullopt) {
        values_.*row.field = *std::move(value);
    } else if (row.migrate) {
        values_.*row.field = row.migrate(defaults_);
        save(row);
    } else {
        values_.*row.field = row.fallback;
    }
}

} // namespace torvel
