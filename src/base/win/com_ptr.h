#pragma once
// ComPtr: a move-only owner of one reference to a COM interface. Adopting
// takes over a reference the caller already holds (what a creating call or
// QueryInterface handed out); Release gives it back exactly once.
#include <unknwn.h>

#include <utility>

namespace tabulo {

template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { reset(); }

  [[nodiscard]] static ComPtr Adopt(Interface* pointer) {
    ComPtr owner;
    owner.pointer_ = pointer;
    return owner;
  }

  [[nodiscard]] Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  void reset() {
    if (Interface* pointer = std::exchange(pointer_, nullptr)) pointer->Release();
  }

  // For calls that hand out a new reference through an out parameter; any
  // reference held before is released first.
  [[nodiscard]] Interface** put() {
    reset();
    return &pointer_;
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace tabulo
