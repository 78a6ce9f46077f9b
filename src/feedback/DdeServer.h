#pragma once
// TDdeEventServer: the DDE side of event publishing. One service, named after
// the program's executable, with the topic "RemoteControlData" and the item
// "OrvaneDDEServer" in plain text. The item holds the last event text; a
// client's request, and every advise notification, gets it followed by CR LF
// and the terminating zero.
#include "platform/Clipboard.h"
#include "platform/Dde.h"
#include "ui/Component.h"
#include "ui/Events.h"

#include <memory>
#include <string>
#include <vector>

namespace orvane::feedback {

inline constexpr char kDdeTopic[] = "RemoteControlData";
inline constexpr char kDdeItem[] = "OrvaneDDEServer";

// The service name of a program: its file name up to the first ".".
std::string DdeServiceName(const std::string& executablePath);

class TDdeEventServer : public ui::Component {
public:
    explicit TDdeEventServer(platform::Dde& dde);

    // Registers the service for the rest of the run; a failure raises
    // "DDE error %d on '%s'" and leaves the program without DDE.
    void Register(const std::string& service);
    const std::string& Service() const { return service_; }

    // The item's value: the last event text, empty before the first.
    const std::string& Text() const { return text_; }
    // Sets the value and notifies every advise link, also when it repeats.
    void SetText(const std::string& text);

    // What "Copy DDE link information to clipboard" puts on the clipboard:
    // the value as plain text, and the "Link" format (service, topic and
    // item, each ended by a zero byte).
    std::vector<platform::ClipboardItem> LinkInformation(platform::Clipboard& clipboard) const;

    // A client opened, or closed, a conversation on the topic.
    ui::NotifyEvent OnOpen;
    ui::NotifyEvent OnClose;

private:
    platform::Dde& dde_;
    std::string service_;
    std::string text_;
    std::unique_ptr<platform::DdeServer> server_;
};

} // namespace orvane::feedback
