#include "feedback/DdeServer.h"

#include "core/Exception.h"

namespace orvane::feedback {

std::string DdeServiceName(const std::string& executablePath) {
    const std::size_t folderEnd = executablePath.find_last_of("\\/:");
    const std::string file = folderEnd == std::string::npos ? executablePath : executablePath.substr(folderEnd + 1);
    return file.substr(0, file.find('.'));
}

TDdeEventServer::TDdeEventServer(platform::Dde& dde) : Component(nullptr, "RemoteControlData"), dde_(dde) {}

void TDdeEventServer::Register(const std::string& service) {
    server_.reset();
    service_ = service;
    auto registration = dde_.Register(service, kDdeTopic, kDdeItem, [this](platform::DdeEvent event) {
        if (event == platform::DdeEvent::Connect) {
            if (OnOpen) OnOpen(this);
        } else if (OnClose) {
            OnClose(this);
        }
    });
    if (registration.failure)
        throw Exception("DDE error " + std::to_string(registration.failure.error) + " on '" +
                        registration.failure.api + "'");
    server_ = std::move(registration.server);
    // Empty until the first event: just the terminating zero.
    server_->SetItemData(std::string(1, '\0'));
}

void TDdeEventServer::SetText(const std::string& text) {
    text_ = text;
    if (!server_) return;
    std::string data = text;
    data += "\r\n";
    data += '\0';
    server_->SetItemData(data);
}

std::vector<platform::ClipboardItem> TDdeEventServer::LinkInformation(platform::Clipboard& clipboard) const {
    std::string plain = text_;
    plain += '\0';
    std::string link = service_;
    for (const char* part : {kDdeTopic, kDdeItem}) {
        link += '\0';
        link += part;
    }
    link += '\0';
    return {{platform::kClipboardText, plain}, {clipboard.RegisterFormat("Link"), link}};
}

} // namespace orvane::feedback
