#pragma once
#include <array>
#include <memory>

#include "container/DocumentSource.h"

namespace orv {

class ZlibInflater;

// Inflates a zlib stream read from another source, a piece at a time, so
// memory stays bounded whatever the size of the document.
class DocumentInflateSource final : public DocumentSource {
 public:
  explicit DocumentInflateSource(DocumentSource& compressed);
  ~DocumentInflateSource() override;
  DocumentInflateSource(const DocumentInflateSource&) = delete;
  DocumentInflateSource& operator=(const DocumentInflateSource&) = delete;

  std::size_t Read(char* buffer, std::size_t size) override;
  const std::string& Failure() const override { return failure_; }

 private:
  void Fail();

  DocumentSource& compressed_;
  std::unique_ptr<ZlibInflater> inflater_;
  std::array<char, 16384> input_{};
  bool finished_ = false;
  std::string failure_;
};

}  // namespace orv
