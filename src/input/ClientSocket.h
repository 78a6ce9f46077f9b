#pragma once
// The TCP/IP client origin's socket: where it connects. It holds its host and
// port now; the connection itself joins it with the network origin.
#include <string>

namespace orvane::input {

class TClientSocket {
public:
    const std::string& Host() const { return host_; }
    void SetHost(std::string host) { host_ = std::move(host); }
    int Port() const { return port_; }
    void SetPort(int port) { port_ = port; }
    bool Active() const { return active_; }

private:
    std::string host_;
    int port_ = 0;
    bool active_ = false;
};

} // namespace orvane::input
