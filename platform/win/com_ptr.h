// Owning references to COM interfaces and the apartment of the calling thread. Shared by
// the automation client and the test server, so both count references the same way.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <utility>

namespace vensa::win {

// One reference to an interface: released when dropped, added when copied.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a new reference of its own to `p`.
  explicit ComPtr(T* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  // Adopts a reference the caller already owns (an out-parameter's result).
  static ComPtr Attach(T* p) {
    ComPtr result;
    result.p_ = p;
    return result;
  }
  // Gives up the reference without releasing it.
  T* Detach() { return std::exchange(p_, nullptr); }

  void Reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  // The address an out-parameter writes a new reference to; drops the old one first.
  T** Put() {
    Reset();
    return &p_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // The same object through another of its interfaces; empty when it has none.
  template <class U>
  ComPtr<U> As() const {
    ComPtr<U> result;
    if (p_) p_->QueryInterface(__uuidof(U), result.PutVoid());
    return result;
  }

 private:
  T* p_ = nullptr;
};

// The thread's single-threaded apartment for as long as the object lives. The message
// filter only works in such an apartment.
class ComApartment {
 public:
  ComApartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  // S_OK, or S_FALSE when the thread was already in an apartment of this kind.
  HRESULT Result() const { return hr_; }

 private:
  HRESULT hr_;
};

}  // namespace vensa::win
