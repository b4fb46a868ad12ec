// The server side of late-bound calls: one IDispatch per automation object, its members
// found by name without regard to case in a table of name -> handler, arguments read from
// VARIANTs in call order, results written as VARIANTs. An error the model raises goes back
// as DISP_E_EXCEPTION with its own text in the EXCEPINFO, so the client shows that text.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cad/cad_value.h"
#include "core/acad_point.h"
#include "core/text.h"
#include "platform/win/com_ptr.h"

namespace vensa {
class SimCad;
class ScriptedUser;
}  // namespace vensa

namespace vensa::server {

// What every object of one server shares: the substitute CAD and its user (both null in
// the spreadsheet server) and whether a client asked the server to end.
struct ServerContext {
  SimCad* cad = nullptr;
  ScriptedUser* user = nullptr;
  bool quitRequested = false;
  // Set once serving has ended: the models may be gone, so no call reaches them.
  bool closed = false;
};

// A call the arguments do not fit: answered with the HRESULT, not with an exception text.
struct ArgumentFault {
  HRESULT code;
  UINT argument;
};

// The arguments of one call in the caller's order (DISPPARAMS holds them reversed); the
// value a property put assigns is apart from them.
class CallArgs {
 public:
  CallArgs(const DISPPARAMS& params, WORD flags);

  bool IsPut() const { return put_; }
  std::size_t Count() const { return count_; }
  // A missing optional argument is absent or passed as DISP_E_PARAMNOTFOUND.
  bool Missing(std::size_t i) const;
  // The argument itself, references followed.
  const VARIANT& At(std::size_t i) const;
  std::string Text(std::size_t i) const;
  double Number(std::size_t i) const;
  std::int32_t Integer(std::size_t i) const;
  TAcadPoint Point(std::size_t i) const;
  // The variant a by-reference argument points to, for out-parameters.
  VARIANT& Out(std::size_t i) const;
  // The value a property put assigns.
  const VARIANT& Assigned() const;

 private:
  const VARIANT& Raw(std::size_t i) const;

  const DISPPARAMS& params_;
  bool put_;
  std::size_t count_;
};

// Setting a result (or an out-parameter): the variant is cleared first.
void SetEmpty(VARIANT& v);
void SetText(VARIANT& v, std::string_view utf8);
void SetNumber(VARIANT& v, double value);
void SetInteger(VARIANT& v, std::int64_t value);
void SetBool(VARIANT& v, bool value);
void SetDoubles(VARIANT& v, const std::vector<double>& values);
void SetValue(VARIANT& v, const CadValue& value);
// Adopts the reference.
void SetObject(VARIANT& v, win::ComPtr<IDispatch> object);

// A value as text: a text as it is, a number in its general form.
std::string VariantText(const VARIANT& value);

class DispatchObject : public IDispatch {
 public:
  explicit DispatchObject(ServerContext& server) : server_(server) {}
  virtual ~DispatchObject() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT* argError) override;

 protected:
  ServerContext& Server() const { return server_; }
  // The member's index in the object's table, or -1.
  virtual int FindMember(std::string_view name) const = 0;
  virtual std::size_t MemberCount() const = 0;
  virtual void CallMember(int index, const CallArgs& args, VARIANT& result) = 0;

 private:
  ServerContext& server_;
  std::atomic<ULONG> refs_{1};
};

// One call as a handler sees it.
struct Invocation {
  const CallArgs& args;
  VARIANT& result;
  ServerContext& server;
};

template <class Model>
struct Member {
  const char* name;
  void (*call)(Model& model, Invocation& call);
  // Whether a property put reaches the handler; elsewhere it is refused as it is by
  // read-only properties.
  bool assignable = false;
};

// The IDispatch of one model object, with the member table of its kind.
template <class Model>
class ModelDispatch final : public DispatchObject {
 public:
  ModelDispatch(std::shared_ptr<Model> model, std::span<const Member<Model>> table,
                ServerContext& server)
      : DispatchObject(server), model_(std::move(model)), table_(table) {}

 protected:
  int FindMember(std::string_view name) const override {
    for (std::size_t i = 0; i < table_.size(); ++i) {
      if (EqualsIgnoringAsciiCase(table_[i].name, name)) return static_cast<int>(i);
    }
    return -1;
  }
  std::size_t MemberCount() const override { return table_.size(); }
  void CallMember(int index, const CallArgs& args, VARIANT& result) override {
    const Member<Model>& member = table_[static_cast<std::size_t>(index)];
    if (args.IsPut() && !member.assignable) throw ArgumentFault{DISP_E_MEMBERNOTFOUND, 0};
    Invocation call{args, result, Server()};
    member.call(*model_, call);
  }

 private:
  std::shared_ptr<Model> model_;
  std::span<const Member<Model>> table_;
};

// A new IDispatch (one reference, owned by the result) over the model object.
template <class Model, std::size_t N>
win::ComPtr<IDispatch> NewDispatch(std::shared_ptr<Model> model, const Member<Model> (&table)[N],
                                   ServerContext& server) {
  return win::ComPtr<IDispatch>::Attach(
      new ModelDispatch<Model>(std::move(model), std::span<const Member<Model>>(table), server));
}

}  // namespace vensa::server
