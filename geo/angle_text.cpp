#include "geo/angle_text.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/number_read.h"

namespace vensa {
namespace {

// The marks and the characters that stand for ASCII ones, mapped to one byte each: 'd'
// degrees, 'm' minutes, 's' seconds (lower case: ASCII letters are brought to upper case,
// so a typed "S" stays the southern hemisphere), ' ' a separator, digits, '.', '+', '-';
// N S E W for the hemispheres.
struct Replacement {
  std::string_view from;
  char to;
};

constexpr std::array kReplacements = {
    Replacement{"°", 'd'},    Replacement{"º", 'd'},    Replacement{"˚", 'd'},
    Replacement{"度", 'd'},   Replacement{"′", 'm'},    Replacement{"’", 'm'},
    Replacement{"＇", 'm'},   Replacement{"分", 'm'},   Replacement{"″", 's'},
    Replacement{"”", 's'},    Replacement{"＂", 's'},   Replacement{"秒", 's'},
    Replacement{"．", '.'},   Replacement{"－", '-'},   Replacement{"−", '-'},
    Replacement{"＋", '+'},   Replacement{"：", ':'},   Replacement{"　", ' '},
    Replacement{"北緯", 'N'}, Replacement{"南緯", 'S'}, Replacement{"東経", 'E'},
    Replacement{"西経", 'W'}, Replacement{"Ｎ", 'N'},   Replacement{"Ｓ", 'S'},
    Replacement{"Ｅ", 'E'},   Replacement{"Ｗ", 'W'},
};

// The text in one byte per character; nothing for a character of no form.
std::optional<std::string> Normalize(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      if (c == '\'') {
        // Two apostrophes are the seconds' mark of a keyboard without ″.
        if (i + 1 < text.size() && text[i + 1] == '\'') {
          out += 's';
          i += 2;
          continue;
        }
        out += 'm';
      } else if (c == '"') {
        out += 's';
      } else if (c == '\t') {
        out += ' ';
      } else if (c >= 'a' && c <= 'z') {
        out += static_cast<char>(c - 'a' + 'A');
      } else {
        out += static_cast<char>(c);
      }
      ++i;
      continue;
    }
    // Full-width digits U+FF10..U+FF19: EF BC 90..99.
    if (c == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBC) {
      const unsigned char d = static_cast<unsigned char>(text[i + 2]);
      if (d >= 0x90 && d <= 0x99) {
        out += static_cast<char>('0' + (d - 0x90));
        i += 3;
        continue;
      }
    }
    bool replaced = false;
    for (const Replacement& r : kReplacements) {
      if (text.substr(i, r.from.size()) == r.from) {
        out += r.to;
        i += r.from.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) return std::nullopt;
  }
  return out;
}

bool IsDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// An unsigned decimal without exponent: digits, optionally "." and digits.
std::optional<double> ReadPart(std::string_view s, bool fractionAllowed) {
  const std::size_t dot = s.find('.');
  if (dot == std::string_view::npos) {
    if (!IsDigits(s)) return std::nullopt;
  } else {
    if (!fractionAllowed || !IsDigits(s.substr(0, dot)) || !IsDigits(s.substr(dot + 1)))
      return std::nullopt;
  }
  return TryReadNumber(s);
}

std::optional<double> Combine(double degrees, double minutes, double seconds) {
  if (minutes >= 60.0 || seconds >= 60.0) return std::nullopt;
  return degrees + minutes / 60.0 + seconds / 3600.0;
}

// Degrees, minutes and seconds parted by marks or separators: up to three parts, only
// the last with a fraction; a mark says which part it ends.
std::optional<double> ReadParts(std::string_view s) {
  std::array<double, 3> parts{0.0, 0.0, 0.0};
  std::vector<std::string_view> tokens;
  std::vector<char> marks;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= s.size(); ++i) {
    const char c = i < s.size() ? s[i] : ' ';
    if (c == 'd' || c == 'm' || c == 's' || c == ' ' || c == ':' || c == '-') {
      if (i > start) {
        tokens.push_back(s.substr(start, i - start));
        marks.push_back(c == ':' || c == '-' ? ' ' : c);
      } else if (c != ' ') {
        return std::nullopt;  // a mark or separator with no number before it
      }
      start = i + 1;
    }
  }
  if (tokens.empty() || tokens.size() > 3) return std::nullopt;
  int next = 0;  // the part the next unmarked number fills
  for (std::size_t t = 0; t < tokens.size(); ++t) {
    int part = next;
    if (marks[t] == 'd') part = 0;
    if (marks[t] == 'm') part = 1;
    if (marks[t] == 's') part = 2;
    if (part < next || part > 2) return std::nullopt;
    const auto value = ReadPart(tokens[t], t + 1 == tokens.size());
    if (!value) return std::nullopt;
    parts[static_cast<std::size_t>(part)] = *value;
    next = part + 1;
  }
  return Combine(parts[0], parts[1], parts[2]);
}

}  // namespace

std::optional<double> ReadAngleText(std::string_view text) {
  auto normalized = Normalize(text);
  if (!normalized) return std::nullopt;
  std::string_view s = *normalized;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  double sign = 1.0;
  bool signed_ = false;
  auto hemisphere = [&](char c) {
    if (c == 'N' || c == 'E') return 1;
    if (c == 'S' || c == 'W') return -1;
    return 0;
  };
  if (!s.empty() && hemisphere(s.front()) != 0) {
    sign = hemisphere(s.front());
    signed_ = true;
    s.remove_prefix(1);
  } else if (!s.empty() && hemisphere(s.back()) != 0) {
    sign = hemisphere(s.back());
    signed_ = true;
    s.remove_suffix(1);
  }
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    if (signed_) return std::nullopt;
    if (s.front() == '-') sign = -1.0;
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  std::optional<double> value;
  if (s.find_first_of("dms :-") == std::string_view::npos) {
    value = ReadPart(s, true);
    if (value && *value >= 10000.0) {
      // DDDMMSS.sss: the seconds are the last two digits before the point.
      const double whole = std::floor(*value);
      const double seconds = std::fmod(whole, 100.0) + (*value - whole);
      const double minutes = std::fmod(std::floor(whole / 100.0), 100.0);
      value = Combine(std::floor(whole / 10000.0), minutes, seconds);
    }
  } else {
    value = ReadParts(s);
  }
  if (!value) return std::nullopt;
  return sign * *value;
}

}  // namespace vensa
