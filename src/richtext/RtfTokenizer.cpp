#include "richtext/RtfTokenizer.h"

#include <algorithm>
#include <climits>

namespace orv::rt {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

RtfToken RtfTokenizer::Next() {
  RtfToken t;
  // A broken escape yields nothing; loop rather than recurse past it.
  while (!TryNext(t)) t = RtfToken{};
  return t;
}

bool RtfTokenizer::TryNext(RtfToken& t) {
  // Line ends between tokens carry no meaning in RTF.
  while (pos_ < data_.size() && (data_[pos_] == '\r' || data_[pos_] == '\n')) ++pos_;
  if (pos_ >= data_.size()) return true;
  const char c = data_[pos_];
  if (c == '{') {
    ++pos_;
    t.kind = RtfToken::Kind::kGroupOpen;
    return true;
  }
  if (c == '}') {
    ++pos_;
    t.kind = RtfToken::Kind::kGroupClose;
    return true;
  }
  if (c != '\\') {
    const std::size_t start = pos_;
    while (pos_ < data_.size()) {
      const char d = data_[pos_];
      if (d == '\\' || d == '{' || d == '}' || d == '\r' || d == '\n') break;
      ++pos_;
    }
    t.kind = RtfToken::Kind::kText;
    t.word = data_.substr(start, pos_ - start);
    return true;
  }
  ++pos_;  // the backslash
  if (pos_ >= data_.size()) return true;  // a lone backslash at the end
  const char s = data_[pos_];
  if (IsLetter(s)) {
    const std::size_t start = pos_;
    while (pos_ < data_.size() && IsLetter(data_[pos_])) ++pos_;
    t.kind = RtfToken::Kind::kControlWord;
    t.word = data_.substr(start, std::min<std::size_t>(pos_ - start, 32));
    bool negative = false;
    if (pos_ < data_.size() && data_[pos_] == '-' && pos_ + 1 < data_.size() && IsDigit(data_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    if (pos_ < data_.size() && IsDigit(data_[pos_])) {
      long long value = 0;
      while (pos_ < data_.size() && IsDigit(data_[pos_])) {
        if (value < INT_MAX) value = value * 10 + (data_[pos_] - '0');
        ++pos_;
      }
      value = std::min<long long>(value, INT_MAX);
      t.hasParam = true;
      t.param = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;
    return true;
  }
  ++pos_;
  if (s == '\'') {
    const int hi = pos_ < data_.size() ? HexValue(data_[pos_]) : -1;
    const int lo = pos_ + 1 < data_.size() ? HexValue(data_[pos_ + 1]) : -1;
    if (hi < 0 || lo < 0) {
      // A broken escape: drop it and whatever hex digit it had.
      if (hi >= 0) ++pos_;
      return false;
    }
    pos_ += 2;
    t.kind = RtfToken::Kind::kHexByte;
    t.byte = static_cast<unsigned char>(hi * 16 + lo);
    return true;
  }
  if (s == '\\' || s == '{' || s == '}') {
    t.kind = RtfToken::Kind::kText;
    t.word = data_.substr(pos_ - 1, 1);
    return true;
  }
  t.kind = RtfToken::Kind::kControlSymbol;
  t.symbol = (s == '\r') ? '\n' : s;
  return true;
}

std::string_view RtfTokenizer::TakeBinary(std::int64_t count) {
  if (count <= 0) return {};
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), data_.size() - pos_);
  std::string_view out = data_.substr(pos_, n);
  pos_ += n;
  return out;
}

}  // namespace orv::rt
