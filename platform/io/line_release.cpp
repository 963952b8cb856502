#include "platform/io/line_release.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <signal.h>
#include <sys/ioctl.h>

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace ks::io {
namespace {

// The table is process-wide by nature: a signal handler can reach nothing else. Each slot
// holds fd + 1 (0 when free) and the value to write, read with plain atomic loads only.
constexpr int kSlots = 8;
std::atomic<int> slot_fd[kSlots];
std::atomic<unsigned char> slot_value[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void OnSignal(int signal_number) {
  ReleaseRegisteredLines();
  // Back to the usual action and again, so the program ends as it would have.
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

void InstallOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    std::atexit(ReleaseRegisteredLines);
    for (const int s : kSignals) {
      struct sigaction previous {};
      ::sigaction(s, nullptr, &previous);
      // A signal the program ignores (or that another part of it handles) is left alone.
      if (previous.sa_handler != SIG_DFL) continue;
      struct sigaction action {};
      action.sa_handler = OnSignal;
      sigemptyset(&action.sa_mask);
      action.sa_flags = SA_RESETHAND | SA_NODEFER;
      ::sigaction(s, &action, nullptr);
    }
  });
}

}  // namespace

int RegisterParportRelease(int fd, std::uint8_t value) {
  InstallOnce();
  // The value goes in before the slot is taken, so a signal never finds a taken slot without
  // it; a slot another line holds keeps its own value.
  for (int i = 0; i < kSlots; ++i) {
    if (slot_fd[i].load() != 0) continue;
    slot_value[i].store(value);
    int expected = 0;
    if (slot_fd[i].compare_exchange_strong(expected, fd + 1)) return i;
  }
  return -1;
}

void UnregisterParportRelease(int slot) {
  if (slot >= 0 && slot < kSlots) slot_fd[slot].store(0);
}

void ReleaseRegisteredLines() {
  for (int i = 0; i < kSlots; ++i) {
    const int fd = slot_fd[i].load() - 1;
    if (fd < 0) continue;
    unsigned char value = slot_value[i].load();
    ::ioctl(fd, PPWCONTROL, &value);
  }
}

}  // namespace ks::io
