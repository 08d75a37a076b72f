#pragma once
#include <string_view>

#include "container/DocumentSource.h"

namespace orv {

// Bytes held by the caller, who keeps them alive while they are read.
class DocumentMemorySource final : public DocumentSource {
 public:
  explicit DocumentMemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::size_t Read(char* buffer, std::size_t size) override;
  const std::string& Failure() const override { return failure_; }

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
  std::string failure_;
};

}  // namespace orv
