#include "platform/win/dispatch.h"

#include <algorithm>
#include <string>

#include "platform/win/com_error.h"

namespace vensa::win {

DISPID Dispatch::IdOf(std::string_view member, bool& cached) const {
  if (!object_) ThrowComError(member, E_POINTER, nullptr);
  if (!ids_) ids_ = std::make_shared<DispIdCache>();
  for (const auto& [name, id] : ids_->ids) {
    if (name == member) {
      cached = true;
      return id;
    }
  }
  cached = false;
  std::wstring name = Widen(member);
  LPOLESTR names[] = {name.data()};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) ThrowComError(member, hr, nullptr);
  ids_->ids.emplace_back(member, id);
  return id;
}

void Dispatch::ForgetId(std::string_view member) const {
  std::erase_if(ids_->ids, [&](const auto& entry) { return entry.first == member; });
}

Variant Dispatch::Invoke(std::string_view member, WORD flags, VARIANT* args, std::size_t count,
                         bool put) const {
  bool cached = false;
  DISPID id = IdOf(member, cached);
  // The callee reads its arguments last to first.
  std::reverse(args, args + count);
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{args, put ? &putId : nullptr, static_cast<UINT>(count), put ? 1u : 0u};
  Variant result;
  EXCEPINFO info{};
  UINT argError = 0;
  HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                               put ? nullptr : result.Put(), &info, &argError);
  if (hr == DISP_E_MEMBERNOTFOUND && cached) {
    // An id shared from another object of the class that this one does not know: ask
    // this object itself once.
    ForgetId(member);
    id = IdOf(member, cached);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    info = EXCEPINFO{};
    hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                         put ? nullptr : result.Put(), &info, &argError);
  }
  std::reverse(args, args + count);
  if (FAILED(hr)) ThrowComError(member, hr, &info);
  return result;
}

Variant Dispatch::Call(std::string_view member, std::vector<Variant> args) const {
  // Variant holds exactly one VARIANT, so the vector is an array of them.
  static_assert(sizeof(Variant) == sizeof(VARIANT));
  return Invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                args.empty() ? nullptr : args.front().Get(), args.size(), false);
}

Dispatch Dispatch::Object(std::string_view member, std::vector<Variant> args) const {
  Variant value = Call(member, std::move(args));
  ComPtr<IDispatch> object = value.Object();
  if (!object) ThrowComError(member, E_NOINTERFACE, nullptr);
  return Dispatch(std::move(object));
}

void Dispatch::Put(std::string_view member, Variant value) const {
  Invoke(member, DISPATCH_PROPERTYPUT, value.Get(), 1, true);
}

Variant Dispatch::CallWithRefs(std::string_view member, std::vector<VARIANT>& args) const {
  return Invoke(member, DISPATCH_METHOD, args.data(), args.size(), false);
}

namespace {

Variant Converted(const Variant& value, VARTYPE type, std::string_view member) {
  Variant out;
  const HRESULT hr =
      VariantChangeTypeEx(out.Put(), const_cast<VARIANT*>(&value.Raw()), LOCALE_INVARIANT, 0, type);
  if (FAILED(hr)) ThrowComError(member, hr, nullptr);
  return out;
}

}  // namespace

std::string AsText(const Variant& value, std::string_view member) {
  if (value.IsEmpty()) return {};
  const Variant text = Converted(value, VT_BSTR, member);
  const BSTR b = text.Raw().bstrVal;
  return b ? Narrow({b, SysStringLen(b)}) : std::string();
}

double AsDouble(const Variant& value, std::string_view member) {
  return Converted(value, VT_R8, member).Raw().dblVal;
}

std::int32_t AsInt32(const Variant& value, std::string_view member) {
  return Converted(value, VT_I4, member).Raw().lVal;
}

std::int64_t AsInt64(const Variant& value, std::string_view member) {
  return Converted(value, VT_I8, member).Raw().llVal;
}

bool AsBool(const Variant& value, std::string_view member) {
  return Converted(value, VT_BOOL, member).Raw().boolVal != VARIANT_FALSE;
}

}  // namespace vensa::win
