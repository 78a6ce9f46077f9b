#include "platform/win32/Win32Dde.h"

#include <windows.h>
#include <ddeml.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <vector>

namespace orvane::platform::win32 {
namespace {

class Win32DdeServer;

// DDEML's callback carries no instance: it finds its server among these.
std::vector<Win32DdeServer*>& Servers() {
    static std::vector<Win32DdeServer*> servers;
    return servers;
}

HDDEDATA CALLBACK DdeCallback(UINT type, UINT format, HCONV conversation, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                              ULONG_PTR data1, ULONG_PTR data2);

class Win32DdeServer : public DdeServer {
public:
    Win32DdeServer(DdeEventHandler onEvent, DdeErrorSink sink) : onEvent_(std::move(onEvent)), sink_(std::move(sink)) {}
    Win32DdeServer(const Win32DdeServer&) = delete;
    Win32DdeServer& operator=(const Win32DdeServer&) = delete;

    ~Win32DdeServer() override {
        Servers().erase(std::remove(Servers().begin(), Servers().end(), this), Servers().end());
        if (!instance_) return;
        onEvent_ = nullptr; // the owner may be half destroyed
        if (registered_) DdeNameService(instance_, service_, nullptr, DNS_UNREGISTER);
        // Conversations are ended one by one with a bounded wait each: a
        // client that has gone, or stopped answering, cannot keep the
        // program from ending.
        const std::set<HCONV> open = std::move(conversations_);
        conversations_.clear();
        for (HCONV conversation : open) DdeDisconnect(conversation);
        for (HSZ name : {service_, topic_, item_})
            if (name) DdeFreeStringHandle(instance_, name);
        DdeUninitialize(instance_);
    }

    DdeFailure Start(const std::string& service, const std::string& topic, const std::string& item) {
        const UINT started = DdeInitializeA(&instance_, DdeCallback,
                                            APPCLASS_STANDARD | CBF_FAIL_POKES | CBF_FAIL_EXECUTES |
                                                CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS,
                                            0);
        if (started != DMLERR_NO_ERROR) {
            instance_ = 0;
            return {started, "DdeInitialize"};
        }
        Servers().push_back(this);
        service_ = DdeCreateStringHandleA(instance_, service.c_str(), CP_WINANSI);
        topic_ = DdeCreateStringHandleA(instance_, topic.c_str(), CP_WINANSI);
        item_ = DdeCreateStringHandleA(instance_, item.c_str(), CP_WINANSI);
        if (!service_ || !topic_ || !item_) return {DdeGetLastError(instance_), "DdeCreateStringHandle"};
        if (!DdeNameService(instance_, service_, nullptr, DNS_REGISTER))
            return {DdeGetLastError(instance_), "DdeNameService"};
        registered_ = true;
        return {};
    }

    void SetItemData(std::string_view data) override {
        data_.assign(data);
        DdePostAdvise(instance_, topic_, item_);
    }

    // The callback's work for this server; nothing is for it when it returns false.
    bool Handle(UINT type, UINT format, HCONV conversation, HSZ hsz1, HSZ hsz2, HDDEDATA& result) {
        switch (type) {
        case XTYP_CONNECT: // hsz1 the topic, hsz2 the service
            if (!Same(hsz2, service_)) return false;
            result = reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(Same(hsz1, topic_)));
            return true;
        case XTYP_CONNECT_CONFIRM:
            if (!Same(hsz2, service_) || !Same(hsz1, topic_)) return false;
            conversations_.insert(conversation);
            Notify(DdeEvent::Connect);
            return true;
        case XTYP_DISCONNECT:
            if (!conversations_.erase(conversation)) return false;
            Notify(DdeEvent::Disconnect);
            return true;
        case XTYP_ADVSTART:
            if (!conversations_.count(conversation)) return false;
            result = reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(Same(hsz2, item_) && format == CF_TEXT));
            return true;
        case XTYP_ADVSTOP:
            return conversations_.count(conversation) != 0;
        case XTYP_REQUEST:
        case XTYP_ADVREQ:
            if (!conversations_.count(conversation) && type == XTYP_REQUEST) return false;
            if (!Same(hsz1, topic_) || !Same(hsz2, item_) || format != CF_TEXT) return false;
            result = DdeCreateDataHandle(instance_, reinterpret_cast<LPBYTE>(data_.data()),
                                         static_cast<DWORD>(data_.size()), 0, item_, CF_TEXT, 0);
            return true;
        default:
            return false;
        }
    }

private:
    bool Same(HSZ a, HSZ b) const { return a && b && DdeCmpStringHandles(a, b) == 0; }

    void Notify(DdeEvent event) noexcept {
        try {
            if (onEvent_) onEvent_(event);
        } catch (const std::exception& error) {
            Report(error);
        } catch (...) {
            Report(std::runtime_error("A DDE handler raised an unknown exception"));
        }
    }

    void Report(const std::exception& error) noexcept {
        try {
            if (sink_)
                sink_(error);
            else
                OutputDebugStringA(error.what());
        } catch (...) {
            // The sink is the last stop before DDEML's frames; nothing may pass.
        }
    }

    DdeEventHandler onEvent_;
    DdeErrorSink sink_;
    DWORD instance_ = 0;
    HSZ service_ = nullptr;
    HSZ topic_ = nullptr;
    HSZ item_ = nullptr;
    bool registered_ = false;
    std::set<HCONV> conversations_;
    std::string data_;
};

HDDEDATA CALLBACK DdeCallback(UINT type, UINT format, HCONV conversation, HSZ hsz1, HSZ hsz2, HDDEDATA, ULONG_PTR,
                              ULONG_PTR) {
    // A handler may end a server: the list is walked on a copy.
    const std::vector<Win32DdeServer*> servers = Servers();
    for (Win32DdeServer* server : servers) {
        HDDEDATA result = nullptr;
        if (server->Handle(type, format, conversation, hsz1, hsz2, result)) return result;
    }
    return nullptr;
}

} // namespace

DdeRegistration Win32Dde::Register(const std::string& service, const std::string& topic, const std::string& item,
                                   DdeEventHandler onEvent) {
    auto server = std::make_unique<Win32DdeServer>(std::move(onEvent), sink_);
    if (const DdeFailure failure = server->Start(service, topic, item)) return {nullptr, failure};
    return {std::move(server), {}};
}

} // namespace orvane::platform::win32
