// Spreads independent pieces of work over the cores with std::thread.
#pragma once

#include <cstddef>
#include <functional>

namespace tembrix::inspect {

// The number of threads to use when the caller asks for "every core": the
// hardware concurrency, at least 1.
unsigned core_count();

// Calls work(i) once for every i in 0..count-1, on `threads` threads (0: every
// core), each thread taking the next undone index. The calls must not throw
// and must write only to their own results; the caller combines those in
// index order, so what it computes does not depend on the number of threads.
void run_chunks(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);

}  // namespace tembrix::inspect
