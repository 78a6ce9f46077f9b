#pragma once
// Serial devices through Win32's communications functions. Each watcher runs
// overlapped WaitCommEvent on a thread of its own (or, where the driver cannot
// wait for events, an overlapped read of the next byte, which the device's
// reads then take first) and hands every event to the user-interface thread
// with SendMessage to a hidden message-only window, so the watcher waits until
// the handler has returned.
#include "platform/SerialPort.h"

#include <exception>
#include <functional>
#include <memory>

namespace orvane::platform::win32 {

using SerialErrorSink = std::function<void(const std::exception&)>;

class Win32SerialPorts : public SerialPorts {
public:
    Win32SerialPorts();

    // "COMn" is opened as "\\.\COMn", which also reaches ports above COM9.
    SerialResult<std::unique_ptr<SerialDevice>> Open(const std::string& name) override;

    // Receives, on the user-interface thread, what a handler raised where it
    // may not pass (the watcher's window procedure or thread). Without a sink
    // the message goes to the debugger output.
    void SetErrorSink(SerialErrorSink sink);

private:
    std::shared_ptr<SerialErrorSink> sink_;
};

} // namespace orvane::platform::win32
