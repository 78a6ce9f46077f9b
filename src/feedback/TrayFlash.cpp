#include "feedback/TrayFlash.h"

#include "feedback/TrayIcon.h"
#include "ui/Timer.h"

namespace orvane::feedback {

void TrayFlash::Start() {
    tray_.SetIcon(&active_);
    timer_.SetEnabled(true);
}

void TrayFlash::End() {
    timer_.SetEnabled(false);
    tray_.SetIcon(&idle_);
}

} // namespace orvane::feedback
