#include "initstate/body_record_writer.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "initstate/body_record_text.h"
#include "textio/units.h"

namespace tembrix {

namespace {

// Block i covers bodies first + i*bodies_per_block onwards, at most
// bodies_per_block of them, ending at last.
struct Blocks {
  std::size_t first, last, count;

  std::size_t begin(std::size_t i) const { return first + i * bodies_per_block; }
  std::size_t end(std::size_t i) const { return std::min(last, begin(i) + bodies_per_block - 1); }
  std::size_t bytes(std::size_t i) const { return (end(i) - begin(i) + 1) * body_record_bytes; }
};

// Formats block i into buf and hands it to the unit.
void write_block_inline(const BodyTables& bodies, const Blocks& blocks, std::size_t i,
                        std::vector<char>& buf, int unit) {
  format_body_records(bodies, blocks.begin(i), blocks.end(i), buf.data());
  write_laid_out(unit, std::string_view(buf.data(), blocks.bytes(i)));
}

// Workers format blocks into a ring of slots; the writer empties the slots in
// block order. Worker w takes blocks w, w+n, w+2n, ... and the ring has 2n
// slots, so each slot is only ever filled by one worker, in block order, and
// a worker can format one block ahead while the writer writes another.
class BlockPipeline {
 public:
  BlockPipeline(const BodyTables& bodies, const Blocks& blocks, unsigned workers)
      : bodies_(bodies), blocks_(blocks), workers_(workers), slots_(2 * workers) {
    for (auto& s : slots_) s.text.resize(bodies_per_block * body_record_bytes);
  }

  // Runs the workers and writes every block; false (nothing written) if no
  // worker thread could be started.
  bool run(int unit) {
    std::vector<std::thread> threads;
    try {
      for (unsigned w = 0; w < workers_; ++w) threads.emplace_back(&BlockPipeline::work, this, w);
    } catch (const std::system_error&) {
      stop_all(threads);
      return false;
    }
    for (std::size_t i = 0; i < blocks_.count; ++i) {
      Slot& slot = slots_[i % slots_.size()];
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return slot.block == i; });
      }
      write_laid_out(unit, std::string_view(slot.text.data(), blocks_.bytes(i)));
      {
        std::lock_guard lock(mutex_);
        slot.block = free_slot;
      }
      changed_.notify_all();
    }
    for (auto& t : threads) t.join();
    return true;
  }

 private:
  static constexpr std::size_t free_slot = static_cast<std::size_t>(-1);

  struct Slot {
    std::vector<char> text;
    std::size_t block = free_slot;  // the block whose text the slot holds
  };

  void work(unsigned w) {
    for (std::size_t i = w; i < blocks_.count; i += workers_) {
      Slot& slot = slots_[i % slots_.size()];
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || slot.block == free_slot; });
        if (stop_) return;
      }
      format_body_records(bodies_, blocks_.begin(i), blocks_.end(i), slot.text.data());
      {
        std::lock_guard lock(mutex_);
        slot.block = i;
      }
      changed_.notify_all();
    }
  }

  void stop_all(std::vector<std::thread>& threads) {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    for (auto& t : threads) t.join();
  }

  const BodyTables& bodies_;
  const Blocks blocks_;
  const unsigned workers_;
  std::vector<Slot> slots_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool stop_ = false;
};

}  // namespace

void write_body_records(const BodyTables& bodies, std::size_t first, std::size_t last, int unit,
                        unsigned threads) {
  if (last < first) return;
  const Blocks blocks{first, last, (last - first) / bodies_per_block + 1};
  if (threads == 0) threads = std::clamp(std::thread::hardware_concurrency(), 1u, 2u);
  if (blocks.count > 1) {
    BlockPipeline pipeline(bodies, blocks, threads);
    if (pipeline.run(unit)) return;
  }
  // One block, or no thread to be had: format and write on this thread.
  std::vector<char> buf(blocks.count == 1 ? blocks.bytes(0) : bodies_per_block * body_record_bytes);
  for (std::size_t i = 0; i < blocks.count; ++i) write_block_inline(bodies, blocks, i, buf, unit);
}

}  // namespace tembrix
