#pragma once
// A small disk of its own for one test: the body runs in a child process in which a folder is
// a tmpfs of a few pages, so that writes there fail with "No space left on device" as on a
// full disk, while every other folder keeps its room. The files the folder held are carried
// onto the small disk. FillUp fills what room is left; MakeRoom gives it back.
//
// The child is made by fork, so the body sees the test's objects as they were; what it
// changes stays in the child. Its failed expectations are reported in the test. Where no
// tmpfs can be mounted (no root, no user namespaces) the test is skipped and says why.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "tests/support/files.h"

namespace ks::testing {

class SmallDisk {
 public:
  static constexpr const char* kBallast = "ballast";

  // Runs `body` with `folder` on a tmpfs of `bytes` (rounded up to whole pages).
  static void Run(const std::filesystem::path& folder, std::size_t bytes, const std::function<void()>& body) {
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0) << std::strerror(errno);
    if (child == 0) {
      ::close(report[0]);
      InChild(report[1], folder, bytes, body);
    }
    ::close(report[1]);
    std::string told;
    char buffer[4096];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;) told.append(buffer, static_cast<std::size_t>(n));
    ::close(report[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child ended with status " << status << "\n" << told;
    if (told.rfind("skip:", 0) == 0) GTEST_SKIP() << told;
    if (!told.empty()) ADD_FAILURE() << told;
  }

  // Fills the disk of `folder` to the last byte with a file of its own.
  static void FillUp(const std::filesystem::path& folder) {
    std::ofstream ballast(folder / kBallast, std::ios::binary | std::ios::app);
    const std::string page(4096, 'x');
    while (ballast.write(page.data(), static_cast<std::streamsize>(page.size())) && ballast.flush()) {
    }
    ballast.clear();
    for (int i = 0; i < 4096 && ballast.write("x", 1) && ballast.flush(); ++i) {
    }
  }

  static void MakeRoom(const std::filesystem::path& folder) { std::filesystem::remove(folder / kBallast); }

 private:
  [[noreturn]] static void InChild(int report, const std::filesystem::path& folder, std::size_t bytes,
                                   const std::function<void()>& body) {
    std::string told;
    if (std::string why = Mount(folder, bytes); !why.empty()) {
      told = "skip: no small disk can be mounted here: " + why;
    } else {
      ::testing::TestPartResultArray results;
      {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        try {
          body();
        } catch (const std::exception& e) {
          ADD_FAILURE() << "exception: " << e.what();
        }
      }
      for (int i = 0; i < results.size(); ++i) {
        const ::testing::TestPartResult& r = results.GetTestPartResult(i);
        if (r.failed()) told += std::string(r.file_name() ? r.file_name() : "?") + ":" + std::to_string(r.line_number()) + ": " + r.message() + "\n";
      }
    }
    for (std::size_t done = 0; done < told.size();) {
      const ssize_t n = ::write(report, told.data() + done, told.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    // No destructor of the test's objects may run here: they would remove the parent's folders.
    ::_exit(0);
  }

  static std::string Failed(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

  static bool WriteProc(const char* path, const std::string& text) {
    std::ofstream file(path);
    return static_cast<bool>(file << text << std::flush);
  }

  // A mount namespace of the child's own, so that the tmpfs is seen by the child alone and
  // goes with it; without root, in a user namespace in which the child is root.
  static std::string Mount(const std::filesystem::path& folder, std::size_t bytes) {
    if (::geteuid() != 0) {
      const uid_t uid = ::getuid();
      const gid_t gid = ::getgid();
      if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return Failed("unshare");
      if (!WriteProc("/proc/self/setgroups", "deny") || !WriteProc("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
          !WriteProc("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
        return "the user namespace's ids cannot be mapped";
    } else if (::unshare(CLONE_NEWNS) != 0) {
      return Failed("unshare");
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return Failed("mount --make-rprivate");
    std::map<std::string, std::string> carried;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.is_regular_file()) carried[entry.path().filename().string()] = ReadBytes(entry.path());
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) return Failed("mount tmpfs");
    for (const auto& [name, content] : carried) WriteBytes(folder / name, content);
    return {};
  }
};

}  // namespace ks::testing
