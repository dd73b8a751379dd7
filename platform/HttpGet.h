#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace corvatto {

struct HttpRequest {
    std::wstring host;
    std::uint16_t port = 80;
    std::wstring path = L"/";
    // Applies to connecting, sending and each wait for data; the whole read is bounded by a few of these.
    std::chrono::milliseconds timeout{5000};
    std::size_t maxBodyBytes = 64 * 1024;
};

// One synchronous HTTP GET that bypasses every cache. Gives the body (at most maxBodyBytes of it) of a
// 2xx response; any failure, time-out or other status gives nothing.
std::optional<std::string> HttpGet(const HttpRequest& request);

} // namespace corvatto
