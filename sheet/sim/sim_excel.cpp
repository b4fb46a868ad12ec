#include "sheet/sim/sim_excel.h"

#include <algorithm>
#include <stdexcept>

#include "sheet/excel_error.h"

namespace vensa {

namespace sim_excel_detail {

struct Book {
  std::string name;
  std::vector<std::shared_ptr<SimWorksheet>> sheets;
  std::size_t active = 0;
  bool open = true;
};

// What every automation object of one substitute application shares: the workbooks,
// the call log, the scripted failures and whether the application still runs.
struct Server {
  std::shared_ptr<CallLog> log;
  std::vector<std::shared_ptr<Book>> books;  // in front: the last one
  bool running = false;
  std::map<std::string, int> calls;                         // member -> calls so far
  std::map<std::string, std::map<int, std::string>> fails;  // member -> call -> text

  // Records one call and raises the error scripted for it, if any.
  void Enter(const std::string& member, const std::string& line) {
    log->Add(line);
    if (!running) throw ExcelAutomationError("The RPC server is unavailable.");
    int n = ++calls[member];
    auto it = fails.find(member);
    if (it == fails.end()) return;
    auto hit = it->second.find(n);
    if (hit == it->second.end()) return;
    std::string text = hit->second;
    it->second.erase(hit);
    throw ExcelAutomationError(text);
  }

  Book* Front() { return books.empty() ? nullptr : books.back().get(); }

  bool IsActiveSheet(const SimWorksheet* sheet) {
    Book* front = Front();
    return front != nullptr && front->sheets[front->active].get() == sheet;
  }
};

namespace {

enum class RangeKind { Cell, Row, Column };

std::string Address(RangeKind kind, int row, int column) {
  switch (kind) {
    case RangeKind::Cell:
      return ColumnLetters(column) + std::to_string(row);
    case RangeKind::Row:
      return std::to_string(row) + ":" + std::to_string(row);
    case RangeKind::Column:
      break;
  }
  std::string letters = ColumnLetters(column);
  return letters + ":" + letters;
}

class SimRange : public ExcelRange {
 public:
  SimRange(std::shared_ptr<Server> server, std::shared_ptr<Book> book,
           std::shared_ptr<SimWorksheet> sheet, RangeKind kind, int row, int column)
      : server_(std::move(server)),
        book_(std::move(book)),
        sheet_(std::move(sheet)),
        kind_(kind),
        row_(row),
        column_(column),
        address_(Address(kind, row, column)) {}

  void Select() override {
    Enter("range.Select", ".Select");
    // As in the real application, only a range of the sheet in front can be selected.
    if (!server_->IsActiveSheet(sheet_.get())) {
      throw ExcelAutomationError("Select method of Range class failed");
    }
    sheet_->SetSelection(address_);
  }

  SheetValue Value() override {
    Enter("range.Value", ".Value");
    RequireCell();
    return sheet_->Get(row_, column_);
  }

  void SetValue(const std::string& text) override {
    Enter("range.Value=", ".Value=" + text);
    RequireCell();
    sheet_->SetText(row_, column_, text);
  }

 private:
  void Enter(const std::string& member, const std::string& suffix) {
    server_->Enter(member, address_ + suffix);
    if (!book_->open) throw ExcelAutomationError("Object has been deleted.");
  }
  void RequireCell() const {
    if (kind_ != RangeKind::Cell) {
      throw ExcelAutomationError("The substitute holds values of single cells only.");
    }
  }

  std::shared_ptr<Server> server_;
  std::shared_ptr<Book> book_;
  std::shared_ptr<SimWorksheet> sheet_;
  RangeKind kind_;
  int row_;
  int column_;
  std::string address_;
};

class SimSheetObject : public ExcelWorksheet {
 public:
  SimSheetObject(std::shared_ptr<Server> server, std::shared_ptr<Book> book,
                 std::shared_ptr<SimWorksheet> sheet)
      : server_(std::move(server)), book_(std::move(book)), sheet_(std::move(sheet)) {}

  std::string Name() override {
    Enter("sheet.Name", "sheet.Name");
    return sheet_->Name();
  }

  std::shared_ptr<ExcelRange> Cells(int row, int column) override {
    Enter("sheet.Cells", "sheet.Cells(" + std::to_string(row) + "," + std::to_string(column) + ")");
    CheckRow(row);
    CheckColumn(column);
    return MakeRange(RangeKind::Cell, row, column);
  }

  std::shared_ptr<ExcelRange> Rows(int row) override {
    Enter("sheet.Rows", "sheet.Rows(" + std::to_string(row) + ")");
    CheckRow(row);
    return MakeRange(RangeKind::Row, row, 0);
  }

  std::shared_ptr<ExcelRange> Columns(int column) override {
    Enter("sheet.Columns", "sheet.Columns(" + std::to_string(column) + ")");
    CheckColumn(column);
    return MakeRange(RangeKind::Column, 0, column);
  }

 private:
  void Enter(const std::string& member, const std::string& line) {
    server_->Enter(member, line);
    if (!book_->open) throw ExcelAutomationError("Object has been deleted.");
  }
  static void CheckRow(int row) {
    if (row < 1 || row > SimWorksheet::kMaxRow) {
      throw ExcelAutomationError("Row " + std::to_string(row) + " is outside the worksheet.");
    }
  }
  static void CheckColumn(int column) {
    if (column < 1 || column > SimWorksheet::kMaxColumn) {
      throw ExcelAutomationError("Column " + std::to_string(column) + " is outside the worksheet.");
    }
  }
  std::shared_ptr<ExcelRange> MakeRange(RangeKind kind, int row, int column) {
    return std::make_shared<SimRange>(server_, book_, sheet_, kind, row, column);
  }

  std::shared_ptr<Server> server_;
  std::shared_ptr<Book> book_;
  std::shared_ptr<SimWorksheet> sheet_;
};

class SimBookObject : public ExcelWorkbook {
 public:
  SimBookObject(std::shared_ptr<Server> server, std::shared_ptr<Book> book)
      : server_(std::move(server)), book_(std::move(book)) {}

  std::string Name() override {
    Enter("book.Name", "book.Name");
    return book_->name;
  }

  std::shared_ptr<ExcelWorksheet> ActiveSheet() override {
    Enter("book.ActiveSheet", "book.ActiveSheet");
    return std::make_shared<SimSheetObject>(server_, book_, book_->sheets[book_->active]);
  }

 private:
  void Enter(const std::string& member, const std::string& line) {
    server_->Enter(member, line);
    if (!book_->open) throw ExcelAutomationError("Object has been deleted.");
  }

  std::shared_ptr<Server> server_;
  std::shared_ptr<Book> book_;
};

class SimApplicationObject : public ExcelApplication {
 public:
  explicit SimApplicationObject(std::shared_ptr<Server> server) : server_(std::move(server)) {}

  std::shared_ptr<ExcelWorkbook> ActiveWorkBook() override {
    server_->Enter("app.ActiveWorkBook", "app.ActiveWorkBook");
    if (server_->books.empty()) {
      throw ExcelAutomationError("Object variable not set: no workbook is open.");
    }
    return std::make_shared<SimBookObject>(server_, server_->books.back());
  }

 private:
  std::shared_ptr<Server> server_;
};

}  // namespace
}  // namespace sim_excel_detail

using sim_excel_detail::Book;
using sim_excel_detail::Server;

namespace {

std::shared_ptr<Book> FindBook(Server& server, const std::string& name) {
  for (const auto& book : server.books) {
    if (book->name == name) return book;
  }
  throw std::logic_error("no open workbook " + name);
}

}  // namespace

SimExcel::SimExcel(std::shared_ptr<CallLog> log) : server_(std::make_shared<Server>()) {
  server_->log = log ? std::move(log) : std::make_shared<CallLog>();
  application_ = std::make_shared<sim_excel_detail::SimApplicationObject>(server_);
}

SimExcel::~SimExcel() = default;

SimWorksheet& SimExcel::AddWorkbook(const std::string& name,
                                    const std::vector<std::string>& sheetNames) {
  auto book = std::make_shared<Book>();
  book->name = name;
  for (const auto& sheet : sheetNames)
    book->sheets.push_back(std::make_shared<SimWorksheet>(sheet));
  if (book->sheets.empty()) book->sheets.push_back(std::make_shared<SimWorksheet>("Sheet1"));
  server_->books.push_back(book);
  return *book->sheets.front();
}

void SimExcel::ActivateWorkbook(const std::string& name) {
  auto book = FindBook(*server_, name);
  auto& books = server_->books;
  books.erase(std::find(books.begin(), books.end(), book));
  books.push_back(book);
}

void SimExcel::ActivateSheet(const std::string& bookName, const std::string& sheet) {
  auto book = FindBook(*server_, bookName);
  for (std::size_t i = 0; i < book->sheets.size(); ++i) {
    if (book->sheets[i]->Name() == sheet) {
      book->active = i;
      return;
    }
  }
  throw std::logic_error("no sheet " + sheet + " in " + bookName);
}

void SimExcel::CloseWorkbook(const std::string& name) {
  auto book = FindBook(*server_, name);
  book->open = false;
  auto& books = server_->books;
  books.erase(std::find(books.begin(), books.end(), book));
}

SimWorksheet& SimExcel::Sheet(const std::string& bookName, const std::string& sheet) {
  auto book = FindBook(*server_, bookName);
  for (const auto& s : book->sheets) {
    if (s->Name() == sheet) return *s;
  }
  throw std::logic_error("no sheet " + sheet + " in " + bookName);
}

SimWorksheet& SimExcel::ActiveSheet() {
  Book* front = server_->Front();
  if (front == nullptr) throw std::logic_error("no workbook is open");
  return *front->sheets[front->active];
}

void SimExcel::Start(SimPlatform& platform, WindowHandle window, bool minimized) {
  server_->running = true;
  window_ = window;
  platform.RegisterClass(kProgId, kClassId);
  platform.SetRunningObject(kClassId, application_);
  platform.AddWindow(window, kWindowClass, minimized);
}

void SimExcel::Quit(SimPlatform& platform) {
  // The objects handed out so far keep the old server, which is gone for good; a later
  // Start is a new instance of the application with the same workbooks.
  auto next = std::make_shared<Server>(*server_);
  server_->running = false;
  next->running = false;
  server_ = next;
  application_ = std::make_shared<sim_excel_detail::SimApplicationObject>(server_);
  platform.RemoveRunningObject(kClassId);
  if (window_ != 0) platform.RemoveWindow(window_);
  window_ = 0;
}

bool SimExcel::Running() const {
  return server_->running;
}

std::shared_ptr<ExcelApplication> SimExcel::Application() {
  return application_;
}

void SimExcel::FailAt(const std::string& member, int k, const std::string& text) {
  server_->fails[member][server_->calls[member] + k] = text;
}

CallLog& SimExcel::Log() {
  return *server_->log;
}

}  // namespace vensa
