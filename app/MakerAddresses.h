#pragma once

#include <cstdint>

namespace corvatto {

// The maker's addresses. Reserved example names until the maker has a domain of its own.
inline constexpr wchar_t kAnnouncementHost[] = L"announce.example.com";
inline constexpr std::uint16_t kAnnouncementPort = 80;
inline constexpr wchar_t kAnnouncementPath[] = L"/yuyinbao.txt";
inline constexpr wchar_t kMakerPage[] = L"https://www.example.com/corvatto/";

} // namespace corvatto
