#include "platform/HttpGet.h"

#include "platform/UniqueResource.h"

#include <wininet.h>

#include <algorithm>

namespace corvatto {
namespace {

struct InternetHandleTraits {
    using Type = HINTERNET;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { InternetCloseHandle(handle); }
};
using UniqueInternet = UniqueResource<InternetHandleTraits>;

// Time-outs only take effect on the request handle, not on the session.
void SetTimeouts(HINTERNET request, DWORD milliseconds)
{
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        InternetSetOptionW(request, option, &milliseconds, sizeof milliseconds);
    }
}

std::optional<DWORD> StatusCode(HINTERNET request)
{
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return std::nullopt;
    return status;
}

} // namespace

std::optional<std::string> HttpGet(const HttpRequest& request)
{
    UniqueInternet session(InternetOpenW(L"Corvatto", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session)
        return std::nullopt;
    UniqueInternet connection(InternetConnectW(session.get(), request.host.c_str(), request.port, nullptr,
                                               nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection)
        return std::nullopt;
    constexpr DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                            INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;
    UniqueInternet handle(HttpOpenRequestW(connection.get(), L"GET", request.path.c_str(), nullptr, nullptr,
                                           nullptr, flags, 0));
    if (!handle)
        return std::nullopt;

    auto timeout = static_cast<DWORD>(request.timeout.count());
    SetTimeouts(handle.get(), timeout);
    if (!HttpSendRequestW(handle.get(), nullptr, 0, nullptr, 0))
        return std::nullopt;
    auto status = StatusCode(handle.get());
    if (!status || *status < 200 || *status > 299)
        return std::nullopt;

    // Each read waits at most one time-out; a server that trickles bytes is cut off after a few.
    const DWORD deadline = GetTickCount() + 3 * timeout;
    std::string body;
    char chunk[4096];
    while (body.size() < request.maxBodyBytes) {
        DWORD wanted = static_cast<DWORD>(std::min(sizeof chunk, request.maxBodyBytes - body.size()));
        DWORD got = 0;
        if (!InternetReadFile(handle.get(), chunk, wanted, &got))
            return std::nullopt;
        if (got == 0)
            break;
        body.append(chunk, got);
        if (static_cast<LONG>(GetTickCount() - deadline) > 0)
            return std::nullopt;
    }
    return body;
}

} // namespace corvatto
