// A data file grown far past what it can hold (a copy gone wrong, a disk error) is refused at
// once with its reader's usual message, before anything of it is read or held.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "keying/keyer_files.h"
#include "logstore/county_table.h"
#include "logstore/log_store.h"
#include "logstore/prefix_table.h"
#include "logstore/state_table.h"
#include "platform/forms/headless.h"
#include "platform/io/files.h"
#include "spots/pack_spot_file.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"
#include "tests/support/temp_dir.h"

namespace ks {
namespace {

constexpr std::size_t kGigabyte = std::size_t{1} << 30;

// The peak memory of the process so far, in kilobytes.
long PeakMemoryKb() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A file of `size` bytes (zeros) that takes no room on the disk.
void MakeSparseFile(const std::filesystem::path& path, std::size_t size) {
  std::ofstream{path};
  std::filesystem::resize_file(path, size);
}

TEST(OversizedFiles, AreRefusedAtOnceWithTheirReadersMessage) {
  using Reader = std::function<std::string(forms::Application&)>;  // what the operator is told
  auto report_of = [](FileReport (*load)(forms::Application&)) -> Reader {
    return [load](forms::Application& app) { return DescribeFileReport("Error opening file", load(app)); };
  };
  // The log's message ends the program.
  const Reader log_load = [](forms::Application& app) {
    app.Dispatch([&] { LoadLogFile(app); });
    EXPECT_TRUE(app.Ended());
    return std::string();
  };
  const struct {
    const char* file;
    std::size_t size;
    Reader read;
  } cases[] = {
      {"QSOpref.txt", kGigabyte, report_of(ReadPrefFile)},
      {"QSOpref.txt", io::kSettingsFileMaxBytes + 1, report_of(ReadPrefFile)},
      {"wave2.txt", kGigabyte, report_of(LoadWaveSettings)},
      {"county2.txt", io::kTableFileMaxBytes + 1, report_of(LoadCountyTable)},
      {"arrlpre2.txt", kGigabyte, report_of(LoadPrefixTable)},
      {"states.txt", kGigabyte, report_of(LoadStateTable)},
      {"log.txt", kLogFileMaxBytes + 1, log_load},
      {"log.txt", kGigabyte, log_load},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " of " + std::to_string(c.size) + " bytes");
    testing::TempDir work;
    forms::Headless headless;
    forms::Application& app = headless.app();
    app.State<Folders>().WorkingDir = work.path();
    const std::filesystem::path path = work / c.file;
    MakeSparseFile(path, c.size);

    const long memory_before = PeakMemoryKb();
    const auto started = std::chrono::steady_clock::now();
    const std::string told = c.read(app);
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(took, std::chrono::milliseconds(500));
    EXPECT_LT(PeakMemoryKb() - memory_before, 16 * 1024) << "the file was read or room made for it";

    const auto& boxes = headless.dialogs().message_boxes;
    const std::string shown = boxes.empty() ? told : boxes.back().text;
    const std::string usual = std::string(c.file) == "log.txt" ? "Error opening file." : "Error opening file";
    EXPECT_EQ(shown, usual + "\r\n\r\n" + path.string() + "\r\nFile too large");
  }
}

// The settings files read silently keep the window's defaults, as for a file that is missing.
TEST(OversizedFiles, TheSpotSourceSettingsAreNotTaken) {
  testing::TempDir work;
  MakeSparseFile(work / kPackSpotFileName, kGigabyte);
  const PackSpotRead read = ReadPackSpotFile(work.path());
  EXPECT_FALSE(read.found);
  EXPECT_EQ(read.values_read, 0);
}

}  // namespace
}  // namespace ks
