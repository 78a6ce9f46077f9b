#include "fakes/FakeDde.h"

#include "core/Text.h"

#include <algorithm>
#include <utility>

namespace orvane::fakes {

using platform::DdeEvent;

class FakeDdeServer : public platform::DdeServer {
public:
    FakeDdeServer(FakeDde& dde, std::shared_ptr<FakeDdeService> service) : dde_(dde), service_(std::move(service)) {}
    ~FakeDdeServer() override {
        service_->handler.reset();
        for (auto& client : dde_.clients_)
            if (client->service_ == service_) client->open_ = false;
    }

    void SetItemData(std::string_view data) override {
        service_->data.assign(data);
        for (auto& client : dde_.clients_)
            if (client->service_ == service_ && client->open_ && client->linked_)
                client->advised_.push_back(service_->data);
    }

private:
    FakeDde& dde_;
    std::shared_ptr<FakeDdeService> service_;
};

bool FakeDdeClient::Advise(const std::string& item) {
    if (!Connected() || !SameText(item, service_->item)) return false;
    linked_ = true;
    return true;
}

std::optional<std::string> FakeDdeClient::Request(const std::string& item) {
    if (!Connected() || !SameText(item, service_->item)) return std::nullopt;
    return service_->data;
}

void FakeDdeClient::Disconnect() {
    if (!Connected()) return;
    open_ = false;
    const auto handler = service_->handler;
    (*handler)(DdeEvent::Disconnect);
}

platform::DdeRegistration FakeDde::Register(const std::string& service, const std::string& topic,
                                            const std::string& item, platform::DdeEventHandler onEvent) {
    if (failNext_) {
        const std::uint32_t error = std::exchange(failNext_, 0);
        return {nullptr, {error, "DdeNameService"}};
    }
    auto served = std::make_shared<FakeDdeService>();
    served->service = service;
    served->topic = topic;
    served->item = item;
    served->handler = std::make_shared<platform::DdeEventHandler>(std::move(onEvent));
    services_.push_back(served);
    return {std::make_unique<FakeDdeServer>(*this, served), {}};
}

bool FakeDde::Registered(const std::string& service) const {
    return std::any_of(services_.begin(), services_.end(),
                       [&](const auto& s) { return s->handler && SameText(s->service, service); });
}

FakeDdeClient* FakeDde::Connect(const std::string& service, const std::string& topic) {
    auto it = std::find_if(services_.begin(), services_.end(), [&](const auto& s) {
        return s->handler && SameText(s->service, service) && SameText(s->topic, topic);
    });
    if (it == services_.end()) return nullptr;
    auto client = std::make_unique<FakeDdeClient>();
    client->service_ = *it;
    client->open_ = true;
    clients_.push_back(std::move(client));
    const auto handler = (*it)->handler;
    (*handler)(DdeEvent::Connect);
    return clients_.back().get();
}

} // namespace orvane::fakes
