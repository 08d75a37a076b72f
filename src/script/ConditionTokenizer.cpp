#include "script/ConditionTokenizer.h"

namespace orv {
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\r' || c == '\n'; }
bool IsOperatorChar(char c) { return c == '<' || c == '=' || c == '>'; }
bool EndsWord(char c) { return IsSeparator(c) || IsOperatorChar(c) || c == '"' || c == '(' || c == ')'; }

}  // namespace

void ConditionTokenizer::EndAtClose() {
  if (pos_ < text_.size() && text_[pos_] == ')') {
    ++pos_;
    closeSeen_ = true;
  }
}

ConditionToken ConditionTokenizer::Next() {
  ConditionToken token;
  while (pos_ < text_.size() && IsSeparator(text_[pos_])) ++pos_;
  if (pos_ >= text_.size()) return token;
  const char c = text_[pos_];
  if (c == ')') {
    EndAtClose();
    return token;
  }
  if (c == '(') {
    ++pos_;
    token.kind = ConditionTokenKind::kOpen;
    token.text.push_back('(');
    return token;
  }
  if (c == '"') {
    // Everything up to the closing quote, or to the end when there is none;
    // line breaks inside are dropped.
    token.kind = ConditionTokenKind::kQuoted;
    for (++pos_; pos_ < text_.size() && text_[pos_] != '"'; ++pos_)
      if (text_[pos_] != '\r' && text_[pos_] != '\n') token.text.push_back(text_[pos_]);
    if (pos_ < text_.size()) ++pos_;
    return token;
  }
  if (IsOperatorChar(c)) {
    token.kind = ConditionTokenKind::kOperator;
    while (pos_ < text_.size() && IsOperatorChar(text_[pos_])) token.text.push_back(text_[pos_++]);
    EndAtClose();
    return token;
  }
  token.kind = ConditionTokenKind::kWord;
  while (pos_ < text_.size() && !EndsWord(text_[pos_])) token.text.push_back(text_[pos_++]);
  EndAtClose();
  return token;
}

}  // namespace orv
