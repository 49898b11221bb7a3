// The posted messages of one loop, in posting order: a ring buffer whose
// storage is reserved up front, so that posting (which the hook procedures
// do) allocates only when more messages are waiting than ever before.
// Not thread-safe: the message layer guards it with its lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Messages.h"

namespace vorelio {

struct QueuedMessage {
  WindowHandle window = 0;
  uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

class MessageQueue {
 public:
  explicit MessageQueue(std::size_t initialCapacity = 1024) : slots_(initialCapacity) {}

  bool Empty() const { return count_ == 0; }
  std::size_t Size() const { return count_; }

  // Appends; doubles the storage when it is full.
  void Push(const QueuedMessage& message) {
    if (count_ == slots_.size()) Grow();
    slots_[(head_ + count_) % slots_.size()] = message;
    ++count_;
  }
  // The oldest message; the queue must not be empty.
  QueuedMessage Pop() {
    const QueuedMessage message = slots_[head_];
    head_ = (head_ + 1) % slots_.size();
    --count_;
    return message;
  }
  // Drops every message for which `drop(message)` holds, keeping the
  // others in order.
  template <typename Predicate>
  void RemoveIf(Predicate drop) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count_; ++i) {
      const QueuedMessage message = slots_[(head_ + i) % slots_.size()];
      if (!drop(message)) slots_[(head_ + kept++) % slots_.size()] = message;
    }
    count_ = kept;
  }

 private:
  void Grow() {
    std::vector<QueuedMessage> larger(slots_.empty() ? 16 : slots_.size() * 2);
    for (std::size_t i = 0; i < count_; ++i) larger[i] = slots_[(head_ + i) % slots_.size()];
    slots_.swap(larger);
    head_ = 0;
  }

  std::vector<QueuedMessage> slots_;
  std::size_t head_ = 0;
  std::size_t count_ = 0;
};

}  // namespace vorelio
