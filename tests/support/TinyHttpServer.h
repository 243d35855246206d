#pragma once
// A small HTTP server of a test's own on 127.0.0.1: one connection at a time on its own thread, each
// path answered as the test says (404 for any other). Winsock must be started by the test.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <string>
#include <thread>

#include "platform/win32/ScopedHandle.h"

namespace vantrelle::testing {

struct SocketTraits {
  using Handle = SOCKET;
  static Handle Null() { return INVALID_SOCKET; }
  static bool IsValid(Handle h) { return h != INVALID_SOCKET; }
  static void Close(Handle h) { closesocket(h); }
};
using Socket = win32::ScopedHandle<SocketTraits>;

// The answer to a path: the head as written, then the body in pieces with a pause between them.
struct Reply {
  std::string head, body;
  std::size_t piece = 1 << 20;
  int pauseMs = 0;
};

inline Reply Ok(const std::string& body) {
  return {"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n", body};
}

// One connection at a time on a thread of its own, until destroyed.
class TinyServer {
 public:
  explicit TinyServer(std::map<std::string, Reply> replies) : replies_(std::move(replies)) {
    sockaddr_in address{AF_INET, 0, {}, {}};
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    if (!listener_ || bind(listener_.Get(), raw, length) || getsockname(listener_.Get(), raw, &length) ||
        listen(listener_.Get(), 4)) {
      ADD_FAILURE() << "no listening socket: " << WSAGetLastError();
      return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TinyServer() {
    ending_ = true;
    listener_.Reset();  // ends the accept under way
    if (thread_.joinable()) thread_.join();
  }
  std::string Address(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

 private:
  void Serve() {
    for (Socket connection; !ending_ && (connection = Socket(accept(listener_.Get(), nullptr, nullptr)));) {
      std::string request;
      char buffer[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(connection.Get(), buffer, sizeof(buffer), 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<std::size_t>(got));
      }
      const auto from = request.find(' ') + 1;
      const auto found = replies_.find(request.substr(from, request.find(' ', from) - from));
      const Reply reply =
          found == replies_.end() ? Reply{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", ""} : found->second;
      // One request a connection: the client is told so, and never sends a second one on it.
      std::string head = reply.head;
      head.insert(head.find("\r\n") + 2, "Connection: close\r\n");
      bool open = Send(connection.Get(), head);
      for (std::size_t at = 0; open && at < reply.body.size() && !ending_; at += reply.piece) {
        if (at != 0) std::this_thread::sleep_for(std::chrono::milliseconds(reply.pauseMs));
        open = Send(connection.Get(), reply.body.substr(at, reply.piece));  // false once the client left
      }
      shutdown(connection.Get(), SD_SEND);
    }
  }
  static bool Send(SOCKET connection, const std::string& data) {
    return send(connection, data.data(), static_cast<int>(data.size()), 0) == static_cast<int>(data.size());
  }

  const std::map<std::string, Reply> replies_;
  Socket listener_{socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
  int port_ = 0;
  std::atomic<bool> ending_{false};
  std::thread thread_;
};

}  // namespace vantrelle::testing
