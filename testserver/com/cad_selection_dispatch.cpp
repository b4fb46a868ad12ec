// The selection set collection and one selection set. The server's CAD selects the whole
// drawing on screen, kept by the filter when one is given.
#include "platform/automation_error.h"
#include "platform/win/variant.h"
#include "testserver/com/cad_dispatch.h"

namespace vensa::server {

namespace {

// The filter's group codes: an array of 16-bit integers (or of variants holding them).
std::vector<std::int16_t> FilterCodes(const VARIANT& array) {
  std::vector<double> numbers;
  if (!win::VariantToDoubles(array, numbers)) throw ArgumentFault{DISP_E_TYPEMISMATCH, 0};
  return std::vector<std::int16_t>(numbers.begin(), numbers.end());
}

CadValue FilterValue(const VARIANT& item) {
  switch (item.vt) {
    case VT_BSTR:
      return VariantText(item);
    case VT_I2:
      return std::int32_t{item.iVal};
    case VT_I4:
      return std::int32_t{item.lVal};
    case VT_R8:
      return item.dblVal;
    default:
      return CadValue{};
  }
}

// The filter's values: an array of variants.
std::vector<CadValue> FilterValues(const VARIANT& array) {
  if (array.vt != (VT_ARRAY | VT_VARIANT) || array.parray == nullptr ||
      SafeArrayGetDim(array.parray) != 1) {
    throw ArgumentFault{DISP_E_TYPEMISMATCH, 1};
  }
  LONG lower = 0;
  LONG upper = -1;
  SafeArrayGetLBound(array.parray, 1, &lower);
  SafeArrayGetUBound(array.parray, 1, &upper);
  std::vector<CadValue> values;
  for (LONG i = lower; i <= upper; ++i) {
    win::Variant item;
    if (FAILED(SafeArrayGetElement(array.parray, &i, item.Get()))) {
      throw ArgumentFault{DISP_E_TYPEMISMATCH, 1};
    }
    values.push_back(FilterValue(item.Raw()));
  }
  return values;
}

const Member<CadSelectionSet> kSelectionSetMembers[] = {
    {"Name", [](CadSelectionSet& m, Invocation& c) { SetText(c.result, m.Name()); }},
    {"Count", [](CadSelectionSet& m, Invocation& c) { SetInteger(c.result, m.Count()); }},
    {"Item",
     [](CadSelectionSet& m, Invocation& c) {
       SetObject(c.result, CadEntityDispatch(m.Item(c.args.Integer(0)), c.server));
     }},
    // SelectOnScreen([filter codes, filter values]).
    {"SelectOnScreen",
     [](CadSelectionSet& m, Invocation& c) {
       std::optional<SelectionFilter> filter;
       if (!c.args.Missing(0)) {
         filter = SelectionFilter{FilterCodes(c.args.At(0)), FilterValues(c.args.At(1))};
         if (filter->codes.size() != filter->values.size()) {
           throw AutomationError("SelectOnScreen", "フィルタの型と値の数が合いません");
         }
       }
       m.SelectOnScreen(filter);
     }},
    {"Clear", [](CadSelectionSet& m, Invocation&) { m.Clear(); }},
    {"Delete", [](CadSelectionSet& m, Invocation&) { m.Delete(); }},
};

const Member<CadSelectionSets> kSelectionSetsMembers[] = {
    {"Count", [](CadSelectionSets& m, Invocation& c) { SetInteger(c.result, m.Count()); }},
    {"Item",
     [](CadSelectionSets& m, Invocation& c) {
       SetObject(c.result, CadSelectionSetDispatch(m.Item(c.args.Integer(0)), c.server));
     }},
    {"Add",
     [](CadSelectionSets& m, Invocation& c) {
       SetObject(c.result, CadSelectionSetDispatch(m.Add(c.args.Text(0)), c.server));
     }},
};

}  // namespace

win::ComPtr<IDispatch> CadSelectionSetsDispatch(std::shared_ptr<CadSelectionSets> sets,
                                                ServerContext& server) {
  return NewDispatch(std::move(sets), kSelectionSetsMembers, server);
}

win::ComPtr<IDispatch> CadSelectionSetDispatch(std::shared_ptr<CadSelectionSet> set,
                                               ServerContext& server) {
  return NewDispatch(std::move(set), kSelectionSetMembers, server);
}

}  // namespace vensa::server
