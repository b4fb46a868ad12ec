#include "dxf/dxf_group_reader.h"

#include <cmath>
#include <optional>

#include "core/number_read.h"
#include "core/text.h"

namespace vensa {

namespace {

std::string LineText(int line) {
  return std::to_string(line) + " 行目";
}

double NumberOf(int code, std::string_view value, int line) {
  std::optional<double> number = TryReadNumber(value);
  // "inf" and "nan" read as numbers, but no drawing holds such a coordinate.
  if (!number || !std::isfinite(*number)) {
    throw DxfReadError("DXF: " + LineText(line + 1) + " (グループ " + std::to_string(code) +
                       ") は数値ではありません: " + QuotedDxfLine(value));
  }
  return *number;
}

int IntegerOf(int code, std::string_view value, int line) {
  std::optional<std::int32_t> number = TryReadInteger(TrimBlanks(value));
  if (!number) {
    throw DxfReadError("DXF: " + LineText(line + 1) + " (グループ " + std::to_string(code) +
                       ") は整数ではありません: " + QuotedDxfLine(value));
  }
  return *number;
}

// The usual code line, digits right-aligned after blanks ("  0", " 10", "330"), read
// without the general number reader; nothing for anything else, which the general reader
// then judges.
std::optional<std::int32_t> FastGroupCode(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  if (i == line.size() || line.size() - i > 6) return std::nullopt;
  std::int32_t code = 0;
  for (; i < line.size(); ++i) {
    const char c = line[i];
    if (c < '0' || c > '9') return std::nullopt;
    code = code * 10 + (c - '0');
  }
  return code;
}

}  // namespace

std::string QuotedDxfLine(std::string_view line) {
  std::string shown(line.substr(0, 40));
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  if (!IsValidUtf8(shown)) {
    for (char& c : shown) {
      if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    }
  }
  return "\"" + shown + "\"";
}

bool DxfGroupScanner::NextLine(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const char* begin = text_.data() + pos_;
  const char* end = text_.data() + text_.size();
  // Lines of a drawing are a few bytes long: a plain look at each byte beats setting up
  // block searches for each line. A CR that is not part of a CR LF ends the line too.
  const char* p = begin;
  while (p != end && *p != '\n' && *p != '\r') ++p;
  line = std::string_view(begin, static_cast<std::size_t>(p - begin));
  if (p != end) p += *p == '\r' && p + 1 != end && p[1] == '\n' ? 2 : 1;
  pos_ = static_cast<std::size_t>(p - text_.data());
  ++line_;
  return true;
}

bool DxfGroupScanner::Next(DxfGroupView& group) {
  std::string_view codeLine;
  if (!NextLine(codeLine)) return false;
  const int codeLineNo = line_;
  std::optional<std::int32_t> code = FastGroupCode(codeLine);
  if (!code) code = TryReadInteger(TrimBlanks(codeLine));
  if (!code) {
    throw DxfReadError("DXF: " + LineText(codeLineNo) +
                       " はグループコードではありません: " + QuotedDxfLine(codeLine));
  }
  std::string_view value;
  if (!NextLine(value)) {
    throw DxfReadError("DXF: " + LineText(codeLineNo) + " のグループコードに値の行がありません");
  }
  group = DxfGroupView{*code, value, codeLineNo};
  return true;
}

std::vector<DxfGroup> ReadDxfGroups(std::string_view text) {
  std::vector<DxfGroup> groups;
  DxfGroupScanner scanner(text);
  DxfGroupView g;
  while (scanner.Next(g)) groups.push_back(DxfGroup{g.code, std::string(g.value), g.line});
  return groups;
}

double GroupNumber(const DxfGroup& group) {
  return NumberOf(group.code, group.value, group.line);
}

int GroupInteger(const DxfGroup& group) {
  return IntegerOf(group.code, group.value, group.line);
}

double GroupNumber(const DxfGroupView& group) {
  return NumberOf(group.code, group.value, group.line);
}

int GroupInteger(const DxfGroupView& group) {
  return IntegerOf(group.code, group.value, group.line);
}

}  // namespace vensa
