// A tiny HTTP server on 127.0.0.1 for the updater's tests: answers every request with the
// same response and counts the requests.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

class LocalHttpServer {
 public:
  LocalHttpServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        listen(listener_, 8) == 0 &&
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
      port_ = ntohs(address.sin_port);
      thread_ = std::thread([this] { Serve(); });
    }
  }
  ~LocalHttpServer() {
    stopping_ = true;
    closesocket(listener_);
    if (thread_.joinable()) thread_.join();
    WSACleanup();
  }
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  // The address of path on this server.
  std::string Address(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

  // What every request is answered with from now on: a status and a body.
  void Answer(int status, const std::string& body) {
    std::lock_guard<std::mutex> lock(mutex_);
    response_ = "HTTP/1.0 " + std::to_string(status) + " X\r\nContent-Type: text/plain\r\n" +
                "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
                body;
  }

  int Requests() const { return requests_; }

 private:
  void Serve() {
    while (!stopping_) {
      SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) continue;
      std::string request;
      char buffer[1024];
      int received = 0;
      while (request.find("\r\n\r\n") == std::string::npos &&
             (received = recv(client, buffer, sizeof buffer, 0)) > 0) {
        request.append(buffer, received);
      }
      ++requests_;
      std::string response;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        response = response_;
      }
      send(client, response.data(), static_cast<int>(response.size()), 0);
      shutdown(client, SD_SEND);
      closesocket(client);
    }
  }

  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::thread thread_;
  std::atomic<bool> stopping_{false};
  std::atomic<int> requests_{0};
  std::mutex mutex_;
  std::string response_ = "HTTP/1.0 404 X\r\nContent-Length: 0\r\n\r\n";
};
