#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace corvatto::testing {

// A one-thread HTTP server on 127.0.0.1 for tests: it answers every request with the same raw response,
// or, when told to, accepts connections and never answers them.
class LoopbackHttpServer {
public:
    enum class Behaviour { Reply, NeverAnswer };

    explicit LoopbackHttpServer(std::string rawResponse, Behaviour behaviour = Behaviour::Reply);
    ~LoopbackHttpServer();

    std::uint16_t port() const { return port_; }
    // The first line of every request received so far ("GET /path HTTP/1.1").
    std::vector<std::string> requestLines() const;

    // A loopback port on which nothing listens, so a connection to it is refused.
    static std::uint16_t UnusedPort();

private:
    void Serve();

    std::string response_;
    Behaviour behaviour_;
    std::uintptr_t listener_;
    std::uint16_t port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requestLines_;
    std::vector<std::uintptr_t> heldConnections_;
};

} // namespace corvatto::testing
