// A DDE client for the end-to-end tests, on DDEML:
//
//   dde-client SERVICE TOPIC ITEM COUNT OUTFILE
//
// Connects to SERVICE and TOPIC (waiting up to 30 s for the server), holds a
// hot advise link on ITEM in CF_TEXT and, after each advise notification,
// also asks for ITEM by request. Each answer becomes a line of OUTFILE:
// "advise TEXT" or "request TEXT", the bytes with CR, LF and zero written as
// \r, \n and \0; "linked" is written once the link stands. After COUNT
// notifications it ends at once, without ending its conversation: the
// server must cope with a client that simply disappears.
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

DWORD instance = 0;
FILE* out = nullptr;
int advised = 0;
const UINT kRequestNow = WM_APP + 1;

void Note(const char* kind, const BYTE* bytes, DWORD size) {
    std::string line = kind;
    line += ' ';
    for (DWORD i = 0; i < size; ++i) {
        const char c = static_cast<char>(bytes[i]);
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else if (c == '\0')
            line += "\\0";
        else
            line += c;
    }
    std::fprintf(out, "%s\n", line.c_str());
    std::fflush(out);
}

void NoteData(const char* kind, HDDEDATA data) {
    if (!data) {
        std::fprintf(out, "%s failed %u\n", kind, DdeGetLastError(instance));
        std::fflush(out);
        return;
    }
    DWORD size = 0;
    const BYTE* bytes = DdeAccessData(data, &size);
    Note(kind, bytes, size);
    DdeUnaccessData(data);
}

HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
    if (type == XTYP_ADVDATA) {
        NoteData("advise", data);
        ++advised;
        // A synchronous request may not be made from inside the callback.
        PostThreadMessageA(GetCurrentThreadId(), kRequestNow, 0, 0);
        return reinterpret_cast<HDDEDATA>(DDE_FACK);
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: dde-client SERVICE TOPIC ITEM COUNT OUTFILE\n");
        return 2;
    }
    const int count = std::atoi(argv[4]);
    out = std::fopen(argv[5], "w");
    if (!out) return 2;
    if (DdeInitializeA(&instance, Callback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return 3;
    HSZ service = DdeCreateStringHandleA(instance, argv[1], CP_WINANSI);
    HSZ topic = DdeCreateStringHandleA(instance, argv[2], CP_WINANSI);
    HSZ item = DdeCreateStringHandleA(instance, argv[3], CP_WINANSI);

    HCONV conversation = nullptr;
    for (int attempt = 0; attempt < 300 && !conversation; ++attempt) {
        conversation = DdeConnect(instance, service, topic, nullptr);
        if (!conversation) Sleep(100);
    }
    if (!conversation) {
        std::fprintf(out, "no conversation %u\n", DdeGetLastError(instance));
        return 4;
    }
    DWORD result = 0;
    if (!DdeClientTransaction(nullptr, 0, conversation, item, CF_TEXT, XTYP_ADVSTART, 5000, &result)) {
        std::fprintf(out, "no link %u\n", DdeGetLastError(instance));
        return 5;
    }
    std::fprintf(out, "linked\n");
    std::fflush(out);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == kRequestNow && message.hwnd == nullptr) {
            HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation, item, CF_TEXT, XTYP_REQUEST, 5000, &result);
            NoteData("request", data);
            if (data) DdeFreeDataHandle(data);
            if (advised >= count) {
                std::fclose(out);
                ExitProcess(0); // no DdeDisconnect, no DdeUninitialize
            }
            continue;
        }
        DispatchMessageA(&message);
    }
    return 0;
}
