// The folder lock across processes: refused to a second process while held, whatever path
// names the folder; let go of when the holder ends, however it ends, and when it starts
// another program; no file left in the folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/io/folder_lock.h"
#include "tests/support/temp_dir.h"

namespace ks::io {
namespace {

namespace fs = std::filesystem;
using ks::testing::TempDir;
using State = FolderLock::State;

// The state a fresh process finds when it tries to lock `folder`.
State TakeInAnotherProcess(const fs::path& folder) {
  const pid_t pid = fork();
  if (pid == 0) _exit(static_cast<int>(FolderLock::Take(folder).state()));
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  return static_cast<State>(WEXITSTATUS(status));
}

// A child process that takes the lock on `folder` and then runs `then`; the constructor
// returns once the lock is taken. Ended by Finish (the child exits) or Kill.
class Holder {
 public:
  Holder(const fs::path& folder, std::function<void(int ready_fd, int finish_fd)> then) {
    int ready[2], finish[2];
    EXPECT_EQ(pipe2(ready, O_CLOEXEC), 0);
    EXPECT_EQ(pipe2(finish, O_CLOEXEC), 0);
    pid_ = fork();
    if (pid_ == 0) {
      close(ready[0]);
      close(finish[1]);
      FolderLock lock = FolderLock::Take(folder);
      const char state = static_cast<char>(lock.state());
      if (write(ready[1], &state, 1) != 1) _exit(1);
      then(ready[1], finish[0]);
      _exit(0);
    }
    close(ready[1]);
    close(finish[0]);
    finish_ = finish[1];
    char state = -1;
    EXPECT_EQ(read(ready[0], &state, 1), 1);
    EXPECT_EQ(static_cast<State>(state), State::Held);
    ready_ = ready[0];
  }
  ~Holder() {
    if (pid_ > 0) Kill();
    close(ready_);
  }
  // A byte to the child's finish pipe, and the byte it sends back on the ready pipe: a child
  // that runs another program echoing its input answers only once that program runs, and the
  // descriptors the start closed are let go of by then (the end of the pipe can be seen a
  // moment before the folder's lock is let go).
  char Echo() {
    const char sent = 'x';
    EXPECT_EQ(write(finish_, &sent, 1), 1);
    char c = 0;
    EXPECT_EQ(read(ready_, &c, 1), 1);
    return c;
  }
  void Finish() {
    close(finish_);
    finish_ = -1;
    Reap();
  }
  void Kill() {
    kill(pid_, SIGKILL);
    Reap();
  }

 private:
  void Reap() {
    if (finish_ >= 0) close(finish_);
    finish_ = -1;
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }
  pid_t pid_ = -1;
  int ready_ = -1, finish_ = -1;
};

// The child holds the lock until told to finish.
void HoldUntilFinished(int, int finish_fd) {
  char c;
  while (read(finish_fd, &c, 1) > 0) {
  }
}

TEST(FolderLock, AnotherProcessIsRefusedWhateverPathNamesTheFolder) {
  TempDir dir;
  fs::create_directories(dir / "work");
  fs::create_directory_symlink(dir / "work", dir / "link");
  Holder holder(dir / "work", HoldUntilFinished);
  for (const fs::path& name : {dir / "work", dir / "work" / ".", dir / "link", dir / "work" / ".." / "link"})
    EXPECT_EQ(TakeInAnotherProcess(name), State::HeldElsewhere) << name;
  EXPECT_EQ(FolderLock::Take(dir / "work").state(), State::HeldElsewhere) << "another open in this process";
  EXPECT_EQ(TakeInAnotherProcess(dir.path()), State::Held) << "another folder is free";
  EXPECT_TRUE(fs::is_empty(dir / "work")) << "the lock leaves no file";
}

TEST(FolderLock, IsLetGoWhenTheHolderEndsHoweverItEnds) {
  const std::function<void(Holder&)> ends[] = {[](Holder& h) { h.Finish(); }, [](Holder& h) { h.Kill(); }};
  for (std::size_t i = 0; i < std::size(ends); ++i) {
    TempDir dir;
    Holder holder(dir.path(), HoldUntilFinished);
    ASSERT_EQ(TakeInAnotherProcess(dir.path()), State::HeldElsewhere) << i;
    ends[i](holder);
    EXPECT_EQ(TakeInAnotherProcess(dir.path()), State::Held) << "end " << i;
  }
}

TEST(FolderLock, AProgramTheHolderStartsDoesNotKeepIt) {
  TempDir dir;
  // The holder becomes another program that lives on, reading its input until told to finish.
  Holder holder(dir.path(), [](int ready_fd, int finish_fd) {
    dup2(finish_fd, STDIN_FILENO);
    dup2(ready_fd, STDOUT_FILENO);
    execl("/bin/cat", "cat", static_cast<char*>(nullptr));
    _exit(127);
  });
  ASSERT_EQ(holder.Echo(), 'x') << "the other program runs";
  EXPECT_EQ(TakeInAnotherProcess(dir.path()), State::Held);
  holder.Finish();
}

TEST(FolderLock, IsHeldUntilTheLastOwnerGoesAndMovesWithTheObject) {
  TempDir dir;
  FolderLock moved;
  {
    FolderLock taken = FolderLock::Take(dir.path());
    ASSERT_EQ(taken.state(), State::Held);
    moved = std::move(taken);
  }
  EXPECT_EQ(moved.state(), State::Held);
  EXPECT_EQ(TakeInAnotherProcess(dir.path()), State::HeldElsewhere) << "the moved-from object let nothing go";
  moved = FolderLock();
  EXPECT_EQ(TakeInAnotherProcess(dir.path()), State::Held);
}

TEST(FolderLock, AFolderThatCannotBeOpenedIsNotLockedAndSaysWhy) {
  TempDir dir;
  for (const fs::path& name : {dir / "missing", fs::path()}) {
    const FolderLock lock = FolderLock::Take(name);
    EXPECT_EQ(lock.state(), State::NotLocked) << name;
    EXPECT_FALSE(lock.error().empty()) << name;
  }
}

}  // namespace
}  // namespace ks::io
