#include "CannedService.h"

namespace velomira::test {

std::string Received::Param(const std::string& key) const {
  const auto found = Query.find(key);
  return found == Query.end() ? std::string() : found->second;
}

CannedService::CannedService() {
  auto handler = [this](const httplib::Request& request, httplib::Response& response) {
    Answer(request, response);
  };
  server_.Get(R"(/.*)", handler);
  server_.Post(R"(/.*)", handler);
  port_ = server_.bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_.listen_after_bind(); });
  while (!server_.is_running()) std::this_thread::yield();
}

CannedService::~CannedService() {
  server_.stop();
  thread_.join();
}

std::string CannedService::Root() const { return "http://127.0.0.1:" + std::to_string(port_); }

void CannedService::Reply(const std::string& path, const std::string& text, const std::string& mode) {
  std::lock_guard lock(mutex_);
  replies_[mode.empty() ? path : path + "?mode=" + mode] = text;
}

std::vector<Received> CannedService::Requests(const std::string& path) const {
  std::lock_guard lock(mutex_);
  std::vector<Received> matching;
  for (const Received& request : received_) {
    if (request.Path == path) matching.push_back(request);
  }
  return matching;
}

void CannedService::ClearRequests() {
  std::lock_guard lock(mutex_);
  received_.clear();
}

void CannedService::Answer(const httplib::Request& request, httplib::Response& response) {
  std::lock_guard lock(mutex_);
  Received received{request.path, {}};
  for (const auto& [key, value] : request.params) received.Query.emplace(key, value);
  received_.push_back(received);
  const auto mode = request.params.find("mode");
  if (mode != request.params.end()) {
    const auto specific = replies_.find(request.path + "?mode=" + mode->second);
    if (specific != replies_.end()) {
      response.set_content(specific->second, "text/plain");
      return;
    }
  }
  const auto found = replies_.find(request.path);
  response.set_content(found == replies_.end() ? std::string() : found->second, "text/plain");
}

std::string Framed(const std::string& body, const std::string& code) {
  std::string header = code;
  header.resize(32, ' ');
  return header + body;
}

std::string ProgramLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\x01';
    line += fields[i];
  }
  return line;
}

std::string SampleProgram(const std::string& id, const std::string& address, const std::string& kind,
                          const std::string& media, const std::string& banner) {
  return ProgramLine({id, "icon07", media, "202612101330", "202612101430", "Title " + id, address,
                      "Station", "www.station.test", " ", "", "About " + id, banner, kind, "n", "", "0"});
}

}  // namespace velomira::test
