// Work done on several threads and taken back in the order it was given: a
// ring of slots that one thread fills and empties in turn while the workers
// fill in each slot's result. Memory stays that of the slots, however much work
// passes through.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace zentara::cli {

template <class Slot>
class OrderedWork {
 public:
  // `work(slot, worker)` fills in a slot's result on worker `worker` (0 to
  // workers - 1). With one worker the work is done on the calling thread, as
  // each slot is given, and no thread is started.
  OrderedWork(std::size_t workers, std::function<void(Slot&, std::size_t)> work)
      : work_(std::move(work)), slots_(workers == 1 ? 1 : 2 * workers + 2), states_(slots_.size(), State::Free) {
    if (workers > 1) {
      for (std::size_t worker = 0; worker < workers; ++worker) {
        threads_.emplace_back([this, worker] { WorkOn(worker); });
      }
    }
  }
  ~OrderedWork() {
    {
      const std::lock_guard<std::mutex> hold(lock_);
      stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }
  OrderedWork(const OrderedWork&) = delete;
  OrderedWork& operator=(const OrderedWork&) = delete;

  // The slot to fill next. Before it is free, the slots given before it are
  // handed to `take` in order as their work is done (waiting for it); `take`
  // returns false to stop, and then so does this (nothing is then filled).
  template <class Take>
  Slot* NextToFill(Take&& take) {
    const std::size_t index = next_ % slots_.size();  // only this thread changes next_
    std::unique_lock<std::mutex> hold(lock_);
    while (states_[index] != State::Free) {
      if (!TakeOldest(hold, take)) return nullptr;
    }
    return &slots_[index];
  }

  // Gives the slot NextToFill returned to be worked on.
  void Give() {
    const std::size_t index = next_ % slots_.size();
    if (threads_.empty()) work_(slots_[index], 0);
    {
      const std::lock_guard<std::mutex> hold(lock_);
      states_[index] = threads_.empty() ? State::Done : State::Given;
      ++next_;
    }
    changed_.notify_all();
  }

  // Hands every slot given and not yet taken to `take`, in order, waiting for
  // their work; false when `take` stopped.
  template <class Take>
  bool TakeAll(Take&& take) {
    std::unique_lock<std::mutex> hold(lock_);
    while (oldest_ != next_) {
      if (!TakeOldest(hold, take)) return false;
    }
    return true;
  }

 private:
  enum class State { Free, Given, Working, Done };

  // Waits for the oldest given slot's work, hands it to `take` (unlocked) and
  // frees it; false when `take` stopped.
  template <class Take>
  bool TakeOldest(std::unique_lock<std::mutex>& hold, Take& take) {
    const std::size_t index = oldest_ % slots_.size();
    changed_.wait(hold, [&] { return states_[index] == State::Done; });
    hold.unlock();
    const bool goOn = take(slots_[index]);
    hold.lock();
    states_[index] = State::Free;
    ++oldest_;
    return goOn;
  }

  void WorkOn(std::size_t worker) {
    std::unique_lock<std::mutex> hold(lock_);
    for (;;) {
      std::size_t found = slots_.size();
      // The oldest slot waiting, so results come back in about the order given.
      for (std::size_t n = oldest_; n != next_; ++n) {
        if (states_[n % slots_.size()] == State::Given) {
          found = n % slots_.size();
          break;
        }
      }
      if (found == slots_.size()) {
        if (stopping_) return;
        changed_.wait(hold);
        continue;
      }
      states_[found] = State::Working;
      hold.unlock();
      work_(slots_[found], worker);
      hold.lock();
      states_[found] = State::Done;
      changed_.notify_all();
    }
  }

  std::function<void(Slot&, std::size_t)> work_;
  std::vector<Slot> slots_;
  std::vector<State> states_;
  std::size_t next_ = 0;    // how many slots have been given (read by the workers under the lock)
  std::size_t oldest_ = 0;  // how many have been taken back
  std::vector<std::thread> threads_;
  std::mutex lock_;
  std::condition_variable changed_;
  bool stopping_ = false;
};

}  // namespace zentara::cli
