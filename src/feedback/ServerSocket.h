#pragma once
// The event server's listening socket: the port it listens on and whether it
// is active. Listening itself joins it with event publishing.
namespace orvane::feedback {

class TServerSocket {
public:
    int Port() const { return port_; }
    void SetPort(int port) { port_ = port; }
    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }

private:
    int port_ = 0;
    bool active_ = false;
};

} // namespace orvane::feedback
