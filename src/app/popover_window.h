#pragma once
// The frameless popup that opens from the tray icon. It hosts the popover's
// content, refreshes the login item whenever it is shown and ends any
// preview whenever it is hidden, so a previewed colour never stays on the
// screens.

#include "platform/desktop_session.h"

#include <memory>
#include <QElapsedTimer>
#include <QMargins>
#include <QWidget>

class QPainter;
class QScrollArea;
class QVBoxLayout;

namespace torvel {

class Coordinator;
class LoginItem;
class PopoverView;
class SettingsStore;

class PopoverWindow final : public QWidget {
public:
    static constexpr int popoverWidth = 300;

    // How it is placed and framed is the desktop session's answer.
    using Placement = PopoverPlacement;
    using Frame = PopoverFrame;
    static constexpr int cornerRadius = 10, shadowWidth = 12;

    PopoverWindow(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem,
                  Placement placement = Placement::nextToIcon, Frame frame = Frame::square);

    Placement placement() const { return placement_; }

    // Shows it next to `anchor` (the tray icon's rectangle, or an empty one
    // at the click point), kept inside the screen, or where the compositor
    // puts it; hides it when shown.
    void toggle(const QRect& anchor, const QPoint& clickPoint);
    PopoverView& view() { return *view_; }
    // True for a moment after a click outside closed it: that click may be
    // the one on the tray icon, which must not open it again at once.
    bool justClosed() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A press on the shadow is a press beside the popover: it closes it.
    void mousePressEvent(QMouseEvent* event) override;
    // The content grows or shrinks with the mode: placed again, so it stays
    // against the icon (growing upward from a bottom panel) and on screen.
    void resizeEvent(QResizeEvent* event) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(const QRect& anchor, const QPoint& clickPoint);
    // The content's size, or on a screen too short for it (scale 2 on
    // 1280x800, say) the screen's height, the content scrolling inside.
    void fitToScreen();
    QRect screenArea() const;
    // Whether the icon sits in the upper half of its screen (a top panel).
    bool iconAbove() const;
    // The popover itself, inside the shadow's margins.
    QRect panelRect() const { return rect().marginsRemoved(shadow_); }
    void paintFrame(QPainter& painter) const;

    SettingsStore& settings_;
    Coordinator& coordinator_;
    LoginItem& loginItem_;
    Placement placement_;
    Frame frame_;
    QMargins shadow_;
    QElapsedTimer sinceHidden_;
    QRect anchor_;
    QPoint clickPoint_;
    PopoverView* view_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* border_ = nullptr;
};

// The popover, built at the first click: most runs never open it, and
// building it before the first tint would delay that tint.
class LazyPopover {
public:
    LazyPopover(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem,
                const DesktopSession& desktop);
    ~LazyPopover();
    PopoverWindow& window();
    void toggle(const QRect& anchor, const QPoint& clickPoint) {
        window().toggle(anchor, clickPoint);
    }
    // Shows it unless it is showing.
    void open(const QRect& anchor, const QPoint& clickPoint);

private:
    SettingsStore& settings_;
    Coordinator& coordinator_;
    LoginItem& loginItem_;
    const DesktopSession& desktop_;
    std::unique_ptr<PopoverWindow> window_;
};

} // namespace torvel
