#pragma once
// The DDE server on DDEML. Each registration is a DDEML instance of its own,
// made on the user-interface thread, whose callback runs inside that thread's
// message dispatch.
#include "platform/Dde.h"

#include <exception>
#include <functional>

namespace orvane::platform::win32 {

using DdeErrorSink = std::function<void(const std::exception&)>;

class Win32Dde : public Dde {
public:
    DdeRegistration Register(const std::string& service, const std::string& topic, const std::string& item,
                             DdeEventHandler onEvent) override;

    // Receives what an event handler raised, which may not pass DDEML's
    // frames. Without a sink the message goes to the debugger output.
    void SetErrorSink(DdeErrorSink sink) { sink_ = std::move(sink); }

private:
    DdeErrorSink sink_;
};

} // namespace orvane::platform::win32
