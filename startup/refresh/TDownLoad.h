#pragma once
// The background refresh: once per run it brings the lookup files, the shared lists and
// the presets up to date and fetches a newer main program for the launcher.
#include <stop_token>
#include <thread>

namespace velomira {

class TDownLoad {
 public:
  // Starts the refresh at once.
  TDownLoad();
  // Asks the refresh to stop and waits for it.
  ~TDownLoad();
  TDownLoad(const TDownLoad&) = delete;
  TDownLoad& operator=(const TDownLoad&) = delete;

  // Breaks off the request under way within a second and skips what is left; the
  // step in progress publishes nothing more, so the exit never waits on a download.
  void Stop();
  // Waits until the refresh has ended; returns at once when it already has.
  void Join();

 private:
  static void Execute(const std::stop_token& stop);

  std::jthread thread_;
};

}  // namespace velomira
