#include "core/grid_text.h"

#include "core/text.h"

namespace vensa {

std::string GridClipboardText(const TextGrid& grid, const GridRect& block) {
  std::string text;
  for (int r = block.top; r <= block.bottom; ++r) {
    for (int c = block.left; c <= block.right; ++c) {
      if (c > block.left) text += '\t';
      text += grid.Cell(c, r);
    }
    text += "\r\n";
  }
  return text;
}

std::vector<std::vector<std::string>> ParseGridClipboardText(std::string_view text) {
  std::vector<std::vector<std::string>> lines;
  if (FirstLineThatIsNoText(text) != 0) return lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos;
       start = end + 2) {
    const std::string_view line = text.substr(start, end - start);
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string_view::npos; from = tab + 1)
      fields.emplace_back(line.substr(from, tab - from));
    fields.emplace_back(line.substr(from));
    lines.push_back(std::move(fields));
  }
  return lines;
}

}  // namespace vensa
