#include "sima/sima_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "core/coord_list.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/text.h"
#include "sima/sima_parcels.h"
#include "sima/sima_record.h"

namespace vensa {
namespace {

void RequireColumns(const TextGrid& readList, const TextGrid& coordList) {
  if (readList.ColCount() < kSimaColumnCount || coordList.ColCount() < kCoordColumnCount)
    throw std::invalid_argument("the SIMA read list needs 6 columns and the coordinate list 5");
}

// One coordinate of the transfer: with "×1000" the number times 1000 in general form
// (text that is no number counts as 0), otherwise the text itself; either way without
// the blanks that pad fixed-width fields, and an empty field stays empty. Assigning into
// the existing cell reuses its storage.
void TransferCoordinate(std::string& cell, std::string_view field, bool scale1000) {
  const std::string_view text = TrimBlanks(field);
  if (!scale1000 || text.empty()) {
    cell.assign(text);
    return;
  }
  cell.clear();
  AppendG15(cell, ReadNumberCell(text) * 1000.0);
}

// Columns 0 to 3 of a coordinate list row from fields 2 to 5 of a point record.
void TransferPoint(const SimaReadOptions& options, std::string_view name, std::string_view x,
                   std::string_view y, std::string_view z, const MutableGridRow& row) {
  // Field files pad names to 20 characters; the blanks are no part of the name, and a
  // name kept with them would sort as if it had no number ("FK12863   " is number 0).
  row[kColName].assign(TrimBlanks(name));
  TransferCoordinate(row[kColX], options.swapXY ? y : x, options.scale1000);
  TransferCoordinate(row[kColY], options.swapXY ? x : y, options.scale1000);
  TransferCoordinate(row[kColZ], z, options.scale1000);
}

// "×1000" of a number beyond a tenth of the largest one gives no number at all; it is
// refused rather than written as something else. `where` names the record.
void RequireScalable(std::string_view text, bool scale1000, const std::string& where) {
  if (!scale1000) return;
  const std::optional<double> value = TryReadNumber(text);
  if (value && !std::isfinite(*value * 1000.0))
    throw SimaRefusedError(where + "の座標 \"" + std::string(TrimBlanks(text)) +
                           "\" は ×1000 で数値の範囲を超えます。");
}

std::string LineName(std::int64_t line) {
  return std::to_string(line) + " 行目";
}

// Counts the coordinates of a point taken that are text but no number, and refuses one
// that "×1000" cannot hold.
void CheckCoordinates(const SimaPointFields& f, std::int64_t line, bool scale1000,
                      SimaReadResult& result) {
  for (int col : {kSimaColX, kSimaColY, kSimaColZ}) {
    const std::string_view text = TrimBlanks(f[static_cast<std::size_t>(col)]);
    if (text.empty()) continue;
    if (!TryReadNumber(text)) {
      if (result.notNumbers++ == 0) result.firstNotNumberLine = line;
      continue;
    }
    RequireScalable(text, scale1000, LineName(line));
  }
}

// A point record the lists take: a point with X or Y. One with neither carries no point
// at all; keeping it would only cost two list rows.
bool TakesPoint(std::string_view line, SimaPointFields& fields) {
  return SplitSimaPointRecord(line, fields) &&
         (!TrimBlanks(fields[kSimaColX]).empty() || !TrimBlanks(fields[kSimaColY]).empty());
}

// The records every SIMA file has around its points; they carry nothing to keep.
bool IsFrameRecord(std::string_view code) {
  return code == "G00" || code == "Z00" || code == kSimaDataStartCode || code == kSimaDataEndCode;
}

// What keeping one point costs: a row of six texts in the read list and one of five in
// the coordinate list, plus the storage of texts too long to be held in place (counted
// twice: most of them are copied into the coordinate list).
constexpr std::uintmax_t kPointBytes = 448;
constexpr std::uintmax_t kParcelRecordBytes = 256;  // a parcel or a corner with its lookup
constexpr std::size_t kShortText = 15;

std::uintmax_t KeptBytes(const SimaPointFields& fields) {
  std::uintmax_t bytes = kPointBytes;
  for (std::string_view field : fields)
    if (field.size() > kShortText) bytes += 2 * (field.size() + 32);
  return bytes;
}

// Calls `onLine` for every line of the text with its number from 1; lines end at CR LF,
// LF or CR, and text after the last line end is a line too. Finding the ends with
// memchr keeps a huge line, or a file of a million short ones, a single linear pass.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  // Next CR and next LF at or after the current position (end when there is none).
  auto findFrom = [end](const char* from, char c) {
    const void* p = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return p != nullptr ? static_cast<const char*>(p) : end;
  };
  const char* pos = begin;
  const char* nextCr = findFrom(pos, '\r');
  const char* nextLf = findFrom(pos, '\n');
  std::int64_t number = 0;
  while (pos < end) {
    if (nextCr < pos) nextCr = findFrom(pos, '\r');
    if (nextLf < pos) nextLf = findFrom(pos, '\n');
    const char* lineEnd = nextCr < nextLf ? nextCr : nextLf;
    onLine(std::string_view(pos, static_cast<std::size_t>(lineEnd - pos)), ++number);
    if (lineEnd == end) break;
    pos = lineEnd + 1;
    if (*lineEnd == '\r' && pos < end && *pos == '\n') ++pos;
  }
}

}  // namespace

std::string SimaReadSummary(const SimaReadResult& result) {
  std::string text = "SIMA: " + std::to_string(result.pointCount) + " 点";
  if (!result.parcels.empty()) text += "、画地 " + std::to_string(result.parcels.size());
  auto count = [&text](const char* what, std::int64_t n, std::int64_t line) {
    if (n == 0) return;
    text += "、";
    text += what;
    text += " " + std::to_string(n) + " (最初は " + LineName(line) + ")";
  };
  count("読み飛ばした行", result.skippedLines, result.firstSkippedLine);
  count("数値でない座標", result.notNumbers, result.firstNotNumberLine);
  count("見つからない画地の点", result.missingCorners, result.firstMissingCornerLine);
  return text;
}

SimaReadResult LoadSimaBytes(std::string_view bytes, const SimaReadOptions& options,
                             TextGrid& readList, TextGrid& coordList) {
  RequireColumns(readList, coordList);
  SimaReadResult result;
  // Plain ASCII, the common case, reads the same in every encoding: it is parsed where it
  // lies instead of being copied first.
  DecodedText decoded;
  std::string_view text = bytes;
  if (!IsAscii(bytes)) {
    decoded = DecodeText(bytes);
    text = decoded.text;
  }
  result.encoding = decoded.encoding;

  // The first pass counts the points so that both lists are sized once (the rows they
  // gain start empty, which is what the row-by-row overwrite would leave as well), checks
  // their coordinates and collects the parcels; nothing changes until it has passed.
  const std::uintmax_t allowed =
      std::max<std::uintmax_t>(kSimaKeptBytesPerByte * bytes.size(), kSimaMinKeptBytes);
  std::uintmax_t kept = 0;
  SimaPointFields fields;
  SimaParcelCollector parcels;
  std::int64_t points = 0;
  ForEachLine(text, [&](std::string_view line, std::int64_t number) {
    std::uintmax_t cost = 0;
    if (TakesPoint(line, fields)) {
      ++points;
      CheckCoordinates(fields, number, options.scale1000, result);
      cost = KeptBytes(fields);
    } else {
      const std::string_view code = TrimBlanks(line.substr(0, line.find(',')));
      if (IsFrameRecord(code) || TrimBlanks(line).empty()) return;
      if (parcels.Take(code, line, number)) {
        cost = kParcelRecordBytes + line.size();
      } else {
        if (result.skippedLines++ == 0) result.firstSkippedLine = number;
        return;
      }
    }
    kept += cost;
    if (kept > allowed)
      throw SimaRefusedError("点と画地が多すぎて読み込めません (" + LineName(number) +
                             "で上限に達しました)。");
  });
  if (points >= std::numeric_limits<int>::max())
    throw std::length_error("a SIMA text of more than 2147483646 point records");
  result.pointCount = static_cast<int>(points);

  if (points == 0) {
    readList.SetRowCount(2);
    coordList.SetRowCount(2);
    for (auto& cell : readList.MutableRow(1)) cell.clear();
    for (auto& cell : coordList.MutableRow(1)) cell.clear();
    RenumberPlotNo(coordList);
    result.parcels = parcels.Resolve(readList, result);
    return result;
  }

  readList.SetRowCount(result.pointCount + 1);
  coordList.SetRowCount(result.pointCount + 1);
  int row = 1;
  ForEachLine(text, [&](std::string_view line, std::int64_t) {
    if (!TakesPoint(line, fields)) return;
    const MutableGridRow simaRow = readList.MutableRow(row);
    for (int f = 0; f < kSimaColumnCount; ++f) simaRow[f].assign(fields[f]);
    TransferPoint(options, fields[kSimaColName], fields[kSimaColX], fields[kSimaColY],
                  fields[kSimaColZ], coordList.MutableRow(row));
    ++row;
  });
  RenumberPlotNo(coordList);
  result.parcels = parcels.Resolve(readList, result);
  return result;
}

SimaReadResult ReadSimaFile(const std::string& path, const SimaReadOptions& options,
                            TextGrid& readList, TextGrid& coordList) {
  RequireColumns(readList, coordList);
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(PathFromUtf8(path), ec);
  if (!ec && size > kSimaMaxFileBytes)
    throw FileReadError(path, "SIMA ファイルとしては大きすぎます（1 GB まで）。");
  // Reading can fail; nothing is touched until the whole file is in memory.
  const std::string bytes = ReadFileBytes(path);
  try {
    return LoadSimaBytes(bytes, options, readList, coordList);
  } catch (const SimaRefusedError& e) {
    throw FileReadError(path, e.what());
  }
}

void TransferSimaReadList(const SimaReadOptions& options, const TextGrid& readList,
                          TextGrid& coordList) {
  if (coordList.ColCount() < kCoordColumnCount)
    throw std::invalid_argument("the coordinate list needs 5 columns");
  if (!readList.Cell(kSimaColX, 1).empty() && !readList.Cell(kSimaColY, 1).empty()) {
    // Every row is checked before the first one changes.
    for (int r = 1; r < readList.RowCount(); ++r) {
      if (readList.Cell(kSimaColX, r).empty() || readList.Cell(kSimaColY, r).empty()) break;
      for (int col : {kSimaColX, kSimaColY, kSimaColZ})
        RequireScalable(readList.Cell(col, r), options.scale1000,
                        "SIMA 読込リストの " + std::to_string(r) + " 行目");
    }
    coordList.SetRowCount(readList.RowCount());
    for (int r = 1; r < readList.RowCount(); ++r) {
      const std::string_view x = readList.Cell(kSimaColX, r);
      const std::string_view y = readList.Cell(kSimaColY, r);
      if (x.empty() || y.empty()) break;
      TransferPoint(options, readList.Cell(kSimaColName, r), x, y, readList.Cell(kSimaColZ, r),
                    coordList.MutableRow(r));
    }
  }
  RenumberPlotNo(coordList);
}

}  // namespace vensa
