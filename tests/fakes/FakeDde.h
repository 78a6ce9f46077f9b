#pragma once
// DDE in memory. The program registers services; the test plays the clients:
// it connects to a service and topic, asks for the item, and holds advise
// links whose notifications it keeps. Events are delivered at once, on the
// test's thread.
#include "platform/Dde.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeDde;

struct FakeDdeService {
    std::string service;
    std::string topic;
    std::string item;
    std::string data;
    std::shared_ptr<platform::DdeEventHandler> handler; // null once unregistered
};

// One client conversation.
class FakeDdeClient {
public:
    bool Connected() const { return service_ != nullptr && service_->handler && open_; }
    // Holds an advise link on item; false when the item or format is not served.
    bool Advise(const std::string& item);
    // The item's data, none when it is not served.
    std::optional<std::string> Request(const std::string& item);
    // Every notification of an advise link, with the data it carried.
    const std::vector<std::string>& Advised() const { return advised_; }
    void Disconnect();

private:
    friend class FakeDde;
    friend class FakeDdeServer;
    std::shared_ptr<FakeDdeService> service_;
    bool open_ = false;
    bool linked_ = false;
    std::vector<std::string> advised_;
};

class FakeDde : public platform::Dde {
public:
    platform::DdeRegistration Register(const std::string& service, const std::string& topic, const std::string& item,
                                       platform::DdeEventHandler onEvent) override;

    // The next Register fails with this error.
    void FailNextRegister(std::uint32_t error) { failNext_ = error; }
    bool Registered(const std::string& service) const;
    // A client connects to service and topic (names compared without case,
    // as DDE does); null when no such service serves that topic.
    FakeDdeClient* Connect(const std::string& service, const std::string& topic);

private:
    friend class FakeDdeServer;
    std::vector<std::shared_ptr<FakeDdeService>> services_;
    std::vector<std::unique_ptr<FakeDdeClient>> clients_;
    std::uint32_t failNext_ = 0;
};

} // namespace orvane::fakes
