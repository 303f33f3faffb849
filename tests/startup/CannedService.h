#pragma once
// A test service on 127.0.0.1 with a free port: fixed replies by path, and a record of
// every path asked for.
#include <httplib.h>

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CannedService {
 public:
  CannedService() {
    auto handler = [this](const httplib::Request& request, httplib::Response& response) {
      Answer(request, response);
    };
    server_.Get(".*", handler);
    server_.Post(".*", handler);
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~CannedService() {
    server_.stop();
    thread_.join();
  }

  std::string Root() const { return "http://127.0.0.1:" + std::to_string(port_); }

  void Reply(const std::string& path, std::string body) {
    std::lock_guard lock(mutex_);
    replies_[path] = std::move(body);
  }
  // Runs before the reply to path is sent (on the server's thread).
  void BeforeReply(const std::string& path, std::function<void()> action) {
    std::lock_guard lock(mutex_);
    actions_[path] = std::move(action);
  }
  std::vector<std::string> Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }
  int Count(const std::string& path) const {
    int count = 0;
    for (const std::string& requested : Requests()) count += requested == path;
    return count;
  }

 private:
  void Answer(const httplib::Request& request, httplib::Response& response) {
    std::function<void()> action;
    std::string body;
    bool known = false;
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request.path);
      if (auto found = actions_.find(request.path); found != actions_.end()) action = found->second;
      if (auto found = replies_.find(request.path); found != replies_.end()) {
        body = found->second;
        known = true;
      }
    }
    if (action) action();
    if (!known) {
      response.status = 404;
      return;
    }
    response.set_content(body, "application/octet-stream");
  }

  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::map<std::string, std::string> replies_;
  std::map<std::string, std::function<void()>> actions_;
  std::vector<std::string> requests_;
};
