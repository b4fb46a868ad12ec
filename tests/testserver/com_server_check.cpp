// Attaches to a running vensa-testserver from another process, as the system's client
// does (CLSIDFromProgID, GetActiveObject, late-bound calls), and checks that members,
// points, filters, out-parameters and errors cross the process boundary intact. Run by
// tools/windows-com-check, which starts the servers and checks the files they save.
//   vensa-testserver-check cad PROGID INSERT_FILE   (the CAD server, ends it with Quit)
//   vensa-testserver-check excel                    (the spreadsheet server, ends it)
//   vensa-testserver-check quit PROGID              (ends the server, for scripts)
//   vensa-testserver-check absent PROGID            (no class registered under PROGID)
#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "platform/win/com_error.h"
#include "platform/win/com_ptr.h"
#include "platform/win/dispatch.h"
#include "platform/win/variant.h"

namespace vensa::win {
namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
  std::cout << (ok ? "ok: " : "FAILED: ") << what << "\n";
  if (!ok) ++failures;
}

std::string Text(const Variant& v) {
  return v.Type() == VT_BSTR ? Bstr::Attach(SysAllocString(v.Raw().bstrVal)).Utf8() : "?";
}

std::vector<double> Doubles(const Variant& v) {
  std::vector<double> values;
  VariantToDoubles(v.Raw(), values);
  return values;
}

bool SamePoint(const std::vector<double>& p, double x, double y, double z) {
  return p.size() == 3 && std::abs(p[0] - x) < 1e-9 && std::abs(p[1] - y) < 1e-9 &&
         std::abs(p[2] - z) < 1e-9;
}

Dispatch Attach(const std::string& progId) {
  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(Widen(progId).c_str(), &clsid);
  if (FAILED(hr)) ThrowComError("CLSIDFromProgID", hr, nullptr);
  ComPtr<IUnknown> unknown;
  hr = GetActiveObject(clsid, nullptr, unknown.Put());
  if (FAILED(hr)) ThrowComError("GetActiveObject", hr, nullptr);
  return Dispatch(unknown.As<IDispatch>());
}

// The description of the exception a call raises, through a raw Invoke.
std::string RaisedText(const Dispatch& object, const wchar_t* member, std::vector<Variant> args) {
  std::wstring name = member;
  LPOLESTR names[] = {name.data()};
  DISPID id = 0;
  object.Get()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  std::vector<VARIANT> reversed;
  for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->Raw());
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  EXCEPINFO info{};
  Variant result;
  const HRESULT hr = object.Get()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                          &params, result.Put(), &info, nullptr);
  Bstr description = Bstr::Attach(info.bstrDescription);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrHelpFile);
  return hr == DISP_E_EXCEPTION ? description.Utf8() : "HRESULT " + std::to_string(hr);
}

void CheckCad(const std::string& progId, const std::string& insertFile) {
  Dispatch app = Attach(progId);
  const Variant hwnd = app.Call("HWND");
  Check(hwnd.Type() == VT_I4 || hwnd.Type() == VT_I8, "HWND is a number");
  const LONGLONG handle = hwnd.Type() == VT_I4 ? hwnd.Raw().lVal : hwnd.Raw().llVal;
  Check(handle != 0 && reinterpret_cast<HWND>(handle) == FindWindowW(L"VensaSimCad", nullptr),
        "HWND is the server's main window");
  Dispatch doc = app.Object("activedocument");
  Check(doc.Call("GetVariable", {Variant("dimscale")}).Raw().dblVal == 1.0,
        "GetVariable DIMSCALE, member names in any case");
  Check(SamePoint(Doubles(doc.Call("GetVariable", {Variant("UCSXDIR")})), 1, 0, 0),
        "a point variable arrives as three doubles");

  doc.Call("SendCommand", {Variant("-INSERT *" + insertFile + "\r0,0,0 1 0\r")});
  Dispatch layers = doc.Object("Layers");
  std::vector<std::string> names;
  const int count = layers.Call("Count").Raw().lVal;
  for (int i = 0; i < count; ++i) {
    names.push_back(Text(layers.Object("Item", {Variant(std::int32_t{i})}).Call("Name")));
  }
  Check(count == 3 && names[1] == "測点名" && names[2] == "外周",
        "SendCommand of an insert creates the file's layers (Japanese names)");

  Dispatch util = doc.Object("Utility");
  Check(
      SamePoint(Doubles(util.Call("GetPoint", {Variant::Missing(), Variant("点を指示")})), 1, 2, 3),
      "GetPoint without base point answers the first pick");

  Dispatch set = doc.Object("SelectionSets").Object("Add", {Variant("VENSA_SSET")});
  set.Call("SelectOnScreen", {Variant::Shorts({0}), Variant::Variants({Variant("TEXT")})});
  Check(set.Call("Count").Raw().lVal == 2, "SelectOnScreen with the TEXT filter takes the texts");
  Dispatch text = set.Object("Item", {Variant(std::int32_t{0})});
  Check(Text(text.Call("EntityName")) == "AcDbText" && Text(text.Call("TextString")) == "P-1",
        "an entity of the selection answers its class and text");
  Check(SamePoint(Doubles(text.Call("InsertionPoint")), 10, 20, 1), "InsertionPoint");
  set.Call("Clear");
  set.Call("SelectOnScreen");
  Check(set.Call("Count").Raw().lVal == 4, "SelectOnScreen without filter takes everything");
  Dispatch outline = set.Object("Item", {Variant(std::int32_t{3})});
  Check(Doubles(outline.Call("Coordinates")) == std::vector<double>{0, 0, 0, 100, 0, 0} &&
            outline.Call("Closed").Raw().boolVal == VARIANT_TRUE &&
            outline.Call("Normal", {Variant(std::int32_t{2})}).Raw().dblVal == 1.0,
        "a polyline's coordinates, Closed and one component of its normal");

  std::vector<VARIANT> out(3);
  for (VARIANT& v : out) VariantInit(&v);
  Variant entity;
  Variant at;
  out[0].vt = VT_BYREF | VT_VARIANT;
  out[0].pvarVal = entity.Get();
  out[1].vt = VT_BYREF | VT_VARIANT;
  out[1].pvarVal = at.Get();
  Variant prompt("図形を選択");
  out[2] = prompt.Raw();
  util.CallWithRefs("GetEntity", out);
  Dispatch picked(entity.Object());
  Check(picked && Text(picked.Call("EntityName")) == "AcDbCircle" &&
            SamePoint(Doubles(at), 30, 40, 0),
        "GetEntity fills both out-parameters");

  Check(RaisedText(util, L"GetPoint", {Variant::Missing(), Variant("点")}) ==
            "入力がキャンセルされました",
        "a cancel arrives as DISP_E_EXCEPTION with the server's text");
  try {
    util.Call("GetEntity", {});
    Check(false, "a call with missing out-parameters fails");
  } catch (const ComError& error) {
    Check(error.Code() == DISP_E_PARAMNOTOPTIONAL || error.Code() == DISP_E_TYPEMISMATCH,
          "a call with missing out-parameters fails with an argument error");
  }

  doc.Object("Layers").Call("Add", {Variant("注記")});
  Dispatch added =
      doc.Object("ModelSpace")
          .Object("AddText", {Variant("追加"), Variant::Doubles({5, 6, 0}), Variant(2.5)});
  added.Put("Layer", Variant("注記"));
  added.Call("Update");
  Check(Text(added.Call("Layer")) == "注記", "Layer put on a new text");
  try {
    added.Put("Handle", Variant("1"));
    Check(false, "a read-only property refuses a put");
  } catch (const ComError& error) {
    Check(error.Code() == DISP_E_MEMBERNOTFOUND, "a read-only property refuses a put");
  }
  app.Call("Quit");
}

void CheckExcel() {
  Check(FindWindowW(L"XLMAIN", nullptr) != nullptr, "the spreadsheet's window is found by class");
  Dispatch app = Attach("Excel.Application");
  Dispatch book = app.Object("ActiveWorkBook");
  Check(Text(book.Call("Name")) == "Book1", "workbook Name");
  Dispatch sheet = book.Object("ActiveSheet");
  Check(Text(sheet.Object("Cells", {Variant(std::int32_t{1}), Variant(std::int32_t{1})})
                 .Call("Value")) == "測点1",
        "Cells(1,1).Value: a text");
  Variant number =
      sheet.Object("Cells", {Variant(std::int32_t{1}), Variant(std::int32_t{2})}).Call("Value");
  Check(number.Type() == VT_R8 && number.Raw().dblVal == 100.5, "Cells(1,2).Value: a number");
  Check(sheet.Object("Cells", {Variant(std::int32_t{9}), Variant(std::int32_t{9})})
            .Call("Value")
            .IsEmpty(),
        "an empty cell is empty");
  sheet.Object("Cells", {Variant(std::int32_t{2}), Variant(std::int32_t{1})})
      .Put("Value", Variant("新点"));
  sheet.Object("Columns", {Variant(std::int32_t{2})}).Call("Select");
  Check(RaisedText(sheet.Object("Rows", {Variant(std::int32_t{2})}), L"Value", {}) != "",
        "a refused call carries the spreadsheet's text");
  app.Call("Quit");
}

void Quit(const std::string& progId) {
  Attach(progId).Call("Quit");
}

void CheckAbsent(const std::string& progId) {
  CLSID clsid{};
  Check(FAILED(CLSIDFromProgID(Widen(progId).c_str(), &clsid)),
        progId + " is not registered (unknown, or removed when its server ended)");
}

}  // namespace
}  // namespace vensa::win

int wmain(int argc, wchar_t** argv) {
  using namespace vensa::win;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
  ComApartment apartment;
  try {
    if (args.size() == 3 && args[0] == "cad") {
      CheckCad(args[1], args[2]);
    } else if (args.size() == 1 && args[0] == "excel") {
      CheckExcel();
    } else if (args.size() == 2 && args[0] == "quit") {
      Quit(args[1]);
    } else if (args.size() == 2 && args[0] == "absent") {
      CheckAbsent(args[1]);
    } else {
      std::cerr << "usage: vensa-testserver-check cad PROGID INSERT_FILE | excel | quit PROGID |"
                   " absent PROGID\n";
      return 2;
    }
  } catch (const std::exception& error) {
    Check(false, std::string("unexpected error: ") + error.what());
  }
  return failures == 0 ? 0 : 1;
}
