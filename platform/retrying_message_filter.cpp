#include "platform/retrying_message_filter.h"

namespace vensa {

namespace {

constexpr std::uint32_t kServerCallIsHandled = 0;
constexpr std::uint32_t kPendingWaitNoProcess = 1;

}  // namespace

std::shared_ptr<TMessageFilter> TMessageFilter::Create() {
  return std::shared_ptr<TMessageFilter>(new TMessageFilter());
}

void TMessageFilter::RegisterFilter(Platform& platform) {
  if (registered_) return;
  FOldFilter = platform.SetMessageFilter(shared_from_this());
  registered_ = true;
}

void TMessageFilter::RevokeFilter(Platform& platform) {
  if (!registered_) return;
  platform.SetMessageFilter(FOldFilter);
  registered_ = false;
}

std::uint32_t TMessageFilter::HandleInComingCall(std::uint32_t, TaskHandle, std::uint32_t) {
  return kServerCallIsHandled;
}

std::int32_t TMessageFilter::RetryRejectedCall(TaskHandle, std::uint32_t,
                                               std::uint32_t rejectType) {
  // The elapsed time is deliberately not looked at: a CAD busy with a long command is
  // waited for, not given up on.
  return rejectType == kServerCallRetryLater ? kRetryAfterMs : kCancelCall;
}

std::uint32_t TMessageFilter::MessagePending(TaskHandle, std::uint32_t, std::uint32_t) {
  return kPendingWaitNoProcess;
}

}  // namespace vensa
