// Work done on several threads and taken back in the order it was given: a
// ring of slots that one thread, the caller, fills and empties in turn while
// the workers fill in each slot's result. The caller is one of the workers:
// whenever it would wait for a result it works on a slot itself, so N workers
// are N - 1 threads and the caller, and no core is left idle or shared by two
// busy threads. Memory stays that of the slots, however much work passes
// through.
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
  // workers - 1; the caller is the last). With one worker the work is done on
  // the calling thread as each slot is given, and no thread is started.
  OrderedWork(std::size_t workers, std::function<void(Slot&, std::size_t)> work)
      : work_(std::move(work)),
        slots_(workers == 1 ? 1 : 2 * workers + 2),
        states_(slots_.size(), State::Free),
        callerWorker_(workers - 1) {
    for (std::size_t worker = 0; worker + 1 < workers; ++worker) {
      threads_.emplace_back([this, worker] { WorkOn(worker); });
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
    if (threads_.empty()) work_(slots_[index], callerWorker_);
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

  // Waits for the oldest given slot's work, working on given slots meanwhile,
  // hands it to `take` (unlocked) and frees it; false when `take` stopped.
  template <class Take>
  bool TakeOldest(std::unique_lock<std::mutex>& hold, Take& take) {
    const std::size_t index = oldest_ % slots_.size();
    while (states_[index] != State::Done) {
      if (!WorkOnOne(hold, callerWorker_)) changed_.wait(hold);
    }
    hold.unlock();
    const bool goOn = take(slots_[index]);
    hold.lock();
    states_[index] = State::Free;
    ++oldest_;
    return goOn;
  }

  // Works on the oldest slot given and not yet taken up (so results come back
  // in about the order given), unlocked meanwhile; false when there is none.
  bool WorkOnOne(std::unique_lock<std::mutex>& hold, std::size_t worker) {
    for (std::size_t n = oldest_; n != next_; ++n) {
      const std::size_t index = n % slots_.size();
      if (states_[index] != State::Given) continue;
      states_[index] = State::Working;
      hold.unlock();
      work_(slots_[index], worker);
      hold.lock();
      states_[index] = State::Done;
      changed_.notify_all();
      return true;
    }
    return false;
  }

  void WorkOn(std::size_t worker) {
    std::unique_lock<std::mutex> hold(lock_);
    while (!stopping_) {
      if (!WorkOnOne(hold, worker)) changed_.wait(hold);
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
  std::size_t callerWorker_;
  bool stopping_ = false;
};

}  // namespace zentara::cli
