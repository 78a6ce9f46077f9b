#pragma once
// The notification area in memory: what each icon shows, the record calls the
// program made, and the messages posted to an icon's window. The test plays
// the shell with Mouse().
#include "platform/NotificationArea.h"

#include <algorithm>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeNotificationArea : public platform::NotificationArea {
public:
    struct Icon {
        bool inTray = false;
        platform::Picture picture;
        std::string tip;
        // "add", "modify", "delete", in order.
        std::vector<std::string> calls;
        std::vector<std::uint32_t> posted;
        platform::TrayMouseHandler onMouse;
        bool alive = true;
    };

    std::unique_ptr<platform::NotificationIcon> CreateIcon(platform::TrayMouseHandler onMouse) override {
        icons.push_back(std::make_unique<Icon>());
        icons.back()->onMouse = std::move(onMouse);
        return std::make_unique<Handle>(*icons.back());
    }

    // The icon made last.
    Icon& Last() { return *icons.back(); }
    // The shell passes a mouse message on, the cursor at (x, y).
    void Mouse(platform::TrayMouse mouse, int x = 0, int y = 0) {
        Icon& icon = Last();
        if (icon.alive && icon.inTray && icon.onMouse) icon.onMouse(mouse, x, y);
    }

    std::vector<std::unique_ptr<Icon>> icons;

private:
    class Handle : public platform::NotificationIcon {
    public:
        explicit Handle(Icon& icon) : icon_(icon) {}
        ~Handle() override {
            if (icon_.inTray) Delete();
            icon_.alive = false;
        }
        bool Add(const platform::Picture& picture, const std::string& tip) override {
            return Put("add", picture, tip);
        }
        bool Modify(const platform::Picture& picture, const std::string& tip) override {
            // The shell knows no icon that was never added.
            return icon_.inTray && Put("modify", picture, tip);
        }
        bool Delete() override {
            icon_.calls.push_back("delete");
            const bool was = icon_.inTray;
            icon_.inTray = false;
            return was;
        }
        void PostToWindow(std::uint32_t message) override { icon_.posted.push_back(message); }

    private:
        bool Put(const char* call, const platform::Picture& picture, const std::string& tip) {
            icon_.calls.push_back(call);
            icon_.inTray = true;
            icon_.picture = picture;
            icon_.tip = tip.substr(0, std::min(tip.size(), platform::kTrayTipLength));
            return true;
        }
        Icon& icon_;
    };
};

} // namespace orvane::fakes
