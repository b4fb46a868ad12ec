// Late-bound calls on an automation object: members by name (matched without regard to
// case by the object), property get and put, methods with optional arguments left out,
// and out-parameters. Every failure throws ComError (an AutomationError).
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/win/com_ptr.h"
#include "platform/win/variant.h"

namespace vensa::win {

// Member ids by name as an object answered them. An object's ids do not change while it
// lives, and the objects of one class of one server share them, so one cache may serve
// several objects: each id found there saves a round trip to the server.
struct DispIdCache {
  std::vector<std::pair<std::string, DISPID>> ids;
};

class Dispatch {
 public:
  Dispatch() = default;
  explicit Dispatch(ComPtr<IDispatch> object) : object_(std::move(object)) {}

  // A property's value or a method's result (the two are called alike, as late-bound
  // callers do). Arguments in call order; Variant::Missing() leaves one out.
  Variant Call(std::string_view member, std::vector<Variant> args = {}) const;
  // The object a member returns; ComError when it returns none.
  Dispatch Object(std::string_view member, std::vector<Variant> args = {}) const;
  void Put(std::string_view member, Variant value) const;
  // A call whose arguments may be references (VT_BYREF) the callee writes to; they are
  // passed as they are, in call order.
  Variant CallWithRefs(std::string_view member, std::vector<VARIANT>& args) const;

  // Member ids are looked up in `cache` from now on, and the ones looked up are added.
  void UseIdCache(std::shared_ptr<DispIdCache> cache) { ids_ = std::move(cache); }

  IDispatch* Get() const { return object_.Get(); }
  explicit operator bool() const { return static_cast<bool>(object_); }

 private:
  // The member's id; `cached` tells whether it came from the cache.
  DISPID IdOf(std::string_view member, bool& cached) const;
  void ForgetId(std::string_view member) const;
  Variant Invoke(std::string_view member, WORD flags, VARIANT* args, std::size_t count,
                 bool put) const;

  ComPtr<IDispatch> object_;
  mutable std::shared_ptr<DispIdCache> ids_;
};

// A result converted to the kind the caller needs, without the user's locale; ComError
// (type mismatch) naming `member` when it cannot be.
std::string AsText(const Variant& value, std::string_view member);
double AsDouble(const Variant& value, std::string_view member);
std::int32_t AsInt32(const Variant& value, std::string_view member);
std::int64_t AsInt64(const Variant& value, std::string_view member);
bool AsBool(const Variant& value, std::string_view member);

}  // namespace vensa::win
