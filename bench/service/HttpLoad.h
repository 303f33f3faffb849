#pragma once
// Loopback HTTP load: client threads post targets in turn and the latencies
// are summed up.
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace velomira::bench {

inline constexpr int kClientThreads = 4;
inline constexpr int kMaxRequests = 20000;
inline constexpr auto kMaxDuration = std::chrono::seconds(5);

struct Figures {
  int requests = 0;
  int failures = 0;
  double seconds = 0;
  double p50Ms = 0;
  double p99Ms = 0;
  double perSecond() const { return requests / seconds; }
};

// Each client thread sends targets in turn until kMaxRequests or duration is
// used up; keepAlive false opens a connection per request, as the desktop
// client does. A reply shorter than expectedMinimumBody counts as a failure.
Figures Load(int port, const std::vector<std::string>& targets, bool keepAlive,
             std::size_t expectedMinimumBody,
             std::chrono::steady_clock::duration duration = kMaxDuration);

void Print(const char* name, const Figures& figures);

}  // namespace velomira::bench
