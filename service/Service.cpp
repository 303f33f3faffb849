#include "Service.h"

#include <httplib.h>

#include <chrono>
#include <ctime>

#include "Framing.h"
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
std::string SiteOf(const httplib::Request& request, const std::string& fallback) {
  const std::string host = request.get_header_value("Host");
  if (host.empty() || host.size() > 100) return fallback;
  for (unsigned char c : host) {
    if (!std::isalnum(c) && c != '.' && c != ':' && c != '-' && c != '[' && c != ']') {
      return fallback;
    }
  }
  return host;
}

constexpr const char* kTextType = "text/plain; charset=windows-1252";
constexpr std::size_t kWorkerThreads = 16;

}  // namespace

class VelomiraService::Routes {
public:
  Routes(VelomiraService& owner) : owner_(owner) {
    // Header and body go out as separate writes; don't let them wait for ACKs.
    server_.set_tcp_nodelay(true);
    // Idle keep-alive connections (browsers on the web pages) hold a worker
    // each: keep them short and have workers to spare for the desktop clients.
    server_.set_keep_alive_timeout(2);
    server_.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    server_.set_logger([this](const httplib::Request& req, const httplib::Response& res) {
      LogRequest(req, res);
    });
    server_.set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request&, httplib::Response& res) {
          // An over-long request line still gets a framed reply the client can read.
          if (res.status != 414) return httplib::Server::HandlerResponse::Unhandled;
          res.status = 200;
          res.set_content(Reply(code::kQueryTooLong), kTextType);
          return httplib::Server::HandlerResponse::Handled;
        }));
    const auto servlet = [this](const httplib::Request& req, httplib::Response& res) {
      Servlet(req, res);
    };
    const auto picture = [this](const httplib::Request& req, httplib::Response& res) {
      Picture(req, res);
    };
    const auto package = [this](const httplib::Request& req, httplib::Response& res) {
      Package(req, res);
    };
    const auto web = [this](const httplib::Request& req, httplib::Response& res) { Web(req, res); };
    for (const auto& [pattern, handler] :
         {std::pair<const char*, httplib::Server::Handler>{R"(/servlet/servlet\.([^/]*))", servlet},
          {R"(/down/img/(.+))", picture},
          {R"(/down/app/VelomiraMain\.zip)", package},
          {R"(/web(/.*)?)", web}}) {
      server_.Get(pattern, handler);
      server_.Post(pattern, handler);
    }
  }

  httplib::Server& server() { return server_; }
  std::string boundSite;

private:
  void Servlet(const httplib::Request& req, httplib::Response& res) {
    const std::string name = req.matches[1];
    const auto* servlet = owner_.servlets_.find(name);
    if (!servlet) {
      res.set_content(Reply(code::kUnknownServlet), kTextType);
      return;
    }
    const QueryParams params = QueryParams::FromTarget(req.target);
    std::string body;
    try {
      auto connection = owner_.database_.acquire();
      ServletCall call{params, *connection, owner_.config_.clock(), SiteOf(req, boundSite),
                       owner_.config_, owner_.log_};
      body = servlet->handler(call);
    } catch (const std::exception& error) {
      owner_.log_.line("error in servlet." + name + ": " + error.what());
      body = servlet->bare ? std::string() : Reply(code::kServiceError);
    }
    res.set_content(body, kTextType);
  }

  // Pictures: the data folder first, then the assets beside the program.
  void Picture(const httplib::Request& req, httplib::Response& res) {
    const std::string relative = req.matches[1];
    auto file = ResolveInside(owner_.config_.dataDir / "img", relative);
    if (!file) file = ResolveInside(owner_.config_.assetDir / "img", relative);
    SendFile(file, "image/gif", res);
  }

  void Package(const httplib::Request&, httplib::Response& res) {
    SendFile(ResolveInside(owner_.config_.dataDir / "app", "VelomiraMain.zip"), "application/zip",
             res);
  }

  static void SendFile(const std::optional<std::filesystem::path>& file, const char* type,
                       httplib::Response& res) {
    const auto content = file ? ReadWholeFile(*file) : std::nullopt;
    if (!content) {
      res.status = 404;
      res.set_content("Not found\n", "text/plain");
      return;
    }
    res.set_content(*content, type);
  }

  void Web(const httplib::Request& req, httplib::Response& res) {
    const std::string path = req.matches[1];
    std::optional<std::string> page;
    try {
      auto connection = owner_.database_.acquire();
      page = WebPage(*connection, path, owner_.config_.clock());
    } catch (const std::exception& error) {
      owner_.log_.line("error in web page " + path + ": " + error.what());
      res.status = 500;
      return;
    }
    if (!page) {
      res.status = 404;
      res.set_content("Not found\n", "text/plain");
      return;
    }
    res.set_content(*page, "text/html; charset=windows-1252");
  }

  // Query texts are left out: they carry passwords.
  void LogRequest(const httplib::Request& req, const httplib::Response& res) {
    if (!owner_.config_.log) return;
    std::string line = UtcStampText() + " " + req.remote_addr + " " + req.method + " " +
                       req.path + " " + std::to_string(res.status);
    if (req.path.rfind("/servlet/", 0) == 0 && req.matches.size() > 1) {
      const auto* servlet = owner_.servlets_.find(req.matches[1].str());
      if (servlet && !servlet->bare && res.body.size() >= 3) line += " code " + res.body.substr(0, 3);
    }
    line += " " + std::to_string(res.body.size()) + " bytes";
    owner_.log_.line(line);
  }

  VelomiraService& owner_;
  httplib::Server server_;
};

VelomiraService::VelomiraService(ServiceConfig config)
    : config_(WithDefaults(std::move(config))),
      database_(config_.dataDir / "velomira.db"),
      log_(config_.log) {
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
  auto& server = routes_->server();
  if (port == 0) {
    port = server.bind_to_any_port(host);
    if (port <= 0) return -1;
  } else if (!server.bind_to_port(host, port)) {
    return -1;
  }
  routes_->boundSite = host + ":" + std::to_string(port);
  return port;
}

bool VelomiraService::run() { return routes_->server().listen_after_bind(); }

void VelomiraService::start() {
  thread_ = std::thread([this] { run(); });
  // stop() can only end a server that has entered its accept loop.
  for (int i = 0; i < 2000 && !routes_->server().is_running(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void VelomiraService::stop() {
  routes_->server().stop();
  if (thread_.joinable()) thread_.join();
}

}  // namespace velomira::service
