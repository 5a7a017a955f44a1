#pragma once
// An object in storage of its own whose deletion can be watched: Delete()
// runs the destructor and then fills the storage with a pattern. Freed heap
// memory usually keeps its old bytes for a while, so code that still uses a
// deleted object tends to carry on unnoticed; here it reads the pattern
// instead (a virtual call through it fails at once), so a test that deletes
// an object from one of its own handlers catches every later use of it.
#include <cstring>
#include <new>
#include <utility>

namespace tabulo::ui::testing {

template <class T>
class PoisonedObject {
 public:
  PoisonedObject() = default;
  PoisonedObject(const PoisonedObject&) = delete;
  PoisonedObject& operator=(const PoisonedObject&) = delete;
  ~PoisonedObject() { Delete(); }

  template <class... Args>
  T& Emplace(Args&&... args) {
    Delete();
    object_ = ::new (static_cast<void*>(storage_)) T(std::forward<Args>(args)...);
    return *object_;
  }

  // May run from inside one of the object's own calls: that is the point.
  void Delete() {
    T* object = std::exchange(object_, nullptr);
    if (!object) return;
    object->~T();
    std::memset(storage_, kPattern, sizeof storage_);
  }

  [[nodiscard]] T* get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  [[nodiscard]] bool Deleted() const { return object_ == nullptr; }

 private:
  static constexpr int kPattern = 0xDD;
  alignas(T) unsigned char storage_[sizeof(T)];
  T* object_ = nullptr;
};

}  // namespace tabulo::ui::testing
