// OrderedList: the program's one container for records kept in a chosen order and walked
// with a cursor (leap seconds, measurements, events, hotlist dates, help topics).
//
// A doubly linked list that owns a copy of every element, with a movable cursor and a
// running index. The order comes from a policy type `Order` with two members,
//     bool Equal(const T& a, const T& b)    the two elements have the same key
//     bool Greater(const T& a, const T& b)  a sorts after b
// (static or not: the list keeps one `Order` object).
//
// The cursor rules are part of the contract, because the lists built on this one rely on them:
// - After an insertion the cursor stands on the new element; after a deletion on the element
//   before the deleted one (no cursor when the head was deleted).
// - `Next` without a cursor goes to the head; past the tail it returns nothing and leaves no
//   cursor, so the next `Next` starts at the head again.
// - `InsertOrdered` searches from wherever the cursor stands. Equal keys are never merged: a new
//   element equal to existing ones lands after them when the search comes from below and before
//   them when it comes from above.
// Iteration: `Reset`, then `Next` until the element for which `AtEnd` holds has been handled.
#pragma once

#include <cstdint>
#include <utility>

namespace jovi {

template <typename T, typename Order>
class OrderedList {
 public:
  OrderedList() = default;
  explicit OrderedList(Order order) : order_(std::move(order)) {}
  ~OrderedList() { Clear(); }

  // Copies hold their own nodes; the copy's cursor stands where the original's stood.
  OrderedList(const OrderedList& other) : order_(other.order_) { CopyFrom(other); }
  OrderedList& operator=(const OrderedList& other) {
    if (this != &other) {
      Clear();
      order_ = other.order_;
      CopyFrom(other);
    }
    return *this;
  }
  OrderedList(OrderedList&& other) noexcept { Steal(other); }
  OrderedList& operator=(OrderedList&& other) noexcept {
    if (this != &other) {
      Clear();
      Steal(other);
    }
    return *this;
  }

  std::int32_t CurrentIndex() const { return current_index_; }
  std::int32_t LastIndex() const { return last_index_; }
  std::int32_t Count() const { return last_index_ + 1; }
  bool IsEmpty() const { return head_ == nullptr; }
  bool AtHead() const { return current_ == head_; }
  bool AtEnd() const { return current_ == tail_; }
  bool HasCursor() const { return current_ != nullptr; }

  // The element under the cursor, or nothing.
  T* Current() { return current_ ? &current_->item : nullptr; }
  const T* Current() const { return current_ ? &current_->item : nullptr; }

  void Reset() {
    current_ = nullptr;
    current_index_ = -1;
  }

  T* Next() {
    if (current_) {
      current_ = current_->next;
      ++current_index_;
    } else {
      current_ = head_;
      current_index_ = 0;
    }
    if (!current_) {
      current_index_ = -1;
      return nullptr;
    }
    return &current_->item;
  }

  T* Prev() {
    if (!current_) return nullptr;
    current_ = current_->prev;
    --current_index_;
    if (!current_) {
      current_index_ = -1;
      return nullptr;
    }
    return &current_->item;
  }

  // Moves the cursor to index i and returns that element; nothing (cursor unmoved) when out of range.
  T* ItemAt(std::int32_t i) {
    if (i < 0 || i > last_index_) return nullptr;
    while (current_index_ < i) Next();
    while (current_index_ > i) Prev();
    return &current_->item;
  }

  void InsertFront(const T& e) {
    Node* n = new Node{head_, nullptr, e};
    if (head_) head_->prev = n;
    head_ = n;
    if (!tail_) tail_ = n;
    current_ = n;
    current_index_ = 0;
    ++last_index_;
  }

  void InsertAfterCursor(const T& e) {
    if (!current_) {
      InsertFront(e);
      return;
    }
    Node* n = new Node{current_->next, current_, e};
    if (current_->next) {
      current_->next->prev = n;
    } else {
      tail_ = n;
    }
    current_->next = n;
    current_ = n;
    ++current_index_;
    ++last_index_;
  }

  void DeleteAtCursor() {
    if (!current_) return;
    Node* gone = current_;
    if (gone->prev) {
      gone->prev->next = gone->next;
    } else {
      head_ = gone->next;
    }
    if (gone->next) {
      gone->next->prev = gone->prev;
    } else {
      tail_ = gone->prev;
    }
    current_ = gone->prev;
    --current_index_;
    --last_index_;
    delete gone;
  }

  void Clear() {
    current_ = tail_;
    current_index_ = last_index_;
    while (!IsEmpty()) DeleteAtCursor();
    current_index_ = -1;
  }

  void InsertOrdered(const T& e) {
    if (IsEmpty()) {
      InsertAfterCursor(e);
      return;
    }
    if (!current_) {
      current_ = head_;
      current_index_ = 0;
    }
    if (order_.Greater(e, current_->item)) {
      while (current_ != tail_ && !order_.Greater(current_->item, e)) Next();
      if (order_.Greater(current_->item, e)) Prev();
      InsertAfterCursor(e);
      return;
    }
    while (current_ != head_ && !order_.Greater(e, current_->item)) Prev();
    if (current_ == head_ && order_.Greater(current_->item, e)) {
      InsertFront(e);
      return;
    }
    InsertAfterCursor(e);
  }

  bool Equal(const T& a, const T& b) const { return order_.Equal(a, b); }
  bool Greater(const T& a, const T& b) const { return order_.Greater(a, b); }

  // Calls f on every element from head to tail without moving the cursor.
  template <typename F>
  void ForEach(F&& f) const {
    for (const Node* n = head_; n; n = n->next) f(n->item);
  }

 private:
  struct Node {
    Node* next;
    Node* prev;
    T item;
  };

  void CopyFrom(const OrderedList& other) {
    Node* cursor = nullptr;
    for (const Node* n = other.head_; n; n = n->next) {
      Node* copy = new Node{nullptr, tail_, n->item};
      if (tail_) {
        tail_->next = copy;
      } else {
        head_ = copy;
      }
      tail_ = copy;
      ++last_index_;
      if (n == other.current_) cursor = copy;
    }
    current_ = cursor;
    current_index_ = other.current_index_;
  }

  void Steal(OrderedList& other) {
    order_ = std::move(other.order_);
    head_ = std::exchange(other.head_, nullptr);
    tail_ = std::exchange(other.tail_, nullptr);
    current_ = std::exchange(other.current_, nullptr);
    current_index_ = std::exchange(other.current_index_, -1);
    last_index_ = std::exchange(other.last_index_, -1);
  }

  Order order_{};
  Node* head_ = nullptr;
  Node* tail_ = nullptr;
  Node* current_ = nullptr;
  std::int32_t current_index_ = -1;
  std::int32_t last_index_ = -1;
};

}  // namespace jovi
