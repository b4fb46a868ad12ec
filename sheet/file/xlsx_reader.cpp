#include "sheet/file/xlsx_reader.h"

#include <cmath>
#include <map>
#include <vector>

#include "core/number_read.h"
#include "core/text.h"
#include "sheet/file/package_xml.h"

namespace vensa {

namespace {

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The folder of a part name ("xl/workbook.xml" -> "xl/").
std::string FolderOf(const std::string& part) {
  const std::size_t slash = part.rfind('/');
  return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// A relationship's target as a part name: absolute from the package root when it starts
// with "/", otherwise relative to the folder of the part it belongs to; "." and ".."
// steps resolved.
std::string ResolvePart(const std::string& folder, const std::string& target) {
  const std::string joined =
      !target.empty() && target[0] == '/' ? target.substr(1) : folder + target;
  std::vector<std::string> steps;
  std::size_t start = 0;
  while (start <= joined.size()) {
    std::size_t slash = joined.find('/', start);
    if (slash == std::string::npos) slash = joined.size();
    const std::string step = joined.substr(start, slash - start);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    start = slash + 1;
  }
  std::string part;
  for (const std::string& step : steps) part += (part.empty() ? "" : "/") + step;
  return part;
}

// The relationships of a part: id -> target part, and the target of the first
// relationship of each type wanted.
struct Relationships : XmlPartHandler {
  explicit Relationships(std::string folder) : folder(std::move(folder)) {}
  std::string folder;
  std::map<std::string, std::string> targets;
  std::string officeDocument;
  std::string sharedStrings;

  void Start(std::string_view name, const char** attributes) override {
    if (name != "Relationship") return;
    const char* id = XmlAttribute(attributes, "Id");
    const char* type = XmlAttribute(attributes, "Type");
    const char* target = XmlAttribute(attributes, "Target");
    const char* mode = XmlAttribute(attributes, "TargetMode");
    if (!target || (mode && std::string_view(mode) == "External")) return;
    const std::string part = ResolvePart(folder, target);
    if (id) targets.emplace(id, part);
    if (type && EndsWith(type, "/officeDocument") && officeDocument.empty()) officeDocument = part;
    if (type && EndsWith(type, "/sharedStrings") && sharedStrings.empty()) sharedStrings = part;
  }
  void End(std::string_view) override {}
  void Text(std::string_view) override {}
};

// The first sheet the workbook lists: its name and relationship id.
struct FirstSheet : XmlPartHandler {
  std::string name;
  std::string relationship;
  bool found = false;

  void Start(std::string_view element, const char** attributes) override {
    if (element != "sheet" || found) return;
    found = true;
    if (const char* n = XmlAttribute(attributes, "name")) name = n;
    if (const char* id = XmlAttribute(attributes, "id")) relationship = id;
  }
  void End(std::string_view) override {}
  void Text(std::string_view) override {}
};

// The shared strings: each <si> is the text of its <t> runs; phonetic guides (<rPh>, the
// reading of Japanese names) are no part of the text.
struct SharedStrings : XmlPartHandler {
  // Each held once however many cells name it.
  std::vector<SheetValue::SharedString> strings;
  std::size_t bytes = 0;
  std::string current;
  int phonetic = 0;
  bool inText = false;

  void Start(std::string_view name, const char**) override {
    if (name == "si") current.clear();
    if (name == "rPh") ++phonetic;
    if (name == "t") inText = phonetic == 0;
  }
  void End(std::string_view name) override {
    if (name == "t") inText = false;
    if (name == "rPh") --phonetic;
    if (name != "si") return;
    if (strings.size() >= FileWorksheet::kMaxCells)
      throw PackageError("共有文字列が多すぎます (" + std::to_string(FileWorksheet::kMaxCells) +
                         " まで)。");
    bytes += current.size();
    if (bytes > FileWorksheet::kMaxTextBytes)
      throw PackageError("共有文字列が多すぎます (" +
                         std::to_string(FileWorksheet::kMaxTextBytes >> 20) + " MB まで)。");
    strings.push_back(std::make_shared<const std::string>(std::move(current)));
    current.clear();
  }
  void Text(std::string_view text) override {
    if (inText) current += text;
  }
};

// A cell reference ("AB12") as row and column; false when it is none or lies outside
// the worksheet.
bool ParseReference(std::string_view ref, int& row, int& column) {
  std::size_t i = 0;
  long long c = 0, r = 0;
  for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z'; ++i) {
    c = c * 26 + (ref[i] - 'A' + 1);
    if (c > FileWorksheet::kMaxColumn) return false;
  }
  if (i == 0 || i == ref.size()) return false;
  for (; i < ref.size(); ++i) {
    if (ref[i] < '0' || ref[i] > '9') return false;
    r = r * 10 + (ref[i] - '0');
    if (r > FileWorksheet::kMaxRow) return false;
  }
  if (r < 1) return false;
  row = static_cast<int>(r);
  column = static_cast<int>(c);
  return true;
}

// The cells of the sheet part.
struct SheetCells : XmlPartHandler {
  SheetCells(FileWorksheet& sheet, const std::vector<SheetValue::SharedString>& strings,
             std::string part)
      : sheet(sheet), strings(strings), part(std::move(part)) {}
  FileWorksheet& sheet;
  const std::vector<SheetValue::SharedString>& strings;
  std::string part;

  bool inData = false;
  int row = 0;     // the row being read
  int column = 0;  // the cell being read, or the last one of the row
  std::string type;
  std::string reference;
  std::string value;    // of <v>
  std::string inline_;  // of <is>
  bool inValue = false, inInline = false, inText = false;
  int phonetic = 0;

  [[noreturn]] void Fail(const std::string& what) const {
    throw PackageError(QuotedExcerpt(part) + " の" + what + "。");
  }

  void Start(std::string_view name, const char** attributes) override {
    if (name == "sheetData") inData = true;
    if (!inData) return;
    if (name == "row") {
      const char* r = XmlAttribute(attributes, "r");
      int at = row + 1;
      if (r) {
        const std::optional<std::int32_t> n = TryReadInteger(r);
        if (!n || *n < 1 || *n > FileWorksheet::kMaxRow)
          Fail("行番号 \"" + QuotedExcerpt(r) + "\" が正しくありません");
        at = *n;
      }
      if (at > FileWorksheet::kMaxRow) Fail("行がワークシートに収まりません");
      row = at;
      column = 0;
    } else if (name == "c") {
      const char* r = XmlAttribute(attributes, "r");
      const char* t = XmlAttribute(attributes, "t");
      type = t ? t : "n";
      reference = r ? r : "";
      if (r) {
        int cellRow = 0;
        if (!ParseReference(r, cellRow, column))
          Fail("セル参照 \"" + QuotedExcerpt(reference) + "\" が正しくありません");
        row = cellRow;
      } else {
        if (row == 0) row = 1;
        if (++column > FileWorksheet::kMaxColumn) Fail("列がワークシートに収まりません");
      }
      value.clear();
      inline_.clear();
    } else if (name == "v") {
      inValue = true;
    } else if (name == "is") {
      inInline = true;
    } else if (name == "rPh") {
      ++phonetic;
    } else if (name == "t") {
      inText = inInline && phonetic == 0;
    }
  }

  void End(std::string_view name) override {
    if (name == "sheetData") inData = false;
    if (name == "v") inValue = false;
    if (name == "is") inInline = false;
    if (name == "t") inText = false;
    if (name == "rPh") --phonetic;
    if (name == "c" && inData) PutCell();
  }

  void Text(std::string_view text) override {
    if (inValue) value += text;
    if (inText) inline_ += text;
  }

  void PutCell() {
    SheetValue cell;
    if (type == "s") {
      if (value.empty()) return;
      const std::optional<std::int32_t> index = TryReadInteger(value);
      if (!index || *index < 0 || static_cast<std::size_t>(*index) >= strings.size())
        Fail("共有文字列の番号 \"" + QuotedExcerpt(value) + "\" が範囲外です");
      cell = SheetValue::Text(strings[static_cast<std::size_t>(*index)]);
    } else if (type == "inlineStr") {
      cell = SheetValue::Text(inline_);
    } else if (type == "str" || type == "e" || type == "d") {
      if (value.empty() && type != "str") return;
      cell = SheetValue::Text(value);
    } else if (type == "b") {
      if (value.empty()) return;
      cell = SheetValue::Text(value == "0" ? "FALSE" : "TRUE");
    } else {
      if (value.empty()) return;
      const std::optional<double> number = TryReadNumber(value);
      if (!number || !std::isfinite(*number))
        Fail("セル " + QuotedExcerpt(reference) + " の数値 \"" + QuotedExcerpt(value) +
             "\" が正しくありません");
      cell = SheetValue::Number(*number);
    }
    sheet.Put(row, column, std::move(cell));
  }
};

FileWorksheet ReadPackage(std::string_view bytes) {
  ZipPackage package(bytes);
  Relationships root("");
  package.ReadXmlPart("_rels/.rels", root);
  const std::string workbook =
      root.officeDocument.empty() ? "xl/workbook.xml" : root.officeDocument;
  FirstSheet first;
  if (!package.ReadXmlPart(workbook, first))
    throw PackageError("ブックの部品 " + QuotedExcerpt(workbook) +
                       " がありません (XLSX ではありません)。");
  if (!first.found) throw PackageError("ブックにワークシートがありません。");
  const std::string folder = FolderOf(workbook);
  Relationships links(folder);
  const std::string linksPart = folder + "_rels/" + workbook.substr(folder.size()) + ".rels";
  if (!package.ReadXmlPart(linksPart, links))
    throw PackageError("ブックの部品 " + QuotedExcerpt(linksPart) + " がありません。");
  const auto target = links.targets.find(first.relationship);
  if (target == links.targets.end())
    throw PackageError("ブックの最初のワークシート \"" + QuotedExcerpt(first.name) +
                       "\" の部品がありません。");
  SharedStrings strings;
  if (!links.sharedStrings.empty()) package.ReadXmlPart(links.sharedStrings, strings);
  FileWorksheet sheet(first.name.empty() ? "Sheet1" : first.name);
  SheetCells cells(sheet, strings.strings, target->second);
  if (!package.ReadXmlPart(target->second, cells))
    throw PackageError("ブックの部品 " + QuotedExcerpt(target->second) + " がありません。");
  return sheet;
}

}  // namespace

FileWorksheet ReadXlsx(std::string_view bytes, const std::string& path) {
  try {
    return ReadPackage(bytes);
  } catch (const PackageError& e) {
    throw FileReadError(path, e.what());
  } catch (const SheetLimitError& e) {
    throw FileReadError(path, e.what());
  }
}

}  // namespace vensa
