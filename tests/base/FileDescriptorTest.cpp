#include "base/FileDescriptor.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

namespace orv {
namespace {

bool IsOpenDescriptor(int fd) { return ::fcntl(fd, F_GETFD) != -1; }

TEST(FileDescriptorTest, OneOwnerClosesItOnce) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const int readEnd = ends[0], writeEnd = ends[1];
  {
    TFileDescriptor a(readEnd);
    TFileDescriptor b(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    EXPECT_EQ(b.Get(), readEnd);
    TFileDescriptor c(writeEnd);
    c = std::move(b);  // the write end it held is closed, the read end moves in
    EXPECT_FALSE(IsOpenDescriptor(writeEnd));
    EXPECT_EQ(c.Get(), readEnd);
    EXPECT_TRUE(IsOpenDescriptor(readEnd));
  }
  EXPECT_FALSE(IsOpenDescriptor(readEnd));

  ASSERT_EQ(::pipe(ends), 0);
  {
    TFileDescriptor kept(ends[0]);
    EXPECT_EQ(kept.Release(), ends[0]);
    TFileDescriptor closed(ends[1]);
    EXPECT_EQ(closed.Close(), 0);
    EXPECT_FALSE(closed.IsOpen());
  }
  EXPECT_TRUE(IsOpenDescriptor(ends[0]));
  EXPECT_FALSE(IsOpenDescriptor(ends[1]));
  ::close(ends[0]);
}

TEST(FileDescriptorTest, WriteAllGoesOnAfterAShortWriteAndReportsTheFailure) {
  // A file that may not grow past 8 bytes takes the first 8 bytes in a short
  // write, and the write of the rest fails.
  char name[] = "/tmp/orv-writeall-XXXXXX";
  TFileDescriptor file(::mkstemp(name));
  ASSERT_TRUE(file.IsOpen());
  ::unlink(name);
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 8;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const int failure = WriteAll(file.Get(), "0123456789abcdef");
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous);
  EXPECT_EQ(failure, EFBIG);
  char back[16] = {};
  EXPECT_EQ(::pread(file.Get(), back, sizeof back, 0), 8);
  EXPECT_EQ(std::string(back, 8), "01234567");
}

}  // namespace
}  // namespace orv
