#include "app/Announcement.h"
#include "platform/Win32.h"
#include "tests/app/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace corvatto {
namespace {

using testing::LoopbackHttpServer;

std::string Response(const std::string& status, const std::string& body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

AnnouncementServer Loopback(std::uint16_t port)
{
    return {L"127.0.0.1", port};
}

struct DownloadCase {
    const char* name;
    std::string response;
    std::string expected;
};

void PrintTo(const DownloadCase& row, std::ostream* out)
{
    *out << row.name;
}

class AnnouncementDownload : public ::testing::TestWithParam<DownloadCase> {};

TEST_P(AnnouncementDownload, GivesTheBodyOfASuccessfulResponseOnly)
{
    LoopbackHttpServer server(GetParam().response);
    EXPECT_EQ(DownloadAnnouncement(Loopback(server.port())), GetParam().expected);
    EXPECT_EQ(server.requestLines(), std::vector<std::string>{"GET /yuyinbao.txt HTTP/1.1"});
}

const std::string kGbkGreeting = "\xC4\xE3\xBA\xC3\xA3\xAC\xBC\xAF\xBA\xCF"; // 你好，集合
const std::string kLongBody(100 * 1024, 'x');

INSTANTIATE_TEST_SUITE_P(Responses, AnnouncementDownload,
    ::testing::Values(
        DownloadCase{"PlainText", Response("200 OK", "Welcome back"), "Welcome back"},
        DownloadCase{"AnsiText", Response("200 OK", kGbkGreeting), kGbkGreeting},
        DownloadCase{"CutAtZeroByte", Response("200 OK", std::string("first\0second", 12)), "first"},
        DownloadCase{"EmptyBody", Response("200 OK", ""), ""},
        DownloadCase{"CappedAt64KiB", Response("200 OK", kLongBody), std::string(64 * 1024, 'x')},
        DownloadCase{"NotFound", Response("404 Not Found", "no such file"), ""},
        DownloadCase{"ServerError", Response("500 Internal Server Error", "oops"), ""},
        DownloadCase{"Redirect", "HTTP/1.1 301 Moved\r\nContent-Length: 4\r\nConnection: close\r\n\r\nmove", ""},
        DownloadCase{"NotHttp", "garbage that is no response at all", ""}),
    [](const auto& info) { return info.param.name; });

TEST(AnnouncementDownloadFailure, RefusedConnectionGivesEmptyText)
{
    EXPECT_EQ(DownloadAnnouncement(Loopback(LoopbackHttpServer::UnusedPort())), "");
}

TEST(AnnouncementDownloadFailure, ServerThatNeverAnswersIsGivenUpOn)
{
    LoopbackHttpServer server("", LoopbackHttpServer::Behaviour::NeverAnswer);
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(DownloadAnnouncement(Loopback(server.port())), "");
    // Not a speed goal: start-up must not hang, and the request gives up after its time-out of about 5 s.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
    EXPECT_EQ(server.requestLines().size(), 1u);
}

struct ServerSettingCase {
    const wchar_t* value; // nullptr: the variable is not set
    std::wstring host;
    std::uint16_t port;
};

TEST(AnnouncementServerSetting, EnvironmentOverrideIsParsedOrIgnored)
{
    const ServerSettingCase cases[] = {
        {nullptr, L"announce.example.com", 80},
        {L"127.0.0.1:8123", L"127.0.0.1", 8123},
        {L"localhost:65535", L"localhost", 65535},
        {L"no-port", L"announce.example.com", 80},
        {L":8123", L"announce.example.com", 80},
        {L"host:0", L"announce.example.com", 80},
        {L"host:70000", L"announce.example.com", 80},
    };
    for (const ServerSettingCase& row : cases) {
        SetEnvironmentVariableW(L"CORVATTO_ANNOUNCEMENT_SERVER", row.value);
        AnnouncementServer server = ConfiguredAnnouncementServer();
        EXPECT_EQ(server.host, row.host) << (row.value ? row.value : L"(unset)");
        EXPECT_EQ(server.port, row.port) << (row.value ? row.value : L"(unset)");
    }
    SetEnvironmentVariableW(L"CORVATTO_ANNOUNCEMENT_SERVER", nullptr);
}

} // namespace
} // namespace corvatto
