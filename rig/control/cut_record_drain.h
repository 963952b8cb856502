#pragma once
// Keeps the pieces of a cut record from joining the next one. A radio whose answers are
// records of a fixed length with no end mark may have a record delivered in pieces some tens
// of milliseconds apart (a USB, network or Bluetooth serial link does that): when a read tick
// finds a piece, the rest is still on its way and would land in front of the answer to the
// next request, and the two pieces would read as a record of the right length. So after a
// read that was no record, no request goes out until the line has been quiet for a second;
// whatever comes meanwhile is thrown away, and the next record read is one that came whole
// in answer to one request.
#include <cstdint>

namespace ks::rig {

class CutRecordDrain {
 public:
  static constexpr std::int64_t kQuietMs = 1000;

  // A read tick found bytes that are no record.
  void Cut(std::int64_t now_ms) {
    draining_ = true;
    last_bytes_ms_ = now_ms;
  }
  // A tick took what was waiting on the line (`bytes_came` when anything was). True while
  // the line is being drained: the bytes are thrown away and no request goes out.
  bool Draining(bool bytes_came, std::int64_t now_ms) {
    if (!draining_) return false;
    if (bytes_came) last_bytes_ms_ = now_ms;
    draining_ = now_ms - last_bytes_ms_ < kQuietMs;
    return draining_;
  }
  bool Busy() const { return draining_; }

 private:
  bool draining_ = false;
  std::int64_t last_bytes_ms_ = 0;
};

}  // namespace ks::rig
