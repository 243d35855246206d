// What a handler host writes is someone else's code's output: every line is read strictly.
#include <gtest/gtest.h>

#include <string>

#include "platform/CleanupHandlerChannel.h"

namespace vantrelle::platform::channel {
namespace {

using Kind = HostMessage::Kind;
using Status = CleanupHandlerResult::Status;

TEST(CleanupHandlerChannel, OnlyWellFormedLinesAreRead) {
  const struct {
    std::string line;
    Kind kind;
    Status status = Status::Failed;
    std::uint64_t bytes = 0;
  } cases[] = {
      {"alive", Kind::Alive},
      {"done\t0\t1048576\t", Kind::Done, Status::Done, 1048576},
      {"done\t1\t0\t", Kind::Done, Status::NothingToClean, 0},
      {"done\t3\t0\tWindows' cleanup could not be started", Kind::Done, Status::Failed, 0},
      {"done\t0\t18446744073709551615\t", Kind::Done, Status::Done, UINT64_MAX},
      {"handler\tKey\tName\tAbout", Kind::Handler},
      {"done\tx", Kind::Nonsense},
      {"done\t0\t-1\t", Kind::Nonsense},
      {"done\t0\t18446744073709551616\t", Kind::Nonsense},
      {"done\t0\t+5\t", Kind::Nonsense},
      {"done\t0\t\t", Kind::Nonsense},
      {"done\t4\t0\t", Kind::Nonsense},  // NotAnswering is the parent's to say, never the host's
      {"done\t00000000000000000000000000001\t0\t", Kind::Nonsense},
      {"done\t0\t5", Kind::Nonsense},
      {"done\t0\t5\t\t", Kind::Nonsense},
      {"done\t0\t5\tsay\rno", Kind::Nonsense},
      {"alive\t", Kind::Nonsense},
      {"Alive", Kind::Nonsense},
      {"handler\t\tName\tAbout", Kind::Nonsense},
      {"handler\tKey\tName", Kind::Nonsense},
      {"", Kind::Nonsense},
      {std::string("alive\0", 6), Kind::Nonsense},
      {"handler\tKey\t" + std::string(kMaxLine, 'n') + "\t", Kind::Nonsense},
  };
  for (const auto& c : cases) {
    const HostMessage message = ParseHostLine(c.line);
    EXPECT_EQ(message.kind, c.kind) << c.line.substr(0, 40);
    if (c.kind != Kind::Done) continue;
    EXPECT_EQ(message.result.status, c.status) << c.line;
    EXPECT_EQ(message.result.bytes, c.bytes) << c.line;
  }
  std::string written = Line({kHandler, "Key\tname", "Shown\nhere", "x"});
  ASSERT_EQ(written.back(), '\n');
  written.pop_back();
  EXPECT_EQ(ParseHostLine(written).handler.keyName, "Key name") << "a writer's tabs and breaks become blanks";
}

TEST(CleanupHandlerChannel, ALineLongerThan64KiBIsRefusedAndNothingMoreIsKept) {
  LineReader reader;
  std::string line;
  reader.Add("alive\nal");
  EXPECT_EQ(reader.Next(line), LineReader::Result::Line);
  EXPECT_EQ(line, "alive");
  EXPECT_EQ(reader.Next(line), LineReader::Result::None);
  reader.Add("ive\n" + std::string(kMaxLine, 'x') + "\nalive\n");
  EXPECT_EQ(reader.Next(line), LineReader::Result::Line);
  EXPECT_EQ(reader.Next(line), LineReader::Result::Line);
  EXPECT_EQ(line.size(), kMaxLine) << "exactly 64 KiB is still a line";
  EXPECT_EQ(reader.Next(line), LineReader::Result::Line);

  for (int piece = 0; piece < 4; ++piece) reader.Add(std::string(kMaxLine / 4, 'y'));
  EXPECT_EQ(reader.Next(line), LineReader::Result::None);
  reader.Add("y");
  EXPECT_EQ(reader.Next(line), LineReader::Result::TooLong) << "without waiting for its end";
}

}  // namespace
}  // namespace vantrelle::platform::channel
