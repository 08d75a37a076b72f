// The line reader scans sixteen bytes at a time; its lines must be exactly
// those SplitDataLines finds, for breaks at every position of a block and
// across the reader's 4096-byte buffer.
#include "commands/files/TextLineReader.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "commands/files/DataFile.h"

namespace orv {
namespace {

std::vector<std::string> ReadAllLines(const std::string& content) {
  char name[] = "/tmp/orvlinereaderXXXXXX";
  const int fd = ::mkstemp(name);
  EXPECT_GE(fd, 0);
  EXPECT_EQ(::write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
  std::vector<std::string> lines;
  TTextLineReader reader(fd, 0);
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  EXPECT_EQ(reader.Error(), 0);
  ::close(fd);
  ::unlink(name);
  return lines;
}

TEST(TextLineReader, SplitsAsTheDataFileCommandsDo) {
  std::mt19937 rng(20261210);
  const char* const kBreaks[] = {"\r\n", "\r", "\n", "\n\r"};
  for (int round = 0; round < 40; ++round) {
    std::string content;
    const std::size_t target = round < 20 ? 300 : 9000;  // the larger ones cross the buffer
    while (content.size() < target) {
      const std::size_t length = rng() % 40;
      for (std::size_t i = 0; i < length; ++i) content.push_back(static_cast<char>('a' + rng() % 26));
      content += kBreaks[rng() % 4];
    }
    if (round % 3 == 0) content += "last line without a break";
    EXPECT_EQ(ReadAllLines(content), SplitDataLines(content)) << "round " << round;
  }
  EXPECT_TRUE(ReadAllLines("").empty());
  EXPECT_EQ(ReadAllLines(std::string(4095, 'x') + "\r\n" + "y"), (std::vector<std::string>{std::string(4095, 'x'), "y"}));
}

}  // namespace
}  // namespace orv
