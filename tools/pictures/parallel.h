// Runs the generator's independent jobs on every core.
#pragma once

#include <functional>

namespace jovi::pictures {

// Calls job(i) for every i in [0, count), spread over the machine's cores; returns when all
// are done. Jobs must not share anything they write.
void ParallelFor(int count, const std::function<void(int)>& job);

}  // namespace jovi::pictures
