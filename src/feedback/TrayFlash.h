#pragma once
// The tray icon's flash when a code arrives: the activity picture for 150 ms
// (TrayColorTimer), then the idle picture again. A code arriving during a
// flash does not prolong it.
namespace orvane::ui {
class TImageList;
class TTimer;
} // namespace orvane::ui

namespace orvane::feedback {

class TWinTaskbar;

class TrayFlash {
public:
    TrayFlash(TWinTaskbar& tray, const ui::TImageList& idle, const ui::TImageList& active, ui::TTimer& timer)
        : tray_(tray), idle_(idle), active_(active), timer_(timer) {}

    void Start();
    // TrayColorTimerTimer.
    void End();

private:
    TWinTaskbar& tray_;
    const ui::TImageList& idle_;
    const ui::TImageList& active_;
    ui::TTimer& timer_;
};

} // namespace orvane::feedback
