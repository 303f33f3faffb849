#include "HttpLoad.h"

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace velomira::bench {

using Clock = std::chrono::steady_clock;

Figures Load(int port, const std::vector<std::string>& targets, bool keepAlive,
             std::size_t expectedMinimumBody, Clock::duration duration) {
  std::atomic<int> issued{0};
  std::atomic<int> failures{0};
  std::vector<std::vector<double>> latencies(kClientThreads);
  const auto start = Clock::now();
  const auto deadline = start + duration;
  std::vector<std::thread> threads;
  for (int t = 0; t < kClientThreads; ++t) {
    threads.emplace_back([&, t] {
      httplib::Client client("127.0.0.1", port);
      client.set_keep_alive(keepAlive);
      client.set_tcp_nodelay(true);
      client.set_url_encode(false);
      for (int n = issued++; n < kMaxRequests && Clock::now() < deadline; n = issued++) {
        const auto sent = Clock::now();
        const auto result = client.Post(targets[static_cast<std::size_t>(n) % targets.size()]);
        const auto took = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        if (!result || result->status != 200 || result->body.size() < expectedMinimumBody) ++failures;
        latencies[t].push_back(took);
      }
    });
  }
  for (auto& thread : threads) thread.join();
  Figures figures;
  figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::vector<double> all;
  for (const auto& list : latencies) all.insert(all.end(), list.begin(), list.end());
  std::sort(all.begin(), all.end());
  figures.requests = static_cast<int>(all.size());
  figures.failures = failures;
  if (!all.empty()) {
    figures.p50Ms = all[all.size() / 2];
    figures.p99Ms = all[std::min(all.size() - 1, all.size() * 99 / 100)];
  }
  return figures;
}

void Print(const char* name, const Figures& figures) {
  std::printf("%-44s %8d req %6d fail %10.0f req/s  p50 %7.3f ms  p99 %7.3f ms\n", name,
              figures.requests, figures.failures, figures.perSecond(), figures.p50Ms,
              figures.p99Ms);
}

}  // namespace velomira::bench
