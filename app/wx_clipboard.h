// The Clipboard port over the system clipboard (plain Unicode text).
#pragma once

#include "platform/clipboard.h"

namespace vensa {

class WxClipboard : public Clipboard {
 public:
  std::string GetText() override;
  void SetText(const std::string& text) override;
};

}  // namespace vensa
