// The inputs the picture fuzz target kept, played again: pictures of every
// format, whole and cut short, and the ones that once crashed or leaked.
#include <gtest/gtest.h>

#include "imaging/PictureFuzzExercise.h"
#include "support/FuzzCorpus.h"

namespace orv {
namespace {

TEST(PictureFuzzReplay, KeptInputsDecodeAndDraw) {
  int replayed = 0;
  for (const auto& input : test::ReadFuzzCorpus("PictureFuzz")) {
    SCOPED_TRACE(input.name);
    const char* broken = test::ExercisePictureInput(input.bytes);
    EXPECT_EQ(broken, nullptr) << broken;
    ++replayed;
  }
  EXPECT_GE(replayed, 20);
}

}  // namespace
}  // namespace orv
