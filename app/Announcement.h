#pragma once

#include <cstdint>
#include <string>

namespace corvatto {

struct AnnouncementServer {
    std::wstring host;
    std::uint16_t port = 80;
};

// The maker's announcement server. Tests point the program at their own server through the environment
// variable CORVATTO_ANNOUNCEMENT_SERVER ("host:port"); nothing else is ever read from outside.
AnnouncementServer ConfiguredAnnouncementServer();

// Fetches the announcement: the body of a successful response up to its first zero byte, in the ANSI
// code page as sent. Any failure gives an empty text.
std::string DownloadAnnouncement(const AnnouncementServer& server);

} // namespace corvatto
