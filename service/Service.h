#pragma once
// The reference service: servlets, downloads and web pages over HTTP.
#include <filesystem>
#include <memory>
#include <string>

#include "Database.h"
#include "HttpServer.h"
#include "RequestGuard.h"
#include "Servlet.h"
#include "UpdateSigning.h"

namespace velomira::service {

// The database file in a data folder.
inline std::filesystem::path DatabaseFile(const std::filesystem::path& dataDir) {
  return dataDir / "velomira.db";
}

// The HTTP limits the service runs with.
HttpLimits ServiceHttpLimits();

class VelomiraService {
public:
  // Opens (creating when missing) dataDir/velomira.db and the update signing key.
  explicit VelomiraService(ServiceConfig config);
  ~VelomiraService();
  VelomiraService(const VelomiraService&) = delete;
  VelomiraService& operator=(const VelomiraService&) = delete;

  Database& database() { return database_; }
  const ServiceConfig& config() const { return config_; }
  // The public key clients check update packages with, in hex.
  std::string updateKeyHex() const { return signer_.publicKeyHex(); }

  // Binds to host and port (0 picks a free one); the bound port, or -1.
  int bind(const std::string& host, int port);
  // Serves on background threads until stop() or destruction; false when
  // it could not start.
  bool start();
  void stop();

private:
  class Routes;
  ServiceConfig config_;
  Database database_;
  RequestLog log_;
  PackageSigner signer_;
  ServletTable servlets_;
  RequestGuard guard_;
  std::unique_ptr<Routes> routes_;
};

}  // namespace velomira::service
