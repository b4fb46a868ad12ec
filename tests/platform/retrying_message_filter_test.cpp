#include "platform/retrying_message_filter.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_platform.h"

namespace vensa {
namespace {

TEST(TMessageFilterTest, BusyCalleeIsRetriedEverySecondWithoutLimit) {
  auto filter = TMessageFilter::Create();
  EXPECT_EQ(filter->RetryRejectedCall(0, 0, kServerCallRetryLater), 1000);
  EXPECT_EQ(filter->RetryRejectedCall(0, 3'600'000, kServerCallRetryLater), 1000);
  EXPECT_EQ(filter->RetryRejectedCall(0, 0, 1), -1) << "a plain rejection fails the call";
  EXPECT_EQ(filter->RetryRejectedCall(0, 0, 0), -1);
  EXPECT_EQ(filter->HandleInComingCall(0, 0, 0), 0u);
  EXPECT_EQ(filter->MessagePending(0, 0, 2), 1u);
}

TEST(TMessageFilterTest, RegisterKeepsThePreviousFilterAndRevokeReinstallsIt) {
  SimPlatform platform;
  auto previous = TMessageFilter::Create();
  platform.SetMessageFilter(previous);

  auto filter = TMessageFilter::Create();
  EXPECT_EQ(filter->FOldFilter, nullptr);
  filter->RegisterFilter(platform);
  EXPECT_EQ(platform.CurrentMessageFilter(), filter);
  EXPECT_EQ(filter->FOldFilter, previous);
  filter->RevokeFilter(platform);
  EXPECT_EQ(platform.CurrentMessageFilter(), previous);
}

TEST(TMessageFilterTest, SecondRegistrationDoesNotChainTheFilterToItself) {
  SimPlatform platform;
  auto filter = TMessageFilter::Create();
  filter->RegisterFilter(platform);
  filter->RegisterFilter(platform);
  EXPECT_EQ(filter->FOldFilter, nullptr);
  filter->RevokeFilter(platform);
  EXPECT_EQ(platform.CurrentMessageFilter(), nullptr);
}

TEST(TMessageFilterTest, RevokeWithoutRegisterLeavesOtherFiltersAlone) {
  SimPlatform platform;
  auto other = TMessageFilter::Create();
  platform.SetMessageFilter(other);
  TMessageFilter::Create()->RevokeFilter(platform);
  EXPECT_EQ(platform.CurrentMessageFilter(), other);
}

}  // namespace
}  // namespace vensa
