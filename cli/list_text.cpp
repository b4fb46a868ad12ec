#include "cli/list_text.h"

#include "core/coord_list.h"
#include "core/encoding.h"
#include "core/text.h"

namespace vensa::cli {

TextGrid ReadListText(std::string_view bytes) {
  const std::vector<std::string> lines = SplitLines(DecodeText(bytes).text);
  TextGrid list = TextGrid::WithHeaders(CoordListHeaders(), static_cast<int>(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view rest = lines[i];
    for (int col = kColName; col <= kColZ; ++col) {
      const std::size_t tab = rest.find('\t');
      list.SetCell(col, static_cast<int>(i) + 1, std::string(rest.substr(0, tab)));
      if (tab == std::string_view::npos) break;
      rest.remove_prefix(tab + 1);
    }
  }
  RenumberPlotNo(list);
  return list;
}

}  // namespace vensa::cli
