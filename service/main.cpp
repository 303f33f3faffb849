// velomira-service: the reference service for the Velomira client.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "Passwords.h"
#include "Seed.h"
#include "Service.h"
#include "ServiceOptions.h"
#include "UpdateSigning.h"
#include "XmltvCommand.h"
#include "XmltvFolder.h"

namespace {

constexpr const char* kDefaultCategoryMap = "xmltv-categories.map";

std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = std::filesystem::absolute(argv0, error);
  return self.parent_path();
}

// Every open connection is a descriptor: take all the system allows.
void RaiseDescriptorLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
  limit.rlim_cur = limit.rlim_max;
  setrlimit(RLIMIT_NOFILE, &limit);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velomira::service;
  std::string error;
  const auto options = ParseServiceOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::cerr << error << "\n" << kServiceUsage;
    return 2;
  }
  if (!InitPasswords()) {
    std::cerr << "cannot initialise libsodium\n";
    return 1;
  }
  try {
    if (options->printUpdateKey) {
      std::filesystem::create_directories(options->dataDir);
      std::cout << PublicKeyHex(LoadOrCreateUpdateKey(options->dataDir)) << std::endl;
      return 0;
    }
    const std::filesystem::path programFolder = ProgramFolder(argv[0]);
    XmltvCommand xmltv{options->importXmltv, options->categoryMap, options->timeZoneMinutes,
                       static_cast<std::int64_t>(std::time(nullptr))};
    if (xmltv.categoryMap.empty()) xmltv.categoryMap = programFolder / kDefaultCategoryMap;
    // An import prints its one line and leaves the service alone.
    if (!xmltv.file.empty()) {
      std::filesystem::create_directories(options->dataDir);
      Database database(DatabaseFile(options->dataDir));
      return RunXmltvImport(database, xmltv, std::cout, std::cerr);
    }
    RaiseDescriptorLimit();
    ServiceConfig config;
    config.dataDir = options->dataDir;
    config.assetDir = programFolder / "service-assets";
    config.log = &std::cout;
    config.supportAddress = options->supportAddress;
    config.storageCap = options->storageCapMb * 1024 * 1024;
    VelomiraService service(config);
    std::cout << "update signing key: " << service.updateKeyHex() << std::endl;
    if (options->seed) {
      const SeedSummary summary = SeedSampleGuide(service.database(), service.config().clock());
      if (summary.seeded) {
        std::cout << "sample guide created: " << summary.stations << " stations, "
                  << summary.programs << " programs\n"
                  << "demo member: ID \"" << kDemoMemberId << "\", password \"" << kDemoPassword
                  << "\"" << std::endl;
      } else {
        std::cout << "the database already holds a guide; not seeded" << std::endl;
      }
    }
    xmltv.now = service.config().clock();
    ImportXmltvFolder(service.database(), options->dataDir / "xmltv", xmltv, std::cout, std::cerr);
    const int renewed = RenewSampleGuide(service.database(), service.config().clock());
    if (renewed > 0) std::cout << "sample guide extended by " << renewed << " days" << std::endl;
    const int port = service.bind(options->bind, options->port);
    if (port < 0) {
      std::cerr << "cannot listen on " << options->bind << ":" << options->port << "\n";
      return 1;
    }
    std::cout << "listening on " << options->bind << ":" << port << std::endl;
    // Serving threads inherit the blocked signals; this thread waits for them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    if (!service.start()) {
      std::cerr << "cannot serve on " << options->bind << ":" << port << "\n";
      return 1;
    }
    int received = 0;
    sigwait(&stopSignals, &received);
    service.stop();
    return 0;
  } catch (const std::exception& failure) {
    std::cerr << "velomira-service: " << failure.what() << "\n";
    return 1;
  }
}
