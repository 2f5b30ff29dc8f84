// Ports on the loopback interface, for a web server the program starts for
// itself and reaches only from this machine.
#pragma once

#include <chrono>

namespace qs {

// A TCP port of 127.0.0.1 that nothing listens on now: the system's choice
// for port 0, read back. Throws qs::Error when no socket can be bound.
[[nodiscard]] int FreeLoopbackPort();

// Tries to connect to 127.0.0.1:port until a connection is accepted or the
// time is over; true when something listens.
[[nodiscard]] bool WaitForLoopbackListener(int port, std::chrono::milliseconds timeout);

}  // namespace qs
