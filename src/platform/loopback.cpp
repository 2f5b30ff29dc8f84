#include "platform/loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>

#include "support/errors.h"
#include "support/uniquefd.h"

namespace qs {

namespace {

sockaddr_in LoopbackAddress(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

UniqueFd TcpSocket() {
  UniqueFd socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.IsOpen())
    throw Error("Cannot open a network socket: " + std::string(std::strerror(errno)));
  return socket;
}

}  // namespace

int FreeLoopbackPort() {
  const UniqueFd socket = TcpSocket();
  sockaddr_in address = LoopbackAddress(0);
  socklen_t length = sizeof address;
  if (::bind(socket.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw Error("Cannot find a free port on 127.0.0.1: " + std::string(std::strerror(errno)));
  return ntohs(address.sin_port);
}

bool WaitForLoopbackListener(int port, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  const sockaddr_in address = LoopbackAddress(port);
  for (;;) {
    const UniqueFd socket = TcpSocket();
    if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
      return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace qs
