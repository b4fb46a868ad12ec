#include "testserver/com/dispatch_object.h"

#include <exception>

#include "core/number_format.h"
#include "platform/win/variant.h"

namespace vensa::server {

namespace {

// A VARIANT passed by reference to a VARIANT is followed to the value it points to.
const VARIANT& Deref(const VARIANT& v) {
  if (v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal != nullptr) return *v.pvarVal;
  return v;
}

// The argument converted to another type, with the argument's position on failure.
win::Variant Converted(const VARIANT& v, VARTYPE type, std::size_t position) {
  win::Variant out;
  if (FAILED(VariantChangeTypeEx(out.Put(), const_cast<VARIANT*>(&v), LOCALE_INVARIANT, 0, type))) {
    throw ArgumentFault{DISP_E_TYPEMISMATCH, static_cast<UINT>(position)};
  }
  return out;
}

void FillException(EXCEPINFO* info, const std::string& text) {
  if (info == nullptr) return;
  *info = EXCEPINFO{};
  info->bstrSource = win::Bstr(std::string_view("vensa-testserver")).Detach();
  info->bstrDescription = win::Bstr(std::string_view(text)).Detach();
  info->scode = E_FAIL;
}

}  // namespace

CallArgs::CallArgs(const DISPPARAMS& params, WORD flags)
    : params_(params),
      put_((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0),
      count_(params.cArgs - (put_ && params.cArgs > 0 ? 1 : 0)) {
  if (put_ && params.cArgs == 0) throw ArgumentFault{DISP_E_BADPARAMCOUNT, 0};
}

const VARIANT& CallArgs::Raw(std::size_t i) const {
  // rgvarg holds the arguments last first; a put's value is rgvarg[0].
  if (i >= count_) throw ArgumentFault{DISP_E_PARAMNOTOPTIONAL, static_cast<UINT>(i)};
  return params_.rgvarg[params_.cArgs - 1 - i];
}

bool CallArgs::Missing(std::size_t i) const {
  if (i >= count_) return true;
  const VARIANT& v = Deref(Raw(i));
  return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND;
}

const VARIANT& CallArgs::At(std::size_t i) const {
  if (Missing(i)) throw ArgumentFault{DISP_E_PARAMNOTOPTIONAL, static_cast<UINT>(i)};
  return Deref(Raw(i));
}

std::string CallArgs::Text(std::size_t i) const {
  return VariantText(At(i));
}

double CallArgs::Number(std::size_t i) const {
  return Converted(At(i), VT_R8, i).Raw().dblVal;
}

std::int32_t CallArgs::Integer(std::size_t i) const {
  return Converted(At(i), VT_I4, i).Raw().lVal;
}

TAcadPoint CallArgs::Point(std::size_t i) const {
  std::vector<double> values;
  if (!win::VariantToDoubles(At(i), values) || values.size() < 2) {
    throw ArgumentFault{DISP_E_TYPEMISMATCH, static_cast<UINT>(i)};
  }
  return TAcadPoint{values[0], values[1], values.size() > 2 ? values[2] : 0.0};
}

VARIANT& CallArgs::Out(std::size_t i) const {
  const VARIANT& v = Raw(i);
  if (v.vt != (VT_BYREF | VT_VARIANT) || v.pvarVal == nullptr) {
    throw ArgumentFault{DISP_E_TYPEMISMATCH, static_cast<UINT>(i)};
  }
  return *v.pvarVal;
}

const VARIANT& CallArgs::Assigned() const {
  return Deref(params_.rgvarg[0]);
}

std::string VariantText(const VARIANT& value) {
  const VARIANT& v = Deref(value);
  if (v.vt == VT_BSTR) {
    return v.bstrVal == nullptr ? std::string() : win::Narrow({v.bstrVal, SysStringLen(v.bstrVal)});
  }
  if (v.vt == VT_R8) return FormatG15(v.dblVal);
  if (v.vt == VT_R4) return FormatG15(v.fltVal);
  if (v.vt == VT_EMPTY) return std::string();
  win::Variant text;
  if (FAILED(VariantChangeTypeEx(text.Put(), const_cast<VARIANT*>(&v), LOCALE_INVARIANT, 0,
                                 VT_BSTR))) {
    throw ArgumentFault{DISP_E_TYPEMISMATCH, 0};
  }
  return VariantText(text.Raw());
}

void SetEmpty(VARIANT& v) {
  VariantClear(&v);
}

void SetText(VARIANT& v, std::string_view utf8) {
  VariantClear(&v);
  v.vt = VT_BSTR;
  v.bstrVal = win::Bstr(utf8).Detach();
}

void SetNumber(VARIANT& v, double value) {
  VariantClear(&v);
  v.vt = VT_R8;
  v.dblVal = value;
}

void SetInteger(VARIANT& v, std::int64_t value) {
  VariantClear(&v);
  if (value >= INT32_MIN && value <= INT32_MAX) {
    v.vt = VT_I4;
    v.lVal = static_cast<LONG>(value);
  } else {
    v.vt = VT_I8;
    v.llVal = value;
  }
}

void SetBool(VARIANT& v, bool value) {
  VariantClear(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetDoubles(VARIANT& v, const std::vector<double>& values) {
  VariantClear(&v);
  win::Variant array = win::Variant::Doubles(values);
  v = array.Raw();
  VariantInit(array.Get());  // the array now belongs to v
}

void SetValue(VARIANT& v, const CadValue& value) {
  if (const auto* number = std::get_if<double>(&value)) {
    SetNumber(v, *number);
  } else if (const auto* integer = std::get_if<std::int32_t>(&value)) {
    SetInteger(v, *integer);
  } else if (const auto* doubles = std::get_if<std::vector<double>>(&value)) {
    SetDoubles(v, *doubles);
  } else if (const auto* text = std::get_if<std::string>(&value)) {
    SetText(v, *text);
  } else {
    SetEmpty(v);
  }
}

void SetObject(VARIANT& v, win::ComPtr<IDispatch> object) {
  VariantClear(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = object.Detach();
}

HRESULT STDMETHODCALLTYPE DispatchObject::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DispatchObject::AddRef() {
  return ++refs_;
}

ULONG STDMETHODCALLTYPE DispatchObject::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                        DISPID* ids) {
  if (names == nullptr || ids == nullptr) return E_POINTER;
  HRESULT hr = S_OK;
  for (UINT i = 0; i < count; ++i) {
    // Named arguments are not supported: only the member's own name is found.
    const int index = i == 0 && names[i] != nullptr ? FindMember(win::Narrow(names[i])) : -1;
    ids[i] = index < 0 ? DISPID_UNKNOWN : index + 1;
    if (index < 0) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

HRESULT STDMETHODCALLTYPE DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags,
                                                 DISPPARAMS* params, VARIANT* result,
                                                 EXCEPINFO* info, UINT* argError) {
  if (params == nullptr) return E_POINTER;
  if (server_.closed) return CO_E_OBJNOTCONNECTED;
  if (id < 1 || static_cast<std::size_t>(id) > MemberCount()) return DISP_E_MEMBERNOTFOUND;
  if (params->cNamedArgs > (flags & DISPATCH_PROPERTYPUT ? 1u : 0u)) return DISP_E_NONAMEDARGS;
  win::Variant discarded;
  VARIANT& out = result != nullptr ? *result : *discarded.Get();
  VariantInit(&out);
  try {
    CallArgs args(*params, flags);
    CallMember(id - 1, args, out);
    return S_OK;
  } catch (const ArgumentFault& fault) {
    if (argError != nullptr) *argError = fault.argument;
    VariantClear(&out);
    return fault.code;
  } catch (const std::exception& error) {
    VariantClear(&out);
    FillException(info, error.what());
    return DISP_E_EXCEPTION;
  }
}

}  // namespace vensa::server
