#pragma once
// Everything on the far side runs slowly under Wine: the driver waits by
// polling a condition until a deadline, never by a fixed sleep.
#include <windows.h>

#include <chrono>
#include <stdexcept>
#include <string>

namespace guidriver {

using Duration = std::chrono::milliseconds;

// What a failed wait or a refused action throws; its text is UTF-8.
class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Asks `probe` until it yields something that tests true or `timeout` has
// passed, then returns its last answer (asked once more at the deadline).
template <typename Probe>
auto PollUntil(Duration timeout, Probe probe) -> decltype(probe()) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto answer = probe();
        if (answer || std::chrono::steady_clock::now() >= deadline) return answer;
        ::Sleep(50);
    }
}

}  // namespace guidriver
