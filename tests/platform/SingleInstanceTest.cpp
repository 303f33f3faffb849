// The single-copy lock across real processes: held, refused, and dropped when the
// holder ends, however it ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "Process.h"
#include "SingleInstance.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace velomira::test {
namespace {

// A child process that takes the lock, reports whether it got it through a pipe, and
// then holds it until told to end.
class LockHolder {
 public:
  LockHolder() {
    int report[2], command[2];
    if (pipe(report) != 0 || pipe(command) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
      close(report[0]);
      close(command[1]);
      SingleInstanceLock lock;
      const char got = lock.TryAcquire() ? 'y' : 'n';
      [[maybe_unused]] ssize_t n = write(report[1], &got, 1);
      char ignored;
      n = read(command[0], &ignored, 1);  // returns when the parent says so
      _exit(0);
    }
    close(report[1]);
    close(command[0]);
    command_ = command[1];
    char got = 'n';
    [[maybe_unused]] const ssize_t n = read(report[0], &got, 1);
    close(report[0]);
    acquired_ = got == 'y';
  }
  ~LockHolder() { Finish(); }

  bool Acquired() const { return acquired_; }
  void Finish() {
    if (pid_ <= 0) return;
    // A byte rather than end of file: holders forked later share the pipe.
    [[maybe_unused]] const ssize_t n = write(command_, "x", 1);
    close(command_);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  void Kill() {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    close(command_);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int command_ = -1;
  bool acquired_ = false;
};

class SingleInstanceTest : public ::testing::Test {
 protected:
  TempFolder runtime_;
  ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.Dir().c_str()};
};

TEST_F(SingleInstanceTest, SecondCopyIsRefusedWhileTheFirstRuns) {
  LockHolder first;
  ASSERT_TRUE(first.Acquired());

  SingleInstanceLock second;
  EXPECT_FALSE(second.TryAcquire());
  EXPECT_FALSE(second.Held());
  LockHolder third;
  EXPECT_FALSE(third.Acquired());

  first.Finish();
  EXPECT_TRUE(second.TryAcquire());
}

TEST_F(SingleInstanceTest, KilledHolderLeavesNoStaleLock) {
  LockHolder first;
  ASSERT_TRUE(first.Acquired());
  first.Kill();

  SingleInstanceLock next;
  EXPECT_TRUE(next.TryAcquire());
}

TEST_F(SingleInstanceTest, ReleaseLetsTheNextCopyRun) {
  SingleInstanceLock lock;
  ASSERT_TRUE(lock.TryAcquire());
  EXPECT_FALSE(LockHolder().Acquired());

  lock.Release();
  EXPECT_FALSE(lock.Held());
  EXPECT_TRUE(LockHolder().Acquired());
}

TEST_F(SingleInstanceTest, ProgramsStartedByTheClientDoNotInheritTheLock) {
  // A browser opened from the client outlives it; it must not keep the client from
  // starting again.
  const std::string script = runtime_.Dir() + "/linger.sh";
  const std::string pidFile = runtime_.Dir() + "/linger.pid";
  std::ofstream(script) << "#!/bin/sh\necho $$ > \"$1.tmp\"\nmv \"$1.tmp\" \"$1\"\nexec sleep 30 >/dev/null 2>&1\n";
  ASSERT_EQ(chmod(script.c_str(), 0755), 0);

  auto lock = std::make_unique<SingleInstanceLock>();
  ASSERT_TRUE(lock->TryAcquire());
  ASSERT_TRUE(StartDetached(script, {pidFile}));
  pid_t lingering = 0;
  for (int i = 0; i < 250 && !(std::ifstream(pidFile) >> lingering); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_GT(lingering, 0);

  lock.reset();
  EXPECT_TRUE(LockHolder().Acquired());
  kill(lingering, SIGKILL);
}

TEST(SingleInstanceLockPathTest, PerUserFileInTheRuntimeFolderElseTmp) {
  const std::string uid = std::to_string(getuid());
  {
    ScopedEnv env("XDG_RUNTIME_DIR", "/run/user/77");
    EXPECT_EQ(SingleInstanceLockPath("MY_APP"), "/run/user/77/velomira-" + uid + "-MY_APP.lock");
  }
  {
    ScopedEnv env("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(SingleInstanceLockPath("MY_APP"), "/tmp/velomira-" + uid + "-MY_APP.lock");
  }
  {
    ScopedEnv env("XDG_RUNTIME_DIR", "");
    EXPECT_EQ(SingleInstanceLockPath("MY_APP"), "/tmp/velomira-" + uid + "-MY_APP.lock");
  }
}

}  // namespace
}  // namespace velomira::test
