// The process message filter installed for calls into the CAD and the spreadsheet: a
// callee that is busy and asks to be called again later is retried once a second for as
// long as it stays busy; every other rejection fails the call in the caller.
#pragma once

#include <memory>

#include "platform/message_filter.h"
#include "platform/platform.h"

namespace vensa {

inline constexpr std::int32_t kRetryAfterMs = 1000;
inline constexpr std::int32_t kCancelCall = -1;

class TMessageFilter : public MessageFilter, public std::enable_shared_from_this<TMessageFilter> {
 public:
  static std::shared_ptr<TMessageFilter> Create();

  // Installs this filter and keeps the one it replaces in FOldFilter. A second call while
  // registered changes nothing, so FOldFilter never ends up holding this filter itself.
  void RegisterFilter(Platform& platform);
  // Installs FOldFilter again; does nothing unless registered.
  void RevokeFilter(Platform& platform);
  bool Registered() const { return registered_; }

  std::uint32_t HandleInComingCall(std::uint32_t callType, TaskHandle caller,
                                   std::uint32_t tickCount) override;
  std::int32_t RetryRejectedCall(TaskHandle callee, std::uint32_t tickCount,
                                 std::uint32_t rejectType) override;
  std::uint32_t MessagePending(TaskHandle callee, std::uint32_t tickCount,
                               std::uint32_t pendingType) override;

  // The filter that was installed before this one; empty until RegisterFilter.
  std::shared_ptr<MessageFilter> FOldFilter;

 private:
  TMessageFilter() = default;
  bool registered_ = false;
};

}  // namespace vensa
