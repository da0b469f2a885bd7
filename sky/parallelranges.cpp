#include "sky/parallelranges.h"

#include "sky/vectorstate.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace {

std::size_t threadCount(std::size_t count, std::size_t minItemsPerThread)
{
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return std::clamp<std::size_t>(count / std::max<std::size_t>(1, minItemsPerThread), 1, cores);
}

}  // namespace

void forRangesInParallel(std::size_t count, const std::function<void(std::size_t begin, std::size_t end)> &work,
                         std::size_t minItemsPerThread)
{
    const auto runRange = [&work](std::size_t begin, std::size_t end) {
        clearUpperVectorState();
        work(begin, end);
    };
    const std::size_t threads = threadCount(count, minItemsPerThread);
    const std::size_t perThread = (count + threads - 1) / threads;
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(runRange, std::min(count, t * perThread), std::min(count, (t + 1) * perThread));
    runRange(0, std::min(count, perThread));
}
