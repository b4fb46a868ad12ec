#include "app/state/form_state.h"

#include <gtest/gtest.h>

namespace vensa {
namespace {

TEST(FormStateTest, InitialStateShowsDefaults) {
  const FormState s = InitialFormState();
  EXPECT_EQ(s.Caption, "Vensa2023");
  EXPECT_EQ(s.TargetProgID, "Gcad.Application.23");
}

}  // namespace
}  // namespace vensa
