// Checking and saving the SIMA write list ("保存" of the " SIMA/W " tab) as a SIMA file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_grid.h"

namespace vensa {

// What the checks before saving decided.
struct SimaSaveCheck {
  enum class Outcome {
    kNothingToSave,  // too few rows, or row 2 lacks X or Y: stop without a message
    kRejected,       // show every message (confirmation, OK only), then stop
    kReady,          // go on to the save dialog
  };
  Outcome outcome = Outcome::kNothingToSave;
  std::vector<std::string> messages;  // in row order, only when kRejected
};

// The checks of "保存", in this order:
// 1. four rows or fewer, the header counted (fewer than two point records): nothing;
// 2. X or Y (columns 3 and 4) of row 2 empty: nothing (an empty Z is a point without
//    height, saved as an empty field);
// 3. every row w between the "A00" row and the "A99" row (2 .. row count - 2) with an
//    empty point name gives "w 行の測点名が空白です.".
// A field that holds a comma would shift every later field of its record, and a line
// break would split the record, so every cell that saving writes is checked as well:
// "w 行の測点名にカンマが含まれています." (the column's header text without its blank
// names the cell: コード, 点番号, 測点名, X座標, Y座標, Z座標), likewise "…に改行が含まれ
// ています." and, for a character the file's code page cannot hold and would turn into
// "?", "…に保存できない文字が含まれています.". Any message rejects the save.
SimaSaveCheck CheckSimaWriteList(const TextGrid& writeList);

// The save dialog's name with ".sim" appended when its file name has no extension.
std::string SimaSavePath(std::string_view chosenName);

inline constexpr std::string_view kSimaOverwriteQuestion =
    "すでにファイルが存在します．上書きしますか？";

// The question to ask (Yes and No, Yes the default) before saving to `path`, when a file
// of that name exists; unless the answer is Yes, the caller stops.
std::optional<std::string> SimaOverwriteQuestion(const std::string& path);

// The file's lines as UTF-8, every line ended by CR LF: "G00,01,,", the comment record,
// then rows 1 .. row count - 1 of the write list: row 1 and the last row as column 0 and
// a comma, every other row as columns 0 to 5, each followed by a comma. Whatever the list
// holds is written, hand edits included.
std::string BuildSimaFileText(const TextGrid& writeList);

// Writes the file in the ANSI code page (CP932), without byte-order mark, through a
// temporary sibling that replaces `path` only when complete, so an existing file is never
// lost to a failed save. FileCreateError names the file on failure. Saving does not check
// the list; run CheckSimaWriteList first.
//
// "保存" as a whole is SaveSimaWriteList (sima/commands/sima_commands.h).
void SaveSimaFile(const std::string& path, const TextGrid& writeList);

}  // namespace vensa
