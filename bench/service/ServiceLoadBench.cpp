// Loopback load against the seeded service: requests per second and p99
// latency of GetProgramList mode=daily (a full page), next to a trivial
// handler on the same HTTP server as the baseline.
#include <httplib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "HttpLoad.h"
#include "HttpServer.h"
#include "Passwords.h"
#include "Seed.h"
#include "Service.h"

using velomira::service::SeedSampleGuide;
using velomira::service::ServiceConfig;
using velomira::service::VelomiraService;
using velomira::bench::Figures;
using velomira::bench::Load;
using velomira::bench::Print;
using velomira::bench::kClientThreads;
using velomira::bench::kMaxRequests;
using velomira::bench::kMaxDuration;

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
