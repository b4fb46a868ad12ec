#include "testserver/com/excel_dispatch.h"

namespace vensa::server {

namespace {

win::ComPtr<IDispatch> RangeDispatch(std::shared_ptr<ExcelRange> range, ServerContext& server);
win::ComPtr<IDispatch> WorksheetDispatch(std::shared_ptr<ExcelWorksheet> sheet,
                                         ServerContext& server);
win::ComPtr<IDispatch> WorkbookDispatch(std::shared_ptr<ExcelWorkbook> book, ServerContext& server);

void SetSheetValue(VARIANT& v, const SheetValue& value) {
  if (value.IsText()) {
    SetText(v, value.AsText());
  } else if (value.IsNumber()) {
    SetNumber(v, value.AsNumber());
  } else {
    SetEmpty(v);
  }
}

const Member<ExcelRange> kRangeMembers[] = {
    {"Select", [](ExcelRange& m, Invocation&) { m.Select(); }},
    {"Value",
     [](ExcelRange& m, Invocation& c) {
       if (c.args.IsPut()) {
         m.SetValue(VariantText(c.args.Assigned()));
       } else {
         SetSheetValue(c.result, m.Value());
       }
     },
     true},
};

const Member<ExcelWorksheet> kWorksheetMembers[] = {
    {"Name", [](ExcelWorksheet& m, Invocation& c) { SetText(c.result, m.Name()); }},
    {"Cells",
     [](ExcelWorksheet& m, Invocation& c) {
       SetObject(c.result, RangeDispatch(m.Cells(c.args.Integer(0), c.args.Integer(1)), c.server));
     }},
    {"Rows",
     [](ExcelWorksheet& m, Invocation& c) {
       SetObject(c.result, RangeDispatch(m.Rows(c.args.Integer(0)), c.server));
     }},
    {"Columns",
     [](ExcelWorksheet& m, Invocation& c) {
       SetObject(c.result, RangeDispatch(m.Columns(c.args.Integer(0)), c.server));
     }},
};

const Member<ExcelWorkbook> kWorkbookMembers[] = {
    {"Name", [](ExcelWorkbook& m, Invocation& c) { SetText(c.result, m.Name()); }},
    {"ActiveSheet",
     [](ExcelWorkbook& m, Invocation& c) {
       SetObject(c.result, WorksheetDispatch(m.ActiveSheet(), c.server));
     }},
};

const Member<ExcelApplication> kApplicationMembers[] = {
    {"ActiveWorkbook",
     [](ExcelApplication& m, Invocation& c) {
       SetObject(c.result, WorkbookDispatch(m.ActiveWorkBook(), c.server));
     }},
    {"ActiveSheet",
     [](ExcelApplication& m, Invocation& c) {
       SetObject(c.result, WorksheetDispatch(m.ActiveWorkBook()->ActiveSheet(), c.server));
     }},
    {"Quit", [](ExcelApplication&, Invocation& c) { c.server.quitRequested = true; }},
};

win::ComPtr<IDispatch> RangeDispatch(std::shared_ptr<ExcelRange> range, ServerContext& server) {
  return NewDispatch(std::move(range), kRangeMembers, server);
}

win::ComPtr<IDispatch> WorksheetDispatch(std::shared_ptr<ExcelWorksheet> sheet,
                                         ServerContext& server) {
  return NewDispatch(std::move(sheet), kWorksheetMembers, server);
}

win::ComPtr<IDispatch> WorkbookDispatch(std::shared_ptr<ExcelWorkbook> book,
                                        ServerContext& server) {
  return NewDispatch(std::move(book), kWorkbookMembers, server);
}

}  // namespace

win::ComPtr<IDispatch> ExcelApplicationDispatch(std::shared_ptr<ExcelApplication> app,
                                                ServerContext& server) {
  return NewDispatch(std::move(app), kApplicationMembers, server);
}

}  // namespace vensa::server
