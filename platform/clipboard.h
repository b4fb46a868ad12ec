// The platform clipboard, plain Unicode text only.
#pragma once

#include <string>

namespace vensa {

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // The clipboard's text; empty when it holds no text.
  virtual std::string GetText() = 0;
  // Replaces the whole clipboard content with the text.
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace vensa
