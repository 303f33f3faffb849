#pragma once
// A value that the refresh thread replaces while the windows read it: readers take a
// snapshot and always see either the old or the new content as a whole.
#include <memory>
#include <mutex>
#include <utility>

namespace velomira {

template <class T>
class Published {
 public:
  Published() : value_(std::make_shared<const T>()) {}

  std::shared_ptr<const T> Get() const {
    std::lock_guard lock(mutex_);
    return value_;
  }

  void Set(T value) {
    auto fresh = std::make_shared<const T>(std::move(value));
    std::lock_guard lock(mutex_);
    value_ = std::move(fresh);
  }

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const T> value_;
};

}  // namespace velomira
