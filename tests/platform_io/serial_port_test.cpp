// The serial port against a real pseudo-terminal, and its settings text.
#include "platform/io/serial_port.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/io/settings_store.h"
#include "tests/support/pty_peer.h"
#include "tests/support/temp_dir.h"

namespace ks::io {
namespace {

struct SettingsCase {
  const char* text;
  bool ok;
  SerialSettings expected;
};

class SerialSettingsText : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(SerialSettingsText, ParsesOrRefuses) {
  const auto& c = GetParam();
  std::string why;
  auto parsed = ParseSerialSettings(c.text, &why);
  ASSERT_EQ(parsed.has_value(), c.ok) << c.text << ": " << why;
  if (c.ok) {
    EXPECT_EQ(*parsed, c.expected);
  } else {
    EXPECT_FALSE(why.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialSettingsText,
    ::testing::Values(SettingsCase{"9600,N,8,1", true, {9600, 'N', 8, 1}},
                      SettingsCase{"4800,N,8,2", true, {4800, 'N', 8, 2}},
                      SettingsCase{"56000,n,8,1", true, {56000, 'N', 8, 1}},
                      SettingsCase{" 1200 , E , 7 , 1 ", true, {1200, 'E', 7, 1}},
                      SettingsCase{"14400,O,8,1", true, {14400, 'O', 8, 1}},
                      SettingsCase{"28800,N,8,1", true, {28800, 'N', 8, 1}},
                      SettingsCase{"", false, {}}, SettingsCase{"9600,N,8", false, {}},
                      SettingsCase{"9600,N,8,1,1", false, {}}, SettingsCase{"9601,N,8,1", false, {}},
                      SettingsCase{",N,8,1", false, {}}, SettingsCase{"9600,X,8,1", false, {}},
                      SettingsCase{"9600,N,9,1", false, {}}, SettingsCase{"9600,N,8,1.5", false, {}},
                      SettingsCase{"-9600,N,8,1", false, {}}, SettingsCase{"99999999999,N,8,1", false, {}}));

TEST(SerialSettingsText, FormatsWhatItParses) {
  EXPECT_EQ(FormatSerialSettings(*ParseSerialSettings("4800,n,8,2")), "4800,N,8,2");
}

class SerialPortTest : public ::testing::Test {
 protected:
  SerialPortTest() : store_(dir_.path()), port_(MakePosixSerialPort(store_)) {
    store_.SaveSetting("Keystone", "SerialPorts", "Port3", peer_.SlavePath());
    port_->SetPortNumber(3);
  }
  ks::testing::TempDir dir_;
  IniSettingsStore store_;
  ks::testing::PtyPeer peer_;
  std::unique_ptr<SerialPort> port_;
};

TEST_F(SerialPortTest, PortNumberNamesTheDeviceThroughTheSettingsStore) {
  EXPECT_EQ(SerialDevicePath(store_, 3), peer_.SlavePath());
  EXPECT_EQ(SerialDevicePath(store_, 1), "/dev/ttyS0");
  EXPECT_EQ(SerialDevicePath(store_, 10), "/dev/ttyS9");
}

TEST_F(SerialPortTest, BytesTravelBothWaysUnchanged) {
  ASSERT_TRUE(port_->SetSettings("56000,N,8,1").ok());
  ASSERT_TRUE(port_->Open().ok());
  // Every byte value, carriage returns and Ctrl characters included, passes untranslated.
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  ASSERT_TRUE(port_->Write(all).ok());
  EXPECT_EQ(peer_.ReadAtLeast(all.size()), all);

  peer_.Write("FA00014025000;\r\n\x11\x13");
  std::string got;
  int waiting = 0;
  ASSERT_TRUE(port_->BytesWaiting(waiting).ok());
  EXPECT_EQ(waiting, 18);
  ASSERT_TRUE(port_->Read(got).ok());
  EXPECT_EQ(got, "FA00014025000;\r\n\x11\x13");
  ASSERT_TRUE(port_->BytesWaiting(waiting).ok());
  EXPECT_EQ(waiting, 0);
  int pending = -1;
  ASSERT_TRUE(port_->OutputPending(pending).ok());
  EXPECT_EQ(pending, 0);
}

// What waits when the input is emptied goes, whether the port has taken it in already or the
// driver still holds it; what comes after is read.
TEST_F(SerialPortTest, DiscardedInputIsGoneAndWhatComesAfterIsRead) {
  ASSERT_TRUE(port_->Open().ok());
  peer_.Write(std::string("\x00\x70\x40", 3));
  int waiting = 0;
  ASSERT_TRUE(port_->BytesWaiting(waiting).ok());  // taken in by the port
  ASSERT_EQ(waiting, 3);
  peer_.Write(std::string("\x00\x02", 2));  // still in the driver
  ASSERT_TRUE(port_->DiscardInput().ok());
  std::string got;
  ASSERT_TRUE(port_->Read(got).ok());
  EXPECT_EQ(got, "");
  peer_.Write("\x01\x42");
  ASSERT_TRUE(port_->Read(got).ok());
  EXPECT_EQ(got, "\x01\x42");
}

TEST_F(SerialPortTest, ReadingAnIdleLineReturnsAtOnceWithNothing) {
  ASSERT_TRUE(port_->Open().ok());
  std::string got;
  ASSERT_TRUE(port_->Read(got).ok());
  EXPECT_EQ(got, "");
}

TEST_F(SerialPortTest, EveryRateTheRadiosUseIsAccepted) {
  for (const char* text : {"1200,N,8,1", "2400,N,8,1", "4800,N,8,2", "9600,N,8,1", "14400,N,8,1", "19200,N,8,1",
                           "28800,N,8,1", "38400,N,8,1", "56000,N,8,1", "1200,N,8,2", "4800,E,7,1"}) {
    ASSERT_TRUE(port_->SetSettings(text).ok()) << text;
    ASSERT_TRUE(port_->Open().ok()) << text;
    port_->Close();
  }
  // Changed on an open port, the settings apply at once.
  ASSERT_TRUE(port_->Open().ok());
  EXPECT_TRUE(port_->SetSettings("9600,O,7,2").ok());
  EXPECT_EQ(port_->Settings(), "9600,O,7,2");
}

TEST_F(SerialPortTest, RefusedSettingsLeaveThePreviousOnes) {
  ASSERT_TRUE(port_->SetSettings("4800,N,8,2").ok());
  EXPECT_FALSE(port_->SetSettings("4800,N,8").ok());
  EXPECT_EQ(port_->Settings(), "4800,N,8,2");
}

TEST_F(SerialPortTest, ModemLinesAndHandshakingDoNotFailOnALineWithoutThem) {
  ASSERT_TRUE(port_->SetDtr(true).ok());
  ASSERT_TRUE(port_->SetHandshake(Handshake::kRtsCts).ok());
  ASSERT_TRUE(port_->Open().ok());
  EXPECT_TRUE(port_->SetRts(true).ok());
  EXPECT_TRUE(port_->SetDtr(false).ok());
  EXPECT_TRUE(port_->SetHandshake(Handshake::kXonXoff).ok());
  EXPECT_TRUE(port_->Rts());
  EXPECT_FALSE(port_->Dtr());
  EXPECT_TRUE(port_->IsOpen());
  // ...but the port says so, for a user whose line must really move (a keying line).
  EXPECT_FALSE(port_->HasModemLines());
}

TEST_F(SerialPortTest, AMissingOrBusyDeviceIsRefusedWithItsPath) {
  store_.SaveSetting("Keystone", "SerialPorts", "Port4", (dir_ / "no-such-tty").string());
  auto other = MakePosixSerialPort(store_);
  other->SetPortNumber(4);
  auto missing = other->Open();
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.error.find("no-such-tty"), std::string::npos) << missing.error;

  ASSERT_TRUE(port_->Open().ok());
  other->SetPortNumber(3);
  auto busy = other->Open();
  EXPECT_FALSE(busy.ok());
  EXPECT_NE(busy.error.find("in use"), std::string::npos) << busy.error;
  EXPECT_FALSE(port_->Open().ok());  // already open
  EXPECT_FALSE(port_->SetPortNumber(5).ok());
}

TEST_F(SerialPortTest, AFileIsNotASerialPort) {
  const auto file = dir_ / "plain-file";
  { std::ofstream(file) << "x"; }
  store_.SaveSetting("Keystone", "SerialPorts", "Port2", file.string());
  port_->SetPortNumber(2);
  auto opened = port_->Open();
  EXPECT_NE(opened.error.find("not a serial port"), std::string::npos) << opened.error;
  EXPECT_FALSE(port_->IsOpen());
}

TEST_F(SerialPortTest, AVanishedDeviceGivesAnErrorAndClosesThePort) {
  ASSERT_TRUE(port_->Open().ok());
  peer_.Hangup();
  std::string got;
  EXPECT_FALSE(port_->Read(got).ok());
  EXPECT_FALSE(port_->IsOpen());
  EXPECT_FALSE(port_->Write("FA;").ok());
  int count = 0;
  EXPECT_FALSE(port_->BytesWaiting(count).ok());
  EXPECT_FALSE(port_->OutputPending(count).ok());
}

TEST_F(SerialPortTest, WritingToAVanishedDeviceFails) {
  ASSERT_TRUE(port_->Open().ok());
  peer_.Hangup();
  EXPECT_FALSE(port_->Write("FA;").ok());
  EXPECT_FALSE(port_->IsOpen());
}

TEST_F(SerialPortTest, OperationsOnAClosedPortFail) {
  std::string got;
  int count = 0;
  EXPECT_FALSE(port_->Write("x").ok());
  EXPECT_FALSE(port_->Read(got).ok());
  EXPECT_FALSE(port_->BytesWaiting(count).ok());
  EXPECT_FALSE(port_->OutputPending(count).ok());
  EXPECT_FALSE(port_->DiscardInput().ok());
  port_->Close();  // harmless
}

}  // namespace
}  // namespace ks::io
