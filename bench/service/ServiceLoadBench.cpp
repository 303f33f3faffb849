// Loopback load against the seeded service: requests per second and p99
// latency of GetProgramList mode=daily (a full page), next to a trivial
// handler on the same HTTP server as the baseline.
#include <httplib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "HttpServer.h"
#include "Passwords.h"
#include "Seed.h"
#include "Service.h"

namespace {

using Clock = std::chrono::steady_clock;
using velomira::service::SeedSampleGuide;
using velomira::service::ServiceConfig;
using velomira::service::VelomiraService;

constexpr int kClientThreads = 4;
constexpr int kMaxRequests = 20000;
constexpr auto kMaxDuration = std::chrono::seconds(5);

struct Figures {
  int requests = 0;
  int failures = 0;
  double seconds = 0;
  double p50Ms = 0;
  double p99Ms = 0;
  double perSecond() const { return requests / seconds; }
};

// Each client thread sends targets in turn until the request or time budget
// is used up; keepAlive false opens a connection per request, as the
// desktop client does.
Figures Load(int port, const std::vector<std::string>& targets, bool keepAlive,
             std::size_t expectedMinimumBody) {
  std::atomic<int> issued{0};
  std::atomic<int> failures{0};
  std::vector<std::vector<double>> latencies(kClientThreads);
  const auto start = Clock::now();
  const auto deadline = start + kMaxDuration;
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

}  // namespace

int main() {
  if (!velomira::service::InitPasswords()) return 1;
  char pattern[] = "/tmp/velomira-bench-XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const std::filesystem::path folder(pattern);
  int status = 0;
  {
    ServiceConfig config;
    config.dataDir = folder / "data";  // no log: the figures are about serving
    VelomiraService service(config);
    SeedSampleGuide(service.database(), service.config().clock());
    const int port = service.bind("127.0.0.1", 0);
    service.start();

    velomira::service::HttpServer trivial([](const velomira::service::HttpRequest&) {
      return velomira::service::HttpAnswer{200, "100                             ", "text/plain"};
    }, velomira::service::ServiceHttpLimits());
    const int trivialPort = trivial.bind("127.0.0.1", 0);
    trivial.start();

    std::vector<std::string> daily;
    for (int cate : {1, 2, 3, 4, 5, 6, 7, 8, 9}) {
      for (int day = 1; day <= 7; ++day) {
        daily.push_back("/servlet/servlet.GetProgramList?mode=daily&cate1=" + std::to_string(cate) +
                        "&day=" + std::to_string(day) + "&gmt=0");
      }
    }
    // A full page of 20 records is several kilobytes.
    constexpr std::size_t kFullPage = 4000;
    std::printf("%d client threads, at most %d requests or %lld s per run, %u cores\n",
                kClientThreads, kMaxRequests, static_cast<long long>(kMaxDuration.count()),
                std::thread::hardware_concurrency());
    Load(port, daily, true, kFullPage);  // warm-up: connections and statements
    const Figures baseline = Load(trivialPort, {"/ping"}, true, 32);
    const Figures dailyKeepAlive = Load(port, daily, true, kFullPage);
    const Figures baselineFresh = Load(trivialPort, {"/ping"}, false, 32);
    const Figures dailyFresh = Load(port, daily, false, kFullPage);
    Print("baseline: trivial handler, keep-alive", baseline);
    Print("GetProgramList daily page, keep-alive", dailyKeepAlive);
    Print("baseline: trivial handler, new connection", baselineFresh);
    Print("GetProgramList daily page, new connection", dailyFresh);
    std::printf("ratio daily / baseline: keep-alive %.2f, new connection %.2f\n",
                dailyKeepAlive.perSecond() / baseline.perSecond(),
                dailyFresh.perSecond() / baselineFresh.perSecond());
    status = dailyKeepAlive.failures + dailyFresh.failures == 0 ? 0 : 1;
    trivial.stop();
  }
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  return status;
}
