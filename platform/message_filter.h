// The process message filter: the three callbacks the automation runtime calls while an
// outgoing call is pending. Returned values are the runtime's own codes.
#pragma once

#include <cstdint>

namespace vensa {

// Opaque task handle of the caller or callee of a pending call.
using TaskHandle = std::uintptr_t;

class MessageFilter {
 public:
  virtual ~MessageFilter() = default;

  // How an incoming call is handled; 0 lets it run normally.
  virtual std::uint32_t HandleInComingCall(std::uint32_t callType, TaskHandle caller,
                                           std::uint32_t tickCount) = 0;
  // Milliseconds after which a rejected call is retried, or -1 to cancel it.
  virtual std::int32_t RetryRejectedCall(TaskHandle callee, std::uint32_t tickCount,
                                         std::uint32_t rejectType) = 0;
  // What to do with a window message arriving while the call waits (1: keep waiting,
  // without dispatching it).
  virtual std::uint32_t MessagePending(TaskHandle callee, std::uint32_t tickCount,
                                       std::uint32_t pendingType) = 0;
};

// Reject type of a callee that asks to be called again later.
inline constexpr std::uint32_t kServerCallRetryLater = 2;

}  // namespace vensa
