#pragma once
// Reading and writing whole files in tests, and the files the program is supplied with.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>

#include "platform/io/files.h"

namespace ks::testing {

// The folder of the supplied data files (data/ of the source tree).
inline std::filesystem::path SuppliedData() { return std::filesystem::path(KEYSTONE_SOURCE_DIR) / "data"; }

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::string bytes;
  EXPECT_TRUE(io::ReadFile(path, bytes, std::numeric_limits<std::size_t>::max()).ok()) << path;
  return bytes;
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  EXPECT_TRUE(io::WriteFileAtomic(path, bytes).ok()) << path;
}

// Copies the supplied file `name` into `folder`.
inline void CopySupplied(const std::string& name, const std::filesystem::path& folder) {
  std::filesystem::copy_file(SuppliedData() / name, folder / name, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace ks::testing
