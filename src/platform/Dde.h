#pragma once
// A DDE server the way DDEML makes one: a service name registered for the
// program's whole run, one topic and one item in plain text (CF_TEXT). Clients
// connect to the topic, ask for the item (request) or hold an advise link on
// it; setting the item's data notifies every link, also when the data has
// not changed. Conversations opening and closing arrive as events on the
// user-interface thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvane::platform {

enum class DdeEvent { Connect, Disconnect };

using DdeEventHandler = std::function<void(DdeEvent event)>;

// A call that failed: DdeGetLastError's number (or the system's) and the call's name.
struct DdeFailure {
    std::uint32_t error = 0;
    std::string api;
    explicit operator bool() const { return error != 0; }
};

// The registered service; unregistered, and every conversation ended, when
// destroyed. A client that has gone without ending its conversation must not
// hold this up.
class DdeServer {
public:
    virtual ~DdeServer() = default;
    // The item's data from now on, given as is to requests and advise links
    // (the caller ends text with its terminating zero); every link is
    // notified.
    virtual void SetItemData(std::string_view data) = 0;
};

struct DdeRegistration {
    std::unique_ptr<DdeServer> server;
    DdeFailure failure;
};

class Dde {
public:
    virtual ~Dde() = default;
    // Registers service with one topic and one item; onEvent follows the
    // conversations on the topic.
    virtual DdeRegistration Register(const std::string& service, const std::string& topic, const std::string& item,
                                     DdeEventHandler onEvent) = 0;
};

} // namespace orvane::platform
