#pragma once

#include <cstddef>
#include <functional>

// Runs work(begin, end) over consecutive ranges that together cover [0, count), one range a
// processor core, when there are enough items to be worth a thread (minItemsPerThread each;
// fewer for items that each take long); returns when all are done. Each range starts with the
// processor's vector state cleared (see vectorstate.h).
void forRangesInParallel(std::size_t count, const std::function<void(std::size_t begin, std::size_t end)> &work,
                         std::size_t minItemsPerThread = 500);
