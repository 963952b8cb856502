// The real program on the offscreen platform, started as an operator starts it: on an
// account without the program's folders, in a working folder laid out with the supplied
// files. It must make the folders and reach the station-setup window.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <QProcess>
#include <gtest/gtest.h>

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

TEST(Program, StartsOnAFreshAccountMakesTheFoldersAndReachesTheSetupWindow) {
  testing::TempDir home;
  testing::TempDir work;
  for (const auto& entry : fs::directory_iterator(fs::path(KEYSTONE_SOURCE_DIR) / "data"))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), work.path() / entry.path().filename());
  const fs::path trace = home.path() / "trace.txt";

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"USERPROFILE", "XDG_DOCUMENTS_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) env.remove(name);
  env.insert("HOME", QString::fromStdString(home.path().string()));
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("KEYSTONE_TRACE_FORMS", QString::fromStdString(trace.string()));
  // Five hours behind UTC, as the supplied settings file says: no offer to change it.
  env.insert("TZ", "EST5");
  QProcess program;
  program.setProcessEnvironment(env);
  program.setWorkingDirectory(QString::fromStdString(work.path().string()));
  program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  program.start(KEYSTONE_EXECUTABLE, QStringList{});
  ASSERT_TRUE(program.waitForStarted(10000));

  const fs::path company = home.path() / "Documents" / "Corvane Software";
  auto reached = [&] {
    return ReadAll(trace).find("frmStationID\n") != std::string::npos &&
           fs::is_directory(company / "Pennsylvania" / "BACKUP") && fs::is_directory(company / "Shared");
  };
  // A process test: it waits on the real program, for 20 seconds at most.
  for (int waited = 0; waited < 20000 && !reached() && program.state() == QProcess::Running; waited += 100)
    program.waitForFinished(100);
  const bool still_running = program.state() == QProcess::Running;
  program.kill();
  program.waitForFinished(5000);

  EXPECT_TRUE(still_running) << "the program ended by itself";
  EXPECT_TRUE(reached()) << "trace:\n" << ReadAll(trace);
  EXPECT_EQ(ReadAll(trace).rfind("frmCorvaneLogo\n", 0), 0u) << "the logo window comes first";
}

}  // namespace
}  // namespace ks
