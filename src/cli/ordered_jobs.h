// Work cut into numbered blocks, made on several threads and handed on in block order.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace kalmotre::cli {

// Runs produce(worker, block) for the blocks 0..blocks-1 on `jobs` threads and hands each result
// to consume(result) on the calling thread, in block order, so the output is that of one thread.
// At most a few blocks per thread wait to be consumed, so memory does not grow with the run.
// When consume returns false, blocks not yet started are skipped and the run returns false.
//
// The system may refuse a thread (an address space or process limit): the run goes on with the
// threads it could start, and with none, on the calling thread alone; the output is the same.
// `startThread` starts one; tests pass one that refuses.
template <typename Result, typename Produce, typename Consume,
          typename StartThread = std::thread (*)(std::function<void()>)>
bool runInOrder(
    long blocks, int jobs, Produce produce, Consume consume,
    StartThread startThread = [](std::function<void()> body) {
      return std::thread(std::move(body));
    }) {
  auto alone = [&] {
    for (long b = 0; b < blocks; ++b) {
      if (!consume(produce(0, b))) return false;
    }
    return true;
  };
  if (jobs <= 1 || blocks <= 1) return alone();
  const long window = 4L * jobs;
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::optional<Result>> slots(static_cast<std::size_t>(window));
  long nextBlock = 0;
  long consumed = 0;
  bool stop = false;
  auto slot = [&](long b) -> std::optional<Result>& {
    return slots[static_cast<std::size_t>(b % window)];
  };

  auto work = [&](int worker) {
    std::unique_lock lock(mutex);
    for (;;) {
      // Block b may only be started once the block sharing its slot has been consumed.
      changed.wait(lock,
                   [&] { return stop || nextBlock >= blocks || nextBlock < consumed + window; });
      if (stop || nextBlock >= blocks) return;
      const long b = nextBlock++;
      lock.unlock();
      Result result = produce(worker, b);
      lock.lock();
      slot(b) = std::move(result);
      changed.notify_all();
    }
  };
  std::vector<std::thread> threads;
  threads.reserve(static_cast<std::size_t>(jobs));
  for (int w = 0; w < jobs; ++w) {
    try {
      threads.push_back(startThread([&work, w] { work(w); }));
    } catch (const std::system_error&) {
      break;  // the system has no more threads to give: those started do the work
    } catch (const std::bad_alloc&) {
      break;
    }
  }
  if (threads.empty()) return alone();

  bool complete = true;
  for (long b = 0; b < blocks; ++b) {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return slot(b).has_value(); });
    Result result = std::move(*slot(b));
    slot(b).reset();
    ++consumed;
    changed.notify_all();
    lock.unlock();
    if (!consume(std::move(result))) {
      complete = false;
      break;
    }
  }
  {
    std::lock_guard lock(mutex);
    stop = true;
  }
  changed.notify_all();
  for (std::thread& t : threads) t.join();
  return complete;
}

}  // namespace kalmotre::cli
