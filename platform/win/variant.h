// Owning wrappers for the values that cross the automation boundary: BSTR texts, VARIANT
// values and SAFEARRAYs. Texts are UTF-8 inside the system and UTF-16 on the wire.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/encoding.h"
#include "platform/win/com_error.h"
#include "platform/win/com_ptr.h"

namespace vensa::win {

inline std::wstring Widen(std::string_view utf8) {
  const std::u16string wide = Utf8ToUtf16(utf8);
  return std::wstring(wide.begin(), wide.end());
}

inline std::string Narrow(std::wstring_view wide) {
  return Utf16ToUtf8(
      std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

// One BSTR, freed when dropped.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::string_view utf8) : Bstr(std::wstring_view(Widen(utf8))) {}
  explicit Bstr(std::wstring_view wide)
      : b_(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()))) {
    if (!b_) throw std::bad_alloc();
  }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept {
    std::swap(b_, other.b_);
    return *this;
  }
  ~Bstr() { SysFreeString(b_); }

  static Bstr Attach(BSTR b) {
    Bstr result;
    result.b_ = b;
    return result;
  }
  BSTR Detach() { return std::exchange(b_, nullptr); }
  BSTR Get() const { return b_; }
  BSTR* Put() {
    SysFreeString(std::exchange(b_, nullptr));
    return &b_;
  }
  // A BSTR carries its length; null is the empty text.
  std::string Utf8() const { return b_ ? Narrow({b_, SysStringLen(b_)}) : std::string(); }

 private:
  BSTR b_ = nullptr;
};

// One SAFEARRAY, destroyed when dropped.
class SafeArray {
 public:
  SafeArray() = default;
  SafeArray(VARTYPE type, ULONG count) : a_(SafeArrayCreateVector(type, 0, count)) {
    if (!a_) throw std::bad_alloc();
  }
  SafeArray(const SafeArray&) = delete;
  SafeArray& operator=(const SafeArray&) = delete;
  SafeArray(SafeArray&& other) noexcept : a_(std::exchange(other.a_, nullptr)) {}
  SafeArray& operator=(SafeArray&& other) noexcept {
    std::swap(a_, other.a_);
    return *this;
  }
  ~SafeArray() {
    if (a_) SafeArrayDestroy(a_);
  }

  SAFEARRAY* Get() const { return a_; }
  SAFEARRAY* Detach() { return std::exchange(a_, nullptr); }

  // Element i of a one-dimensional array made by the constructor above. A copy that
  // fails (out of memory for a text) is the automation error of the call being built.
  template <class T>
  void Put(LONG index, const T& value) {
    // SafeArrayPutElement copies: a BSTR or VARIANT element is duplicated, not adopted.
    const HRESULT hr = SafeArrayPutElement(a_, &index, const_cast<T*>(&value));
    if (FAILED(hr)) ThrowComError("SafeArrayPutElement", hr, nullptr);
  }

 private:
  SAFEARRAY* a_ = nullptr;
};

// One VARIANT, cleared when dropped; copies deep-copy the value.
class Variant {
 public:
  Variant() { VariantInit(&v_); }
  // A copy that fails (out of memory, a value that cannot be copied) is an automation
  // error rather than an empty value passed on in its place.
  Variant(const Variant& other) : Variant() {
    const HRESULT hr = VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
    if (FAILED(hr)) ThrowComError("VariantCopy", hr, nullptr);
  }
  Variant(Variant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
  Variant& operator=(Variant other) noexcept {
    std::swap(v_, other.v_);
    return *this;
  }
  ~Variant() { VariantClear(&v_); }

  explicit Variant(double value) : Variant() {
    v_.vt = VT_R8;
    v_.dblVal = value;
  }
  explicit Variant(std::int32_t value) : Variant() {
    v_.vt = VT_I4;
    v_.lVal = value;
  }
  explicit Variant(std::int16_t value) : Variant() {
    v_.vt = VT_I2;
    v_.iVal = value;
  }
  explicit Variant(bool value) : Variant() {
    v_.vt = VT_BOOL;
    v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
  explicit Variant(std::string_view utf8) : Variant() {
    v_.vt = VT_BSTR;
    v_.bstrVal = Bstr(utf8).Detach();
  }
  explicit Variant(const char* utf8) : Variant(std::string_view(utf8)) {}
  explicit Variant(const std::string& utf8) : Variant(std::string_view(utf8)) {}
  // Takes a reference of its own.
  explicit Variant(IDispatch* object) : Variant() {
    v_.vt = VT_DISPATCH;
    v_.pdispVal = object;
    if (object) object->AddRef();
  }
  // Adopts the array.
  Variant(SafeArray array, VARTYPE elementType) : Variant() {
    v_.vt = static_cast<VARTYPE>(VT_ARRAY | elementType);
    v_.parray = array.Detach();
  }

  // An optional argument left out: the callee uses its default.
  static Variant Missing() {
    Variant v;
    v.v_.vt = VT_ERROR;
    v.v_.scode = DISP_E_PARAMNOTFOUND;
    return v;
  }
  // An array of doubles: a point (x, y, z) or flat coordinates.
  static Variant Doubles(const std::vector<double>& values) {
    SafeArray array(VT_R8, static_cast<ULONG>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) array.Put(static_cast<LONG>(i), values[i]);
    return Variant(std::move(array), VT_R8);
  }
  // An array of 16-bit integers (the group codes of a selection filter).
  static Variant Shorts(const std::vector<std::int16_t>& values) {
    SafeArray array(VT_I2, static_cast<ULONG>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) array.Put(static_cast<LONG>(i), values[i]);
    return Variant(std::move(array), VT_I2);
  }
  // An array of variants (the values of a selection filter).
  static Variant Variants(const std::vector<Variant>& values) {
    SafeArray array(VT_VARIANT, static_cast<ULONG>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) array.Put(static_cast<LONG>(i), values[i].v_);
    return Variant(std::move(array), VT_VARIANT);
  }

  VARTYPE Type() const { return v_.vt; }
  bool IsEmpty() const { return v_.vt == VT_EMPTY || v_.vt == VT_NULL; }
  const VARIANT& Raw() const { return v_; }
  VARIANT* Get() { return &v_; }
  // The address an out-parameter or a call result is written to; clears the old value.
  VARIANT* Put() {
    VariantClear(&v_);
    return &v_;
  }
  // The object an object-valued result holds, or empty.
  ComPtr<IDispatch> Object() const {
    if (v_.vt == VT_DISPATCH) return ComPtr<IDispatch>(v_.pdispVal);
    if (v_.vt == VT_UNKNOWN && v_.punkVal) return ComPtr<IUnknown>(v_.punkVal).As<IDispatch>();
    return {};
  }

 private:
  VARIANT v_;
};

// The elements of a one-dimensional array value as doubles (a point, flat coordinates):
// VT_R8 arrays and arrays of numeric variants alike. False when the value is no such
// array or an element is not a number.
inline bool VariantToDoubles(const VARIANT& value, std::vector<double>& out) {
  if (!(value.vt & VT_ARRAY) || !value.parray || SafeArrayGetDim(value.parray) != 1) return false;
  SAFEARRAY* array = value.parray;
  LONG lower = 0;
  LONG upper = -1;
  if (FAILED(SafeArrayGetLBound(array, 1, &lower)) || FAILED(SafeArrayGetUBound(array, 1, &upper)))
    return false;
  const VARTYPE element = static_cast<VARTYPE>(value.vt & VT_TYPEMASK);
  out.clear();
  for (LONG i = lower; i <= upper; ++i) {
    VARIANT item;
    VariantInit(&item);
    if (element == VT_VARIANT) {
      if (FAILED(SafeArrayGetElement(array, &i, &item))) return false;
    } else if (element == VT_R8) {
      item.vt = VT_R8;
      if (FAILED(SafeArrayGetElement(array, &i, &item.dblVal))) return false;
    } else if (element == VT_R4) {
      item.vt = VT_R4;
      if (FAILED(SafeArrayGetElement(array, &i, &item.fltVal))) return false;
    } else if (element == VT_I4) {
      item.vt = VT_I4;
      if (FAILED(SafeArrayGetElement(array, &i, &item.lVal))) return false;
    } else if (element == VT_I2) {
      item.vt = VT_I2;
      if (FAILED(SafeArrayGetElement(array, &i, &item.iVal))) return false;
    } else {
      return false;
    }
    VARIANT number;
    VariantInit(&number);
    const HRESULT hr = VariantChangeTypeEx(&number, &item, LOCALE_INVARIANT, 0, VT_R8);
    VariantClear(&item);
    if (FAILED(hr)) return false;
    out.push_back(number.dblVal);
  }
  return true;
}

}  // namespace vensa::win
