#include "state/target_cad_list.h"

#include <filesystem>

#include "core/error.h"
#include "core/file_io.h"
#include "core/text.h"

namespace vensa {

TargetEntry SplitTargetEntry(std::string_view line) {
  const size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return {"", std::string(line)};
  return {std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
}

std::string JoinTargetEntry(std::string_view name, std::string_view progId) {
  std::string line(name);
  line += '\t';
  line += progId;
  return line;
}

namespace {

// Position of the TAB that starts a match of the ProgID, or npos.
size_t MatchingTab(std::string_view line, std::string_view progId) {
  const std::string needle = "\t" + std::string(progId);
  return line.find(needle);
}

}  // namespace

bool EntryMatchesProgId(std::string_view line, std::string_view progId) {
  return MatchingTab(line, progId) != std::string_view::npos;
}

TargetCadList ParseTargetCadList(std::string_view bytes) {
  DecodedText decoded = DecodeText(bytes);
  return {SplitLines(decoded.text), decoded.encoding};
}

std::string TargetCadListBytes(const TargetCadList& list) {
  std::string text;
  for (const std::string& line : list.lines) {
    text += LineBreaksToBlanks(line);
    text += "\r\n";
  }
  TextEncoding encoding = list.encoding;
  if (encoding == TextEncoding::Ansi && !FitsAnsi(text)) encoding = TextEncoding::Utf8Bom;
  return EncodeText(text, encoding);
}

std::optional<TargetCadList> ReadTargetCadList(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  return ParseTargetCadList(ReadFileBytes(path, {kTargetCadListMaxFileBytes, "CAD の一覧"}));
}

void WriteTargetCadList(const std::string& path, const TargetCadList& list) {
  SaveFileAtomically(path, TargetCadListBytes(list));
}

std::string TargetCadListPathForExecutable(std::string_view executablePath) {
  const std::filesystem::path folder = PathFromUtf8(executablePath).parent_path();
  return PathToUtf8(folder / PathFromUtf8(kTargetCadListFileName));
}

std::string TargetCaption(std::string_view name) {
  std::string caption(kApplicationTitle);
  caption += " [ ";
  caption += name;
  caption += " ]";
  return caption;
}

bool ApplyTargetName(FormState& state, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const size_t p = MatchingTab(line, state.TargetProgID);
    if (p == std::string::npos) continue;
    const std::string name = line.substr(0, p);
    state.Caption = TargetCaption(name);
    state.Edit35.text = name;
    state.Edit36.text = line.substr(p + 1);
    return true;
  }
  return false;
}

bool LookUpTargetName(FormState& state, const std::string& listPath) {
  try {
    const auto list = ReadTargetCadList(listPath);
    return list && ApplyTargetName(state, list->lines);
  } catch (const FileReadError&) {
    return false;  // start-up reports nothing; the caption stays as it is
  }
}

}  // namespace vensa
