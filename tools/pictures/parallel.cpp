#include "parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace jovi::pictures {

void ParallelFor(int count, const std::function<void(int)>& job) {
  std::atomic<int> next{0};
  const auto work = [&] {
    for (int i = next++; i < count; i = next++) job(i);
  };
  const int threads =
      std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, std::max(count, 1));
  std::vector<std::jthread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
}

}  // namespace jovi::pictures
