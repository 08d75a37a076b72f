#pragma once
// An open file descriptor with exactly one owner, and the loop that writes
// a whole buffer to one. The owner closes the descriptor when it goes and can
// be moved but not copied, so no early return leaks a descriptor and none is
// closed twice.
#include <string_view>

namespace orv {

class TFileDescriptor {
 public:
  TFileDescriptor() = default;
  // Takes over `fd`; a negative value holds nothing.
  explicit TFileDescriptor(int fd) : fd_(fd) {}
  ~TFileDescriptor() { Reset(); }
  TFileDescriptor(TFileDescriptor&& other) noexcept : fd_(other.Release()) {}
  TFileDescriptor& operator=(TFileDescriptor&& other) noexcept;
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Gives the descriptor up without closing it.
  int Release();
  // Closes the descriptor held, if any, and takes over `fd`.
  void Reset(int fd = -1);
  // Closes now: errno when the close fails (a write the system had
  // accepted can still fail here), else 0.
  int Close();

 private:
  int fd_ = -1;
};

// Writes all of `data` at the descriptor's position, going on after short
// writes and interrupted calls: errno of the failure, else 0.
int WriteAll(int fd, std::string_view data);

}  // namespace orv
