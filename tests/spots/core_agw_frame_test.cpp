// Frames of the packet engine's TCP interface.
#include <gtest/gtest.h>

#include "spots/agw_frame.h"

namespace ks {
namespace {

AgwFrame Sample() {
  AgwFrame f;
  f.port = 1;
  f.kind = 'D';
  f.pid = 0xF0;
  f.call_from = "W1AW";
  f.call_to = "K1TTT-5";
  f.data = "hello\r";
  return f;
}

TEST(AgwFrameTest, TheHeaderIs36BytesWithTheFieldsInPlace) {
  const std::string bytes = EncodeAgwFrame(Sample());
  ASSERT_EQ(bytes.size(), 36u + 6u);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[4], 'D');
  EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 0xF0);
  EXPECT_EQ(bytes.substr(8, 5), std::string("W1AW\0", 5));
  EXPECT_EQ(bytes.substr(18, 8), std::string("K1TTT-5\0", 8));
  EXPECT_EQ(bytes.substr(28, 4), std::string("\x06\0\0\0", 4));
  EXPECT_EQ(bytes.substr(36), "hello\r");
}

TEST(AgwFrameTest, FramesComeOutWholeHoweverTheBytesArrive) {
  const std::string stream = EncodeAgwFrame(Sample()) + EncodeAgwFrame(AgwFrame{0, 'm', 0, "", "", ""});
  for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
    AgwFrameDecoder decoder;
    decoder.Append(stream.substr(0, cut));
    std::vector<AgwFrame> got;
    while (auto f = decoder.Next()) got.push_back(*f);
    decoder.Append(stream.substr(cut));
    while (auto f = decoder.Next()) got.push_back(*f);
    ASSERT_EQ(got.size(), 2u) << cut;
    EXPECT_EQ(got[0], Sample());
    EXPECT_EQ(got[1].kind, 'm');
  }
}

TEST(AgwFrameTest, AHugeDataLengthIsRefused) {
  std::string bytes = EncodeAgwFrame(Sample());
  bytes[31] = '\x7f';
  AgwFrameDecoder decoder;
  decoder.Append(bytes);
  EXPECT_FALSE(decoder.Next());
  EXPECT_TRUE(decoder.Failed());
  decoder.Append(EncodeAgwFrame(Sample()));
  EXPECT_FALSE(decoder.Next());  // nothing more is read from a stream that went wrong
}

TEST(AgwFrameTest, CallFieldsWithoutATerminatorStayWithinTheirTenBytes) {
  std::string bytes = EncodeAgwFrame(Sample());
  for (std::size_t i = 8; i < 28; ++i) bytes[i] = 'Z';
  AgwFrameDecoder decoder;
  decoder.Append(bytes);
  const auto f = decoder.Next();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->call_from, std::string(10, 'Z'));
  EXPECT_EQ(f->call_to, std::string(10, 'Z'));
}

}  // namespace
}  // namespace ks
