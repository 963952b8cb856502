#pragma once
// Device lines that key a transmitter are released on every way out of the program: its
// normal end (atexit) and the signals that end it (SIGINT, SIGTERM, SIGHUP, SIGQUIT and the
// crash signals SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT), after which the signal takes its
// usual course. Each registered descriptor gets one async-signal-safe ioctl.
//
// A serial port needs no entry: its driver lowers DTR and RTS when the last descriptor of
// the device is closed, which the kernel does for a process that ends in any way.
#include <cstdint>

namespace ks::io {

// Writes `value` to the ppdev control register of `fd` at exit and on the signals above.
// Returns a slot for UnregisterParportRelease, or -1 when every slot is taken.
int RegisterParportRelease(int fd, std::uint8_t value);
void UnregisterParportRelease(int slot);

// Releases every registered line now (what the exit and signal handlers do).
void ReleaseRegisteredLines();

}  // namespace ks::io
