// The real program on the offscreen platform, started as an operator starts it: on an
// account without the program's folders, in a working folder laid out with the supplied
// files. It must make the folders and reach the station-setup window; a second copy started
// in a folder where one runs must stop at its message, before any window or file.
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include <QProcess>
#include <gtest/gtest.h>

#include "startup/one_copy.h"
#include "tests/support/temp_dir.h"

namespace ks {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void LayOutWorkingFolder(const fs::path& work) {
  for (const auto& entry : fs::directory_iterator(fs::path(KEYSTONE_SOURCE_DIR) / "data"))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), work / entry.path().filename());
}

// Every file and folder beneath `folder`: its bytes and when it was last written.
std::map<fs::path, std::pair<std::string, fs::file_time_type>> Snapshot(const fs::path& folder) {
  std::map<fs::path, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    files[entry.path()] = {entry.is_regular_file() ? ReadAll(entry.path()) : "", entry.last_write_time()};
  return files;
}

// One copy of the program, started in `work` on the account at `home`, tracing its windows
// and message boxes to a file of its own. Killed at the end of the test.
class Copy {
 public:
  Copy(const fs::path& home, const fs::path& work, const std::string& name) : trace_(home / (name + ".txt")) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"USERPROFILE", "XDG_DOCUMENTS_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) env.remove(var);
    env.insert("HOME", QString::fromStdString(home.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KEYSTONE_TRACE_FORMS", QString::fromStdString(trace_.string()));
    // Five hours behind UTC, as the supplied settings file says: no offer to change it.
    env.insert("TZ", "EST5");
    program_.setProcessEnvironment(env);
    program_.setWorkingDirectory(QString::fromStdString(work.string()));
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(KEYSTONE_EXECUTABLE, QStringList{});
    started_ = program_.waitForStarted(10000);
  }
  ~Copy() { Kill(); }

  // A process test: it waits on the real program, for 20 seconds at most, until `reached`
  // holds or the program ends. Returns whether it holds.
  template <typename Condition>
  bool WaitFor(Condition reached) {
    for (int waited = 0; waited < 20000 && !reached() && Running(); waited += 100) program_.waitForFinished(100);
    return reached();
  }
  bool WaitForTraced(const std::string& line) {
    return WaitFor([&] { return Trace().find(line + "\n") != std::string::npos; });
  }
  bool Started() const { return started_; }
  bool Running() const { return program_.state() == QProcess::Running; }
  std::string Trace() const { return ReadAll(trace_); }
  void Kill() {
    if (program_.state() == QProcess::NotRunning) return;
    program_.kill();  // SIGKILL: the program has no say
    program_.waitForFinished(5000);
  }

 private:
  fs::path trace_;
  QProcess program_;
  bool started_ = false;
};

TEST(Program, StartsOnAFreshAccountMakesTheFoldersAndReachesTheSetupWindow) {
  testing::TempDir home;
  testing::TempDir work;
  LayOutWorkingFolder(work.path());
  Copy program(home.path(), work.path(), "trace");
  ASSERT_TRUE(program.Started());

  const fs::path company = home.path() / "Documents" / "Corvane Software";
  const bool reached = program.WaitFor([&] {
    return program.Trace().find("frmStationID\n") != std::string::npos &&
           fs::is_directory(company / "Pennsylvania" / "BACKUP") && fs::is_directory(company / "Shared");
  });

  EXPECT_TRUE(program.Running()) << "the program ended by itself";
  EXPECT_TRUE(reached) << "trace:\n" << program.Trace();
  EXPECT_EQ(program.Trace().rfind("frmCorvaneLogo\n", 0), 0u) << "the logo window comes first";
}

TEST(Program, ASecondCopyInTheSameFolderStopsAtItsMessageAndTouchesNoFile) {
  testing::TempDir home;
  testing::TempDir work;
  testing::TempDir other_work;
  LayOutWorkingFolder(work.path());
  LayOutWorkingFolder(other_work.path());
  auto first = std::make_unique<Copy>(home.path(), work.path(), "first");
  ASSERT_TRUE(first->WaitForTraced("frmStationID")) << first->Trace();
  const std::string first_trace = first->Trace();
  const auto before = Snapshot(work.path());

  Copy second(home.path(), work.path(), "second");
  const std::string message = std::string("MsgBox ") + kAlreadyRunningTitle;
  EXPECT_TRUE(second.WaitForTraced(message)) << second.Trace();
  EXPECT_EQ(second.Trace(), message + "\n") << "the message comes before any window, and alone";
  EXPECT_TRUE(second.Running()) << "the message waits for the operator";
  second.Kill();
  EXPECT_EQ(Snapshot(work.path()), before) << "the second copy touched the working folder";

  // Another folder is another matter, while the first copy runs on undisturbed.
  Copy elsewhere(home.path(), other_work.path(), "elsewhere");
  EXPECT_TRUE(elsewhere.WaitForTraced("frmStationID")) << elsewhere.Trace();
  EXPECT_TRUE(first->Running());
  EXPECT_EQ(first->Trace(), first_trace);

  // The first copy killed, the folder is free again: no lock outlives its process.
  first.reset();
  Copy again(home.path(), work.path(), "again");
  EXPECT_TRUE(again.WaitForTraced("frmStationID")) << again.Trace();
}

}  // namespace
}  // namespace ks
