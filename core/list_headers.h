// Header texts of the list grids (row 0). Every header text begins with one blank.
#pragma once

#include <string>
#include <vector>

namespace vensa {

// The coordinate list: " 測点", " X座標", " Y座標", " Z座標", " PLOT No.".
const std::vector<std::string>& CoordListHeaders();
// The text list: " TEXT", " X座標", " Y座標", " Z座標".
const std::vector<std::string>& TextListHeaders();
// The SIMA read list and the SIMA write list: " コード", " 点番号", " 測点名", " X座標",
// " Y座標", " Z座標".
const std::vector<std::string>& SimaListHeaders();

}  // namespace vensa
