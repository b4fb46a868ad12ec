#include "sima/sima_reader.h"

#include <cstring>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <system_error>

#include "core/coord_list.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/text.h"
#include "sima/sima_record.h"

namespace vensa {
namespace {

void RequireColumns(const TextGrid& readList, const TextGrid& coordList) {
  if (readList.ColCount() < kSimaColumnCount || coordList.ColCount() < kCoordColumnCount)
    throw std::invalid_argument("the SIMA read list needs 6 columns and the coordinate list 5");
}

// One coordinate of the transfer: with "×1000" the number times 1000 in general form
// (text that is no number counts as 0), otherwise the text itself without the blanks that
// pad fixed-width fields. Assigning into the existing cell reuses its storage.
void TransferCoordinate(std::string& cell, std::string_view field, bool scale1000) {
  if (!scale1000) {
    cell.assign(TrimBlanks(field));
    return;
  }
  cell.clear();
  AppendG15(cell, ReadNumberCell(field) * 1000.0);
}

// Columns 0 to 3 of a coordinate list row from fields 2 to 5 of a point record.
void TransferPoint(const SimaReadOptions& options, std::string_view name, std::string_view x,
                   std::string_view y, std::string_view z, std::vector<std::string>& row) {
  // Field files pad names to 20 characters; the blanks are no part of the name, and a
  // name kept with them would sort as if it had no number ("FK12863   " is number 0).
  row[kColName].assign(TrimBlanks(name));
  TransferCoordinate(row[kColX], options.swapXY ? y : x, options.scale1000);
  TransferCoordinate(row[kColY], options.swapXY ? x : y, options.scale1000);
  TransferCoordinate(row[kColZ], z, options.scale1000);
}

// Calls `onLine` for every line of the text; lines end at CR LF, LF or CR, and text after
// the last line end is a line too. Finding the ends with memchr keeps a huge line, or a
// file of a million short ones, a single linear pass.
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
  while (pos < end) {
    if (nextCr < pos) nextCr = findFrom(pos, '\r');
    if (nextLf < pos) nextLf = findFrom(pos, '\n');
    const char* lineEnd = nextCr < nextLf ? nextCr : nextLf;
    onLine(std::string_view(pos, static_cast<std::size_t>(lineEnd - pos)));
    if (lineEnd == end) break;
    pos = lineEnd + 1;
    if (*lineEnd == '\r' && pos < end && *pos == '\n') ++pos;
  }
}

}  // namespace

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

  // First pass counts the points so that both lists are sized once; the rows they gain
  // start empty, which is what the row-by-row overwrite would leave as well.
  SimaPointFields fields;
  std::int64_t lines = 0;
  std::int64_t points = 0;
  ForEachLine(text, [&](std::string_view line) {
    ++lines;
    if (SplitSimaPointRecord(line, fields)) ++points;
  });
  // A record takes at least 8 bytes ("A1,,,,,", line end), so a file within
  // kSimaMaxFileBytes always fits a grid; only bytes handed in directly could overflow.
  if (points >= std::numeric_limits<int>::max())
    throw std::length_error("a SIMA text of more than 2147483646 point records");
  result.pointCount = static_cast<int>(points);
  result.otherLines = lines - points;

  if (points == 0) {
    readList.SetRowCount(2);
    coordList.SetRowCount(2);
    for (auto& cell : readList.MutableRow(1)) cell.clear();
    for (auto& cell : coordList.MutableRow(1)) cell.clear();
    RenumberPlotNo(coordList);
    return result;
  }

  readList.SetRowCount(result.pointCount + 1);
  coordList.SetRowCount(result.pointCount + 1);
  int row = 1;
  ForEachLine(text, [&](std::string_view line) {
    if (!SplitSimaPointRecord(line, fields)) return;
    std::vector<std::string>& simaRow = readList.MutableRow(row);
    for (int f = 0; f < kSimaColumnCount; ++f) simaRow[f].assign(fields[f]);
    TransferPoint(options, fields[kSimaColName], fields[kSimaColX], fields[kSimaColY],
                  fields[kSimaColZ], coordList.MutableRow(row));
    ++row;
  });
  RenumberPlotNo(coordList);
  return result;
}

SimaReadResult Button9Click(const std::string& path, const SimaReadOptions& options,
                            TextGrid& readList, TextGrid& coordList) {
  RequireColumns(readList, coordList);
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(PathFromUtf8(path), ec);
  if (!ec && size > kSimaMaxFileBytes)
    throw FileReadError(path, "SIMA ファイルとしては大きすぎます（1 GB まで）。");
  // Reading can fail; nothing is touched until the whole file is in memory.
  const std::string bytes = ReadFileBytes(path);
  return LoadSimaBytes(bytes, options, readList, coordList);
}

void CheckBox13Click(const SimaReadOptions& options, const TextGrid& readList,
                     TextGrid& coordList) {
  if (coordList.ColCount() < kCoordColumnCount)
    throw std::invalid_argument("the coordinate list needs 5 columns");
  if (!readList.Cell(kSimaColX, 1).empty() && !readList.Cell(kSimaColY, 1).empty()) {
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
