#pragma once
// The background refresh: once per run it brings the lookup files, the shared lists and
// the presets up to date and fetches a newer main program for the launcher.
#include <atomic>
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

  // The step in progress ends (a request is not interrupted); the rest are skipped.
  void Stop();
  // Waits until the refresh has ended; returns at once when it already has.
  void Join();

 private:
  void Execute();

  std::atomic<bool> stopRequested_{false};
  std::thread thread_;  // last: starts once the flag exists
};

}  // namespace velomira
