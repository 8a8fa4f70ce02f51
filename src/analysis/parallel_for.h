#pragma once

#include <cstddef>
#include <functional>

namespace vork {

// Calls work(i) once for every i in 0..count-1, on up to `jobs` threads that take the next index
// as they finish the last, so uneven items balance. Returns when all are done. Each call must
// touch only what belongs to its index.
void ParallelFor(size_t count, int jobs, const std::function<void(size_t)>& work);

}  // namespace vork
