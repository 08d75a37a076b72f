#pragma once
// Which optional instruction sets this processor has, for the few loops that
// come in a faster form for them. Always false where they do not exist.

namespace orv {

bool ProcessorHasSse2();
bool ProcessorHasAvx2();  // with BMI1, which every processor with AVX2 has too

}  // namespace orv
