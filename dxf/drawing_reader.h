// Reads a DXF drawing file (ASCII, from R12 to the 2018 format): its model-space entities
// in drawing order, its layers, and the header variables the commands ask for.
// Paper-space entities and block definitions are not part of it. Drawing files opened as
// the CAD and the insert files the substitute CAD inserts are read here alike.
#pragma once

#include <string>
#include <string_view>

#include "core/error.h"
#include "dxf/drawing.h"

namespace vensa {

// A drawing that cannot be read: "ファイル "<path>" を読み込めません。<what and where>".
class DrawingFileError : public FileReadError {
 public:
  using FileReadError::FileReadError;
};

// The drawing held in the bytes of a file. DxfReadError says what is wrong and on which
// line: binary DXF, DWG, an empty, truncated or malformed file, a coordinate that is no
// finite number. Nothing is returned in part.
Drawing ReadDrawing(std::string_view bytes);

// The largest drawing file read: survey drawings are tens of megabytes, and listing one
// takes up to 20 times its size.
inline constexpr std::uint64_t kDrawingMaxFileBytes = std::uint64_t{1} << 30;

// ReadDrawing on a file; DrawingFileError (or FileReadError) names the file, also for a
// file over kDrawingMaxFileBytes.
Drawing ReadDrawingFile(const std::string& path);

// True for a name that ends in ".dxf", in any letter case.
bool IsDrawingFileName(std::string_view path);

}  // namespace vensa
