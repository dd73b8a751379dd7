#include "tests/app/LoopbackHttpServer.h"

#include <winsock2.h>

namespace corvatto::testing {
namespace {

struct WinsockStartup {
    WinsockStartup()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockStartup() { WSACleanup(); }
};

void EnsureWinsock()
{
    static WinsockStartup startup;
}

SOCKET ListenOnLoopback(std::uint16_t& port)
{
    EnsureWinsock();
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return listener;
}

std::string ReadRequestHead(SOCKET connection)
{
    std::string head;
    char chunk[1024];
    while (head.find("\r\n\r\n") == std::string::npos) {
        int got = recv(connection, chunk, sizeof chunk, 0);
        if (got <= 0)
            break;
        head.append(chunk, static_cast<size_t>(got));
    }
    return head;
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(std::string rawResponse, Behaviour behaviour)
    : response_(std::move(rawResponse)), behaviour_(behaviour)
{
    SOCKET listener = ListenOnLoopback(port_);
    listen(listener, SOMAXCONN);
    listener_ = listener;
    thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    closesocket(static_cast<SOCKET>(listener_));
    thread_.join();
    for (std::uintptr_t connection : heldConnections_)
        closesocket(static_cast<SOCKET>(connection));
}

std::vector<std::string> LoopbackHttpServer::requestLines() const
{
    std::lock_guard lock(mutex_);
    return requestLines_;
}

std::uint16_t LoopbackHttpServer::UnusedPort()
{
    std::uint16_t port = 0;
    closesocket(ListenOnLoopback(port));
    return port;
}

void LoopbackHttpServer::Serve()
{
    for (;;) {
        SOCKET connection = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
        if (connection == INVALID_SOCKET)
            return;
        std::string head = ReadRequestHead(connection);
        {
            std::lock_guard lock(mutex_);
            requestLines_.push_back(head.substr(0, head.find("\r\n")));
        }
        if (behaviour_ == Behaviour::NeverAnswer) {
            heldConnections_.push_back(connection);
            continue;
        }
        send(connection, response_.data(), static_cast<int>(response_.size()), 0);
        shutdown(connection, SD_SEND);
        closesocket(connection);
    }
}

} // namespace corvatto::testing
