#include "core/list_headers.h"

namespace vensa {

const std::vector<std::string>& CoordListHeaders() {
  static const std::vector<std::string> headers = {" 測点", " X座標", " Y座標", " Z座標",
                                                   " PLOT No."};
  return headers;
}

const std::vector<std::string>& TextListHeaders() {
  static const std::vector<std::string> headers = {" TEXT", " X座標", " Y座標", " Z座標"};
  return headers;
}

const std::vector<std::string>& SimaListHeaders() {
  static const std::vector<std::string> headers = {" コード", " 点番号", " 測点名",
                                                   " X座標",  " Y座標",  " Z座標"};
  return headers;
}

}  // namespace vensa
