#include "session/random_source.h"

#include <chrono>
#include <random>

namespace jovi {

namespace {
class ClockSeededRandom final : public RandomSource {
 public:
  ClockSeededRandom()
      : engine_(static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count())) {}
  double Uniform() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

 private:
  std::mt19937_64 engine_;
};
}  // namespace

std::unique_ptr<RandomSource> MakeClockSeededRandom() {
  return std::make_unique<ClockSeededRandom>();
}

}  // namespace jovi
