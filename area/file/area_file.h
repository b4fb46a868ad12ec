// The area tables saved into a file instead of a running application: a drawing (.dxf)
// with the tables' top-left corner at a given point, or a spreadsheet file (.xlsx, .csv)
// as the worksheet would hold them, numbers as numbers in an .xlsx.
#pragma once

#include <string>
#include <vector>

#include "area/area_table.h"
#include "core/acad_point.h"
#include "core/file_io.h"
#include "state/form_state.h"

namespace vensa {

inline constexpr const char* kAreaFileFilter =
    "図面ファイル (*.dxf)|*.dxf|Excel ブック (*.xlsx)|*.xlsx|CSV (*.csv)|*.csv";

// Whether the path names a file SaveAreaTablesFile writes (.dxf, .xlsx, .csv).
bool IsAreaFileName(const std::string& path);

// Replaces the file atomically; the drawing's sizes and layers are those of the
// coordinate table, times `scale`. FileCreateError names the file when it cannot be
// written; what was there stays then.
void SaveAreaTablesFile(const std::string& path, const std::vector<AreaTable>& tables,
                        const FormState& state, double scale, const TAcadPoint& corner);

// A CSV file of area tables written table by table, as a worksheet of them would be saved
// (UTF-8 with a byte-order mark, CR LF after every row), a piece at a time. The file
// replaces `path` at Commit(); without it nothing is written.
class AreaCsvFile {
 public:
  explicit AreaCsvFile(const std::string& path);
  void Add(const AreaTable& table);
  void Commit();

 private:
  void Flush(std::size_t atLeast);

  AtomicFileWriter file_;
  std::string text_;
  bool first_ = true;
};

}  // namespace vensa
