#include "platform/io/parallel_port.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/io/line_release.h"

namespace ks::io {
namespace {

class PpdevPort final : public ParallelPort {
 public:
  PpdevPort(int fd, std::uint8_t release_value)
      : fd_(fd), release_value_(release_value), slot_(RegisterParportRelease(fd, release_value)) {}
  ~PpdevPort() override {
    unsigned char value = release_value_;
    ::ioctl(fd_, PPWCONTROL, &value);
    UnregisterParportRelease(slot_);
    ::ioctl(fd_, PPRELEASE);
    ::close(fd_);
  }
  bool WriteControl(std::uint8_t value, std::string& why) override {
    unsigned char byte = value;
    if (::ioctl(fd_, PPWCONTROL, &byte) == 0) return true;
    why = std::string("the parallel port refused the write: ") + std::strerror(errno);
    return false;
  }

 private:
  int fd_;
  std::uint8_t release_value_;
  int slot_;
};

}  // namespace

std::optional<int> ParallelPortNumber(int address) {
  switch (address) {
    case 0x378: return 0;
    case 0x278: return 1;
    case 0x3BC: return 2;
    default: return std::nullopt;
  }
}

std::unique_ptr<ParallelPort> OpenParallelPort(int address, std::uint8_t release_value, std::string& why) {
  const std::optional<int> number = ParallelPortNumber(address);
  if (!number) {
    why = "there is no parallel port at that address (use &H378, &H278 or &H3BC)";
    return nullptr;
  }
  const std::string path = "/dev/parport" + std::to_string(*number);
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) {
    why = path + ": " + std::strerror(errno);
    return nullptr;
  }
  if (::ioctl(fd, PPCLAIM) != 0) {
    why = path + " could not be claimed: " + std::strerror(errno);
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PpdevPort>(fd, release_value);
}

}  // namespace ks::io
