// The uniform random numbers behind the clouds; tests give their own sequence.
#pragma once

#include <memory>

namespace jovi {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A number in [0, 1).
  virtual double Uniform() = 0;
};

// A generator seeded from the clock.
std::unique_ptr<RandomSource> MakeClockSeededRandom();

}  // namespace jovi
