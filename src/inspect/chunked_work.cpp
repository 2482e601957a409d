#include "inspect/chunked_work.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace tembrix::inspect {

unsigned core_count() { return std::max(1u, std::thread::hardware_concurrency()); }

void run_chunks(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work) {
  const std::size_t n = std::min<std::size_t>(threads == 0 ? core_count() : threads, count);
  std::atomic<std::size_t> next{0};
  const auto drain = [&] {
    for (std::size_t i; (i = next.fetch_add(1)) < count;) work(i);
  };
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < n; ++t) helpers.emplace_back(drain);
  drain();
  for (auto& h : helpers) h.join();
}

}  // namespace tembrix::inspect
