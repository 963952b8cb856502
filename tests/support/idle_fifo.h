#pragma once
// A named pipe that no one writes to, as an operator might pick by mistake: opening it for
// reading in the usual way waits for a writer, and reading it waits for bytes. While a
// Watch is held, a watchdog frees anything still waiting on the pipe after `patience` by
// opening and closing its write end (the open finds a writer, the read an end of file), so
// that code that must not wait fails its test instead of hanging it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace ks::testing {

class IdleFifo {
 public:
  explicit IdleFifo(std::filesystem::path path) : path_(std::move(path)) {
    if (::mkfifo(path_.c_str(), 0600) != 0) throw std::runtime_error("cannot make " + path_.string());
  }
  const std::filesystem::path& path() const { return path_; }
  // True when the watchdog had to free something that waited on the pipe.
  bool WaitedOn() const { return waited_on_; }

  class Watch {
   public:
    Watch(IdleFifo& fifo, std::chrono::milliseconds patience) : fifo_(fifo) {
      thread_ = std::thread([this, patience] { Run(patience); });
    }
    ~Watch() {
      {
        std::lock_guard lock(mutex_);
        over_ = true;
      }
      ended_.notify_all();
      thread_.join();
    }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

   private:
    void Run(std::chrono::milliseconds patience) {
      std::unique_lock lock(mutex_);
      if (ended_.wait_for(lock, patience, [this] { return over_; })) return;
      while (!ended_.wait_for(lock, std::chrono::milliseconds(20), [this] { return over_; })) {
        const int fd = ::open(fifo_.path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
          fifo_.waited_on_ = true;
          ::close(fd);
        }
      }
    }
    IdleFifo& fifo_;
    std::mutex mutex_;
    std::condition_variable ended_;
    bool over_ = false;
    std::thread thread_;
  };

 private:
  std::filesystem::path path_;
  std::atomic<bool> waited_on_{false};
};

}  // namespace ks::testing
