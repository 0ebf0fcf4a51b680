#include "synth/random_source.h"

namespace corvane {

RandomSource randomSource{};

void skipDraws(int count) {
  for (int i = 0; i < count; ++i) randomSource.next();
}

}  // namespace corvane
