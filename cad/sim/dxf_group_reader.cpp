#include "cad/sim/dxf_group_reader.h"

#include "core/number_read.h"
#include "core/text.h"

namespace vensa {

namespace {

std::string LineText(int line) {
  return std::to_string(line) + " 行目";
}

}  // namespace

std::vector<DxfGroup> ReadDxfGroups(std::string_view text) {
  std::vector<std::string> lines = SplitLines(text);
  if (lines.size() % 2 != 0) {
    throw DxfReadError("DXF: " + LineText(static_cast<int>(lines.size())) +
                       " のグループコードに値の行がありません");
  }
  std::vector<DxfGroup> groups;
  groups.reserve(lines.size() / 2);
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    const int lineNo = static_cast<int>(i) + 1;
    std::optional<std::int32_t> code = TryReadInteger(TrimBlanks(lines[i]));
    if (!code) {
      throw DxfReadError("DXF: " + LineText(lineNo) + " はグループコードではありません: \"" +
                         lines[i] + "\"");
    }
    groups.push_back(DxfGroup{*code, std::move(lines[i + 1]), lineNo});
  }
  return groups;
}

double GroupNumber(const DxfGroup& group) {
  std::optional<double> number = TryReadNumber(group.value);
  if (!number) {
    throw DxfReadError("DXF: " + LineText(group.line + 1) + " (グループ " +
                       std::to_string(group.code) + ") は数値ではありません: \"" + group.value +
                       "\"");
  }
  return *number;
}

int GroupInteger(const DxfGroup& group) {
  std::optional<std::int32_t> number = TryReadInteger(TrimBlanks(group.value));
  if (!number) {
    throw DxfReadError("DXF: " + LineText(group.line + 1) + " (グループ " +
                       std::to_string(group.code) + ") は整数ではありません: \"" + group.value +
                       "\"");
  }
  return *number;
}

}  // namespace vensa
