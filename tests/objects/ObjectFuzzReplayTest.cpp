// The inputs the object fuzz target kept, played again: each once built a
// window that crashed, leaked or overflowed.
#include <gtest/gtest.h>

#include "objects/ObjectDocumentExercise.h"
#include "support/FuzzCorpus.h"

namespace orv {
namespace {

TEST(ObjectFuzzReplay, KeptDocumentsBuildAndPaint) {
  int replayed = 0;
  for (const auto& input : test::ReadFuzzCorpus("ObjectFuzz")) {
    SCOPED_TRACE(input.name);
    test::ExerciseObjectDocument(input.bytes);
    ++replayed;
  }
  EXPECT_GE(replayed, 1);
}

}  // namespace
}  // namespace orv
