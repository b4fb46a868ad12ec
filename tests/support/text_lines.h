// Golden-text checks for the files the system writes (DXF, SIMA, INI): the text is cut at
// CR LF and compared line by line, so a failure names the first line that differs.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vensa::test {

// The lines of a text in which every line ends in CR LF; a lone CR or LF, or a last line
// without its CR LF, fails the test that asked.
inline std::vector<std::string> CrLfLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      start = i + 2;
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      ADD_FAILURE() << "lone line break in line " << lines.size() + 1;
    }
  }
  if (start != text.size())
    ADD_FAILURE() << "the last line has no CR LF: \"" << text.substr(start) << "\"";
  return lines;
}

// The lines joined with CR LF after each, as the files the system writes have them.
inline std::string CrLfText(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// Lines [from, from + expected.size()) of the text against the expected lines; with
// `whole`, the text must also end there.
inline ::testing::AssertionResult LinesAre(std::string_view text,
                                           const std::vector<std::string>& expected,
                                           std::size_t from = 0, bool whole = true) {
  const std::vector<std::string> lines = CrLfLines(text);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (from + i >= lines.size()) {
      return ::testing::AssertionFailure()
             << "text ends after line " << lines.size() << ", expected line " << from + i + 1
             << " \"" << expected[i] << "\"";
    }
    if (lines[from + i] != expected[i]) {
      return ::testing::AssertionFailure()
             << "line " << from + i + 1 << ": expected \"" << expected[i] << "\", got \""
             << lines[from + i] << "\"";
    }
  }
  if (whole && lines.size() != from + expected.size()) {
    return ::testing::AssertionFailure()
           << "text has " << lines.size() << " lines, expected " << from + expected.size()
           << "; line " << from + expected.size() + 1 << " is \"" << lines[from + expected.size()]
           << "\"";
  }
  return ::testing::AssertionSuccess();
}

inline void ExpectSameLines(std::string_view text, const std::vector<std::string>& expected) {
  EXPECT_TRUE(LinesAre(text, expected));
}

}  // namespace vensa::test
