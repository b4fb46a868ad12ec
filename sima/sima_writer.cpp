#include "sima/sima_writer.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "core/coord_list.h"
#include "core/number_format.h"
#include "core/number_read.h"
#include "core/point_name.h"
#include "core/text.h"
#include "sima/sima_record.h"

namespace vensa {

SimaNameNumberError::SimaNameNumberError(const std::string& digits)
    : VensaError("\"測点名：\" の番号 \"" + digits +
                 "\" が大きすぎます。2147483647 以下の番号にしてください。") {}

std::string PadLeft(std::string_view text, int width) {
  int length = 0;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c & 0xC0) == 0x80) continue;  // continuation byte
    length += c >= 0xF0 ? 2 : 1;       // beyond the BMP a character takes two units
  }
  if (length >= width) return std::string(text);
  std::string out(static_cast<std::size_t>(width - length), ' ');
  out += text;
  return out;
}

namespace {

void AppendInteger(std::string& out, std::int64_t value) {
  char buf[24];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  (void)ec;  // 24 characters hold every 64-bit integer
  out.append(buf, end);
}

// One coordinate: with "1/1000" the number over 1000 with three decimals (text that is
// no number counts as 0), otherwise the text itself. An empty one stays empty: a point
// without height is not at height 0.
void WriteCoordinate(std::string& cell, const std::string& text, bool divide1000) {
  if (!divide1000 || TrimBlanks(text).empty()) {
    cell = text;
    return;
  }
  cell.clear();
  AppendFixed(cell, ReadNumberCell(text) / 1000.0, 3);
}

}  // namespace

bool BuildSimaWriteList(const TextGrid& coordList, const SimaWriteOptions& options,
                        TextGrid& writeList) {
  if (writeList.ColCount() < kSimaColumnCount)
    throw std::invalid_argument("the SIMA write list needs 6 columns");
  if (coordList.Cell(kColX, 1).empty() || coordList.Cell(kColY, 1).empty()) return false;

  writeList.SetRowCount(coordList.RowCount() + 2);
  writeList.SetCell(kSimaColCode, 1, std::string(kSimaDataStartCode));

  const TrailingNumber head = SplitTrailingNumber(options.head);
  std::int64_t start = 0;
  if (head.found) {
    const std::optional<std::int32_t> number = TryReadInteger(head.digits);
    if (!number) throw SimaNameNumberError(head.digits);
    start = *number;
  }

  // Names count on from the start number in 64 bits, so a start near the 32-bit limit
  // goes on past it instead of wrapping to negative numbers.
  int k = 0;
  for (int r = 1; r < coordList.RowCount(); ++r) {
    const std::string& x = coordList.Cell(kColX, r);
    const std::string& y = coordList.Cell(kColY, r);
    if (x.empty() || y.empty()) continue;
    ++k;
    const MutableGridRow row = writeList.MutableRow(k + 1);
    row[kSimaColCode] = kSimaPointCode;
    std::string& number = row[kSimaColNumber];
    number.clear();
    AppendInteger(number, r);
    number = PadLeft(number, 5);
    std::string& name = row[kSimaColName];
    const std::string& listName = coordList.Cell(kColName, r);
    if (options.listNames && !listName.empty()) {
      name = listName;
    } else {
      name = head.prefix;
      AppendInteger(name, start + r - 1);
    }
    WriteCoordinate(row[kSimaColX], options.swapXY ? y : x, options.divide1000);
    WriteCoordinate(row[kSimaColY], options.swapXY ? x : y, options.divide1000);
    WriteCoordinate(row[kSimaColZ], coordList.Cell(kColZ, r), options.divide1000);
  }

  writeList.SetRowCount(k + 3);
  const MutableGridRow end = writeList.MutableRow(k + 2);
  end[kSimaColCode] = kSimaDataEndCode;
  for (int c = 1; c < kSimaColumnCount; ++c) end[c].clear();
  return true;
}

}  // namespace vensa
