#pragma once
// Splits RTF bytes into groups, control words, control symbols and text. It
// never fails: a truncated escape or an endless number is cut short, so every
// byte string yields a finite token stream.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orv::rt {

struct RtfToken {
  enum class Kind { kEnd, kGroupOpen, kGroupClose, kControlWord, kControlSymbol, kText, kHexByte };
  Kind kind = Kind::kEnd;
  std::string_view word;  // control word letters, or the text of a kText token
  bool hasParam = false;
  int param = 0;           // clamped to the int range
  char symbol = 0;         // kControlSymbol
  unsigned char byte = 0;  // kHexByte
};

class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view data) : data_(data) {}

  RtfToken Next();
  // Takes up to `count` raw bytes (the data of \binN).
  std::string_view TakeBinary(std::int64_t count);
  std::size_t Position() const { return pos_; }

 private:
  bool TryNext(RtfToken& t);

  std::string_view data_;
  std::size_t pos_ = 0;
};

}  // namespace orv::rt
