// The process message filter as the COM runtime sees it: a reference-counted
// IMessageFilter that hands each callback to a vensa::MessageFilter (TMessageFilter), and
// the other way round, a filter that was installed before ours, so it can be put back.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <memory>

#include "platform/message_filter.h"
#include "platform/win/com_ptr.h"

namespace vensa::win {

// Installs `filter` (null removes it) with CoRegisterMessageFilter and returns the filter
// it replaced: ours as it was given, a foreign one wrapped, null when there was none.
// The calling thread must be in a single-threaded apartment; ComError otherwise.
std::shared_ptr<MessageFilter> RegisterProcessMessageFilter(std::shared_ptr<MessageFilter> filter);

// The IMessageFilter the runtime calls for `filter`, with one reference owned by the caller.
ComPtr<IMessageFilter> MakeComMessageFilter(std::shared_ptr<MessageFilter> filter);

}  // namespace vensa::win
