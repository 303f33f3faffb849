#include "Service.h"

#include <chrono>
#include <ctime>

#include "Framing.h"
#include "HttpServer.h"
#include "ReplyCodes.h"
#include "StaticFiles.h"
#include "WebPages.h"

namespace velomira::service {

namespace {

std::int64_t SystemClock() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

ServiceConfig WithDefaults(ServiceConfig config) {
  if (!config.clock) config.clock = SystemClock;
  if (!config.dataDir.empty()) std::filesystem::create_directories(config.dataDir);
  return config;
}

std::string UtcStampText() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  gmtime_r(&now, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
  return text;
}

// The address clients reached the service at, for the links it hands out;
// only host-name characters are taken over from the request.
std::string SiteOf(const HttpRequest& request, const std::string& fallback) {
  const std::string& host = request.host;
  if (host.empty() || host.size() > 100) return fallback;
  for (unsigned char c : host) {
    if (!std::isalnum(c) && c != '.' && c != ':' && c != '-' && c != '[' && c != ']') {
      return fallback;
    }
  }
  return host;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

constexpr const char* kTextType = "text/plain; charset=windows-1252";
// The longest request target taken by every path but the usage log's. Every
// connection reserves room for its longest target and the library touches
// that room per connection and request: more costs throughput.
constexpr std::size_t kMaxTarget = 1024 * 1024 + 64 * 1024;
// The usage log's: a log of the largest size (1 MB) with every byte escaped
// ("%XX"). Only connections to the usage log get this room (HttpLimits).
constexpr std::size_t kMaxUsageLogTarget = 4 * 1024 * 1024;
constexpr const char* kUsageLogPath = "/servlet/servlet.GetLog";

HttpAnswer NotFound() { return HttpAnswer{404, "Not found\n", "text/plain"}; }

}  // namespace

HttpLimits ServiceHttpLimits() {
  return HttpLimits{.maxTarget = kMaxTarget,
                    .longTargetPath = kUsageLogPath,
                    .maxLongTarget = kMaxUsageLogTarget};
}

class VelomiraService::Routes {
public:
  explicit Routes(VelomiraService& owner)
      : owner_(owner), http_([this](const HttpRequest& request) { return Route(request); },
                             ServiceHttpLimits()) {}

  HttpServer& http() { return http_; }
  std::string boundSite;

private:
  HttpAnswer Route(const HttpRequest& req) {
    std::string servletName;
    HttpAnswer answer = Dispatch(req, servletName);
    LogRequest(req, answer, servletName);
    return answer;
  }

  HttpAnswer Dispatch(const HttpRequest& req, std::string& servletName) {
    if (req.method != "GET" && req.method != "POST" && req.method != "HEAD") {
      return HttpAnswer{405, {}, "text/plain"};
    }
    const std::string_view path = req.path;
    constexpr std::string_view kServlet = "/servlet/servlet.";
    constexpr std::string_view kPicture = "/down/img/";
    if (StartsWith(path, kServlet) && path.find('/', kServlet.size()) == std::string_view::npos) {
      servletName = path.substr(kServlet.size());
      return Servlet(req, servletName);
    }
    // Past its cap a target is refused on every other path too.
    if (req.tooLong) return HttpAnswer{414, {}, "text/plain"};
    if (StartsWith(path, kPicture) && path.size() > kPicture.size()) {
      return Picture(path.substr(kPicture.size()));
    }
    if (path == "/down/app/VelomiraMain.zip") return SendFile(UpdatePackage(), "application/zip");
    if (path == "/down/app/VelomiraMain.zip.sig") return UpdateSignature();
    if (path == "/web" || StartsWith(path, "/web/")) return Web(path.substr(4));
    return NotFound();
  }

  HttpAnswer Servlet(const HttpRequest& req, const std::string& name) {
    // An over-long request still gets a framed reply the client can read.
    if (req.tooLong) return Text(Reply(code::kQueryTooLong));
    const auto* servlet = owner_.servlets_.find(name);
    if (!servlet) return Text(Reply(code::kUnknownServlet));
    const QueryParams params = QueryParams::FromTarget(req.target);
    std::string body;
    try {
      auto connection = owner_.database_.acquire();
      ServletCall call{params, *connection, owner_.config_.clock(), SiteOf(req, boundSite),
                       owner_.config_, owner_.log_, req.client};
      const auto refusal = owner_.guard_.refusal(name, call);
      body = refusal ? *refusal : servlet->handler(call);
      if (!refusal) owner_.guard_.served(name, call, body);
    } catch (const std::exception& error) {
      owner_.log_.line("error in servlet." + name + ": " + error.what());
      body = servlet->bare ? std::string() : Reply(code::kServiceError);
    }
    return Text(std::move(body));
  }

  std::optional<std::filesystem::path> UpdatePackage() const {
    return ResolveInside(owner_.config_.dataDir / "app", "VelomiraMain.zip");
  }

  // 64 raw bytes: the detached Ed25519 signature of the package as it is now.
  HttpAnswer UpdateSignature() {
    const auto package = UpdatePackage();
    auto signature = package ? owner_.signer_.signatureOf(*package) : std::nullopt;
    if (!signature) return NotFound();
    return HttpAnswer{200, std::move(*signature), "application/octet-stream"};
  }

  static HttpAnswer Text(std::string body) { return HttpAnswer{200, std::move(body), kTextType}; }

  // Pictures: the data folder first, then the assets beside the program.
  HttpAnswer Picture(std::string_view relative) {
    auto file = ResolveInside(owner_.config_.dataDir / "img", relative);
    if (!file) file = ResolveInside(owner_.config_.assetDir / "img", relative);
    return SendFile(file, "image/gif");
  }

  static HttpAnswer SendFile(const std::optional<std::filesystem::path>& file, const char* type) {
    auto content = file ? ReadWholeFile(*file) : std::nullopt;
    if (!content) return NotFound();
    return HttpAnswer{200, std::move(*content), type};
  }

  HttpAnswer Web(std::string_view path) {
    std::optional<std::string> page;
    try {
      auto connection = owner_.database_.acquire();
      page = WebPage(*connection, path, owner_.config_.clock());
    } catch (const std::exception& error) {
      owner_.log_.line("error in web page " + std::string(path) + ": " + error.what());
      return HttpAnswer{500, {}, "text/plain"};
    }
    if (!page) return NotFound();
    return HttpAnswer{200, std::move(*page), "text/html; charset=windows-1252"};
  }

  // Query texts are left out: they carry passwords.
  void LogRequest(const HttpRequest& req, const HttpAnswer& answer, const std::string& servlet) {
    if (!owner_.config_.log) return;
    std::string line = UtcStampText() + " " + req.client + " " + req.method + " " + req.path +
                       " " + std::to_string(answer.status);
    const auto* known = servlet.empty() ? nullptr : owner_.servlets_.find(servlet);
    if (known && !known->bare && answer.body.size() >= 3) line += " code " + answer.body.substr(0, 3);
    line += " " + std::to_string(answer.body.size()) + " bytes";
    owner_.log_.line(line);
  }

  VelomiraService& owner_;
  HttpServer http_;
};

VelomiraService::VelomiraService(ServiceConfig config)
    : config_(WithDefaults(std::move(config))),
      database_(DatabaseFile(config_.dataDir)),
      log_(config_.log),
      signer_(LoadOrCreateUpdateKey(config_.dataDir)) {
  RegisterMemberServlets(servlets_);
  RegisterProgramListServlet(servlets_);
  RegisterChannelServlets(servlets_);
  RegisterPresetServlets(servlets_);
  RegisterPersonalServlets(servlets_);
  RegisterDataServlets(servlets_);
  routes_ = std::make_unique<Routes>(*this);
}

VelomiraService::~VelomiraService() { stop(); }

int VelomiraService::bind(const std::string& host, int port) {
  port = routes_->http().bind(host, port);
  if (port < 0) return -1;
  routes_->boundSite = host + ":" + std::to_string(port);
  return port;
}

bool VelomiraService::start() { return routes_->http().start(); }

void VelomiraService::stop() { routes_->http().stop(); }

}  // namespace velomira::service
