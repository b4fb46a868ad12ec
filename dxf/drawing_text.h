// The texts of a drawing file (layer names, text strings) as UTF-8. Drawings of the
// 2007 format on store UTF-8; older ones store the code page their header names
// ($DWGCODEPAGE, "ANSI_932"), the system's ANSI code page when it names none or one the
// system does not know. Either may hold "\U+XXXX" for a character outside the code page,
// older ones "\M+nXXXX" for a double-byte character of an East Asian code page.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vensa {

class DrawingTextDecoder {
 public:
  // `version` is the header's $ACADVER ("AC1009" ... "AC1032"), `codePage` its
  // $DWGCODEPAGE; both may be empty.
  DrawingTextDecoder(std::string_view version, std::string_view codePage);

  std::string Decode(std::string_view raw) const;
  // Decode for layer names: a drawing names a few layers over and over, so their
  // decoded text is kept (up to a bound, for drawings of very many layers).
  const std::string& DecodeLayer(std::string_view raw) const;

 private:
  mutable std::unordered_map<std::string, std::string> layers_;
  static constexpr std::size_t kFirstLayers = 8;
  mutable std::vector<std::pair<std::string, std::string>> firstLayers_;  // raw, decoded
  mutable std::string uncached_;
  bool utf8_;
  unsigned codePage_;  // 0: the system's ANSI code page
};

}  // namespace vensa
