#pragma once
// Open-at-login through an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/torvelbar.desktop.

#include "platform/login_item_service.h"

#include <QString>

namespace torvel {

class XdgAutostartService final : public LoginItemService {
public:
    // `program` is the absolute path the entry starts.
    explicit XdgAutostartService(QString program, QString entryPath = defaultEntryPath());

    static QString defaultEntryPath();

    // Writes the entry atomically (mode 0644, like any desktop entry).
    Result<void> registerItem() override;
    // Removing an absent entry succeeds.
    Result<void> unregisterItem() override;
    // Enabled when the entry exists, is not hidden or disabled, and the
    // program it starts exists; not found when that program is gone.
    LoginItemStatus status() override;

    QString entryText() const;
    // "torvelbar" when PATH finds this same program, else its absolute path.
    QString entryProgram() const;
    const QString& entryPath() const { return entryPath_; }

private:
    QString program_;
    QString entryPath_;
};

} // namespace torvel
