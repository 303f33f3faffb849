#include "CannedService.h"

#include <stdexcept>

#include "core/IniFile.h"

namespace velomira::test {

std::string Received::Param(const std::string& key) const {
  const auto found = Params.find(key);
  return found == Params.end() ? std::string() : found->second;
}

CannedService::CannedService() {
  const auto handler = [this](const httplib::Request& request, httplib::Response& response) {
    Answer(request, response);
  };
  server_.Get(".*", handler);
  server_.Post(".*", handler);
  port_ = server_.bind_to_any_port("127.0.0.1");
  if (port_ <= 0) throw std::runtime_error("canned service could not bind");
  thread_ = std::thread([this] { server_.listen_after_bind(); });
  // A stop before the loop runs would be lost and leave the thread listening.
  while (!server_.is_running()) std::this_thread::yield();
}

CannedService::~CannedService() { Stop(); }

void CannedService::Stop() {
  if (!thread_.joinable()) return;
  server_.stop();
  thread_.join();
}

std::string CannedService::Root() const { return "http://127.0.0.1:" + std::to_string(port_); }

void CannedService::PointIniAt(const std::string& iniPath) const {
  IniFile(iniPath).WriteString("SERVICE", "ROOT", Root());
}

void CannedService::Reply(const std::string& path, const std::string& body) {
  std::lock_guard lock(mutex_);
  replies_[path] = body;
}

void CannedService::Forget(const std::string& path) {
  std::lock_guard lock(mutex_);
  replies_.erase(path);
  conditional_.erase(path);
}

void CannedService::ReplyWhen(const std::string& path, const std::string& key, const std::string& value,
                              const std::string& body) {
  std::lock_guard lock(mutex_);
  conditional_[path][{key, value}] = body;
}

void CannedService::DefaultReply(const std::string& body) {
  std::lock_guard lock(mutex_);
  hasDefault_ = true;
  default_ = body;
}

void CannedService::BeforeReply(const std::string& path, std::function<void()> action) {
  std::lock_guard lock(mutex_);
  actions_[path] = std::move(action);
}

std::vector<Received> CannedService::AllReceived() const {
  std::lock_guard lock(mutex_);
  return received_;
}

std::vector<Received> CannedService::RequestsTo(const std::string& path) const {
  std::vector<Received> matching;
  for (const Received& request : AllReceived()) {
    if (request.Path == path) matching.push_back(request);
  }
  return matching;
}

std::vector<std::string> CannedService::Requests() const {
  std::vector<std::string> lines;
  for (const Received& request : AllReceived()) lines.push_back(request.Method + " " + request.Target);
  return lines;
}

std::vector<std::string> CannedService::Targets() const {
  std::vector<std::string> targets;
  for (const Received& request : AllReceived()) targets.push_back(request.Target);
  return targets;
}

std::vector<std::string> CannedService::Paths() const {
  std::vector<std::string> paths;
  for (const Received& request : AllReceived()) paths.push_back(request.Path);
  return paths;
}

int CannedService::Count(const std::string& path) const { return static_cast<int>(RequestsTo(path).size()); }

void CannedService::ClearRequests() {
  std::lock_guard lock(mutex_);
  received_.clear();
}

const std::string* CannedService::CannedBody(const httplib::Request& request) const {
  if (const auto conditions = conditional_.find(request.path); conditions != conditional_.end()) {
    for (const auto& [condition, body] : conditions->second) {
      const auto [first, last] = request.params.equal_range(condition.first);
      for (auto param = first; param != last; ++param) {
        if (param->second == condition.second) return &body;
      }
    }
  }
  if (const auto found = replies_.find(request.path); found != replies_.end()) return &found->second;
  return hasDefault_ ? &default_ : nullptr;
}

void CannedService::Answer(const httplib::Request& request, httplib::Response& response) {
  std::function<void()> action;
  std::string body;
  bool canned = false;
  {
    std::lock_guard lock(mutex_);
    Received received{request.method, request.target, request.path, {}};
    for (const auto& [key, value] : request.params) received.Params.emplace(key, value);
    received_.push_back(std::move(received));
    if (const auto found = actions_.find(request.path); found != actions_.end()) action = found->second;
    if (const std::string* text = CannedBody(request)) {
      body = *text;
      canned = true;
    }
  }
  // Outside the lock, so the action may wait on the test while requests are read.
  if (action) action();
  if (!canned) {
    response.status = 404;
    return;
  }
  response.set_content(body, "text/plain");
}

}  // namespace velomira::test
