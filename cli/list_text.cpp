#include "cli/list_text.h"

#include <algorithm>

#include "core/coord_list.h"
#include "core/encoding.h"
#include "core/error.h"
#include "core/text.h"

namespace vensa::cli {
namespace {

// Lines as SplitLines cuts them, counted without making them.
std::size_t LineCount(std::string_view text) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    ++lines;
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  const char last = text.empty() ? '\n' : text.back();
  return lines + (last != '\r' && last != '\n' ? 1 : 0);
}

std::string Named(const std::string& name) {
  return name.empty() ? std::string() : ": " + name;
}

}  // namespace

TextGrid ReadListText(std::string_view bytes, const std::string& name) {
  const DecodedText decoded = DecodeText(bytes);
  if (const std::size_t bad = FirstLineThatIsNoText(decoded)) {
    throw VensaError("not a text of rows (line " + std::to_string(bad) + ")" + Named(name));
  }
  const std::string_view text = decoded.text;
  const std::size_t rows = LineCount(text);
  if (rows > static_cast<std::size_t>(kListTextMaxRows)) {
    throw VensaError("座標リストの行が多すぎます (" + std::to_string(kListTextMaxRows) +
                     " 行まで)" + Named(name));
  }
  TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), static_cast<int>(rows));
  std::size_t start = 0;
  for (int row = 1; row <= static_cast<int>(rows); ++row) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    std::string_view rest = text.substr(start, end - start);
    for (int col = kColName; col <= kColZ; ++col) {
      const std::size_t tab = rest.find('\t');
      list.SetCell(col, row, std::string(rest.substr(0, tab)));
      if (tab == std::string_view::npos) break;
      rest.remove_prefix(tab + 1);
    }
    start = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
  }
  RenumberPlotNo(list);
  return list;
}

}  // namespace vensa::cli
