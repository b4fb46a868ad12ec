// The clipboard as a held text, for tests and for builds without a system clipboard.
#pragma once

#include <string>

#include "platform/clipboard.h"

namespace vensa {

class SimClipboard : public Clipboard {
 public:
  std::string GetText() override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

}  // namespace vensa
