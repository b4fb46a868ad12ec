// The sizes a drawing is built with (text heights, a circle's radius, a table's rows and
// columns): the text of a field read as a number and multiplied by the drawing's scale.
#pragma once

#include <string_view>

#include "core/error.h"

namespace vensa {

// A size that no drawing can take: negative, or no finite number, before or after the
// scale. The message names the setting, its key in the settings file and its text.
class DrawingSizeError : public VensaError {
 public:
  using VensaError::VensaError;
};

// The size `text` gives (unreadable text is 0, as an empty field) times `scale`.
// `setting` names it as the user knows it: "測点名の文字サイズ (TextSize/TEXTPT)".
// Throws DrawingSizeError when either the size or the product is negative or not finite.
double DrawingSize(std::string_view text, double scale, std::string_view setting);

}  // namespace vensa
