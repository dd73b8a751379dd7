#include "app/Announcement.h"

#include "app/MakerAddresses.h"
#include "platform/HttpGet.h"
#include "platform/Win32.h"

#include <cwchar>

namespace corvatto {
namespace {

constexpr wchar_t kServerOverride[] = L"CORVATTO_ANNOUNCEMENT_SERVER";

} // namespace

AnnouncementServer ConfiguredAnnouncementServer()
{
    AnnouncementServer server{kAnnouncementHost, kAnnouncementPort};
    wchar_t value[256];
    DWORD length = GetEnvironmentVariableW(kServerOverride, value, static_cast<DWORD>(std::size(value)));
    if (length == 0 || length >= std::size(value))
        return server;
    std::wstring text(value, length);
    size_t colon = text.rfind(L':');
    if (colon == std::wstring::npos || colon == 0)
        return server;
    unsigned long port = std::wcstoul(text.c_str() + colon + 1, nullptr, 10);
    if (port == 0 || port > 65535)
        return server;
    return {text.substr(0, colon), static_cast<std::uint16_t>(port)};
}

std::string DownloadAnnouncement(const AnnouncementServer& server)
{
    HttpRequest request;
    request.host = server.host;
    request.port = server.port;
    request.path = kAnnouncementPath;
    std::string body = HttpGet(request).value_or(std::string{});
    if (size_t zero = body.find('\0'); zero != std::string::npos)
        body.resize(zero);
    return body;
}

} // namespace corvatto
