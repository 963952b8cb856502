// PackSpot.txt, written and read back.
#include <gtest/gtest.h>

#include "spots/pack_spot_file.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks {
namespace {

PackSpotSettings Sample() {
  PackSpotSettings s;
  s.TNCBaud = "9600";
  s.TNCParity = "N";
  s.TNCDataBits = "8";
  s.TNCStopBits = "1";
  s.TNCPort = 3;
  s.TNCPowerLine = "R";
  s.SpotSource = "Telnet";
  s.ConvToHex = 0;
  s.TNCHandshaking = 3;
  s.DXOnly = 1;
  s.ListChosen = true;
  s.HexCharacter = "03";
  s.TelnetPort = "7300";
  s.TelnetHost = "dxc.example.org";
  return s;
}

TEST(PackSpotFileTest, WrittenValuesReadBack) {
  testing::TempDir dir;
  ASSERT_TRUE(WritePackSpotFile(dir.path(), Sample()));
  EXPECT_EQ(testing::ReadBytes(dir / "PackSpot.txt"),
            "\"9600\"\r\n\"N\"\r\n\"8\"\r\n\"1\"\r\n3\r\n\"R\"\r\n\"Telnet\"\r\n0\r\n3\r\n1\r\n#TRUE#\r\n\"03\"\r\n"
            "\"7300\"\r\n\"dxc.example.org\"\r\n");
  const auto read = ReadPackSpotFile(dir.path());
  EXPECT_TRUE(read.complete);
  EXPECT_EQ(read.settings, Sample());
}

TEST(PackSpotFileTest, APortOfZeroIsBroughtToOneSoTheLoadGoesOn) {
  testing::TempDir dir;
  PackSpotSettings never_opened;  // a first run with Telnet: the TNC lines stay empty, port 0
  never_opened.SpotSource = "Telnet";
  never_opened.TelnetHost = "dxc.example.org";
  ASSERT_TRUE(WritePackSpotFile(dir.path(), never_opened));
  const auto read = ReadPackSpotFile(dir.path());
  EXPECT_TRUE(read.complete);
  EXPECT_EQ(read.settings.TNCPort, 1);
  EXPECT_EQ(read.settings.SpotSource, "Telnet");
}

TEST(PackSpotFileTest, AShortOrDamagedFileStopsAtTheBadValue) {
  testing::TempDir dir;
  testing::WriteBytes(dir / "packspot.TXT", "\"4800\"\r\n\"E\"\r\n\"7\"\r\n\"2\"\r\n2\r\n\"D\"\r\n\"TNC\"\r\n0\r\nxyz\r\n");
  const auto read = ReadPackSpotFile(dir.path());
  EXPECT_TRUE(read.found);
  EXPECT_FALSE(read.complete);
  EXPECT_EQ(read.values_read, 8);
  EXPECT_EQ(read.settings.TNCBaud, "4800");
  EXPECT_EQ(read.settings.SpotSource, "TNC");
  EXPECT_EQ(read.settings.TNCHandshaking, 0);
}

TEST(PackSpotFileTest, NoFileReadsNothing) {
  testing::TempDir dir;
  const auto read = ReadPackSpotFile(dir.path());
  EXPECT_FALSE(read.found);
  EXPECT_EQ(read.values_read, 0);
}

}  // namespace
}  // namespace ks
