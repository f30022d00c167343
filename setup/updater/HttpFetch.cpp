#include "setup/updater/HttpFetch.h"

#include <windows.h>

#include <wininet.h>

namespace {

const DWORD kTimeoutMs = 10000;

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET get() const { return handle_; }

 private:
  HINTERNET handle_;
};

}  // namespace

bool FetchSmallDocument(const std::string& address, std::size_t maxBytes, std::string* body) {
  InternetHandle session(
      InternetOpenA("Lumatori-Updater", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session.get()) return false;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD timeout = kTimeoutMs;
    InternetSetOptionA(session.get(), option, &timeout, sizeof timeout);
  }
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI |
                      INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTH;
  InternetHandle request(
      InternetOpenUrlA(session.get(), address.c_str(), nullptr, 0, flags, 0));
  if (!request.get()) return false;

  DWORD status = 0;
  DWORD statusSize = sizeof status;
  if (!HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                      &statusSize, nullptr) ||
      status != 200) {
    return false;
  }
  std::string received;
  char buffer[1024];
  DWORD read = 0;
  while (InternetReadFile(request.get(), buffer, sizeof buffer, &read) && read > 0) {
    received.append(buffer, read);
    if (received.size() > maxBytes) return false;
  }
  *body = received;
  return true;
}
