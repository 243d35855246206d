#pragma once
// A small HTTP server of a test's own on 127.0.0.1: one connection at a time on its own thread, each
// path answered as the test says (404 for any other). Winsock must be started by the test.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <string>
#include <string_view>
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

// What the server answers for a path: the head as written, then the body in pieces with a pause
// between them; the connection closes after the last.
struct Reply {
  std::string head;
  std::string body;
  std::size_t piece = 1 << 20;
  int pauseMs = 0;
};

inline Reply Ok(std::string body) {
  return {"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n",
          std::move(body)};
}

// One connection at a time on its own thread, until destroyed.
class TinyServer {
 public:
  explicit TinyServer(std::map<std::string, Reply> replies) : replies_(std::move(replies)) {
    listener_.Reset(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    if (!listener_ || bind(listener_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        listen(listener_.Get(), 4) != 0) {
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
  int SentPieces() const { return sentPieces_; }

 private:
  void Serve() {
    while (!ending_) {
      Socket connection(accept(listener_.Get(), nullptr, nullptr));
      if (!connection) return;
      std::string request;
      char buffer[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(connection.Get(), buffer, sizeof(buffer), 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<std::size_t>(got));
      }
      const auto pathStart = request.find(' ') + 1;
      const std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
      const auto found = replies_.find(path);
      const Reply reply =
          found == replies_.end() ? Reply{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", ""} : found->second;
      if (!SendAll(connection.Get(), reply.head)) continue;
      for (std::size_t at = 0; at < reply.body.size() && !ending_; at += reply.piece) {
        if (at != 0 && reply.pauseMs) std::this_thread::sleep_for(std::chrono::milliseconds(reply.pauseMs));
        if (!SendAll(connection.Get(), reply.body.substr(at, reply.piece))) break;  // the client left
        ++sentPieces_;
      }
      shutdown(connection.Get(), SD_SEND);
    }
  }
  static bool SendAll(SOCKET connection, std::string_view data) {
    while (!data.empty()) {
      const int sent = send(connection, data.data(), static_cast<int>(data.size()), 0);
      if (sent <= 0) return false;
      data.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
  }

  const std::map<std::string, Reply> replies_;
  Socket listener_;
  int port_ = 0;
  std::atomic<bool> ending_{false};
  std::atomic<int> sentPieces_{0};
  std::thread thread_;
};

}  // namespace vantrelle::testing
