// One owned reference to a COM interface: released when it goes out of scope
// or is reset, so every path out of a chain of COM calls lets go of what it
// obtained. Windows side only.
#pragma once

#include <unknwn.h>

template <typename T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { reset(); }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // The address a creating call writes a new reference to; whatever was held
  // before is released first.
  T** put() {
    reset();
    return &object_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

  void reset() {
    if (object_) object_->Release();
    object_ = nullptr;
  }

 private:
  T* object_ = nullptr;
};
