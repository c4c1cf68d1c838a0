#pragma once
// The popover's content: header, mode picker, the mode's section, and the
// footer with open-at-login and Quit. It keeps no state: while shown, after
// every change the three shared objects publish it refreshes from them on
// the next turn; hidden, it refreshes when shown again.
//
// Its parts carry object names ("header", "mode", "section", "login",
// "quit", and in the sections "manual", "curve", "bedtime", "wake",
// "windDown", "windDownDetail", "day", "night", "displays") for tests and
// for finding them from outside.

#include "base/refresh_after_notices.h"
#include "settings/torvel_mode.h"

#include <functional>
#include <optional>
#include <QWidget>

class QVBoxLayout;

namespace torvel {

class Coordinator;
class DisplaysSection;
class FlatSegmentedBase;
class FlatSwitch;
class LoginItem;
class ModeSection;
class PopoverHeader;
class SettingsStore;

class PopoverView final : public QWidget {
public:
    PopoverView(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem,
                QWidget* parent = nullptr);
    ~PopoverView() override;

    // Reads the three objects now (normally done on the turn after a notice).
    void refresh();
    // What Quit does; the shell sets it (QCoreApplication::quit by default).
    void setQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }
    // Off when the window under it draws the background itself (with
    // rounded corners).
    void setBackgroundPainted(bool painted) { paintsBackground_ = painted; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildSection();
    void restoreTabOrder();

    SettingsStore& settings_;
    Coordinator& coordinator_;
    LoginItem& loginItem_;
    std::function<void()> quit_;
    RefreshAfterNotices follow_;

    // Children, owned by Qt's parent chain.
    QVBoxLayout* layout_;
    PopoverHeader* header_;
    FlatSegmentedBase* picker_;
    ModeSection* section_ = nullptr;
    DisplaysSection* displays_;
    std::optional<TorvelMode> sectionMode_;
    FlatSwitch* loginSwitch_;
    QWidget* quitButton_;
    bool paintsBackground_ = true;
    bool stale_ = false; // a notice came while hidden
};

} // namespace torvel
