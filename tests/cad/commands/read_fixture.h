// The scene of the read-command tests: the substitute platform, main window and CAD on
// one call log, a form as the window starts, and the entity tables.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cad/entity_tables.h"
#include "cad/sim/sim_cad.h"
#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_ui.h"
#include "state/form_state.h"
#include "tests/cad/cad_test_support.h"

namespace vensa::test {

using Lines = std::vector<std::string>;
using Rows = std::vector<Lines>;

// The data rows of a list, every cell.
inline Rows DataRows(const TextGrid& list) {
  Rows rows;
  for (int r = 1; r < list.RowCount(); ++r) rows.push_back(list.Row(r));
  return rows;
}

// Data rows 1.. of the list set to the given cells, the rest of each row empty.
inline void SetRows(TextGrid& list, const Rows& rows) {
  list.SetRowCount(static_cast<int>(rows.size()) + 1);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < list.ColCount(); ++c) {
      list.SetCell(c, r + 1, c < static_cast<int>(rows[r].size()) ? rows[r][c] : "");
    }
  }
}

class ReadFixture : public ::testing::Test {
 protected:
  ReadFixture() : state_(InitialFormState()) { cad_.RegisterWith(platform_, state_.TargetProgID); }

  // The handles of the entities added, in order, for a scripted selection.
  std::vector<std::string> AddAll(const std::vector<SimEntity>& entities) {
    std::vector<std::string> handles;
    for (const SimEntity& e : entities) handles.push_back(cad_.AddEntity(e));
    return handles;
  }

  // The call log from the first line starting with `from` on.
  Lines LogFrom(const std::string& from) const {
    const Lines& all = log_->Lines();
    for (std::size_t i = 0; i < all.size(); ++i) {
      if (all[i].rfind(from, 0) == 0) return Lines(all.begin() + static_cast<long>(i), all.end());
    }
    return {};
  }

  std::shared_ptr<CallLog> log_ = std::make_shared<CallLog>();
  SimPlatform platform_{log_};
  SimUi ui_{log_};
  SimCad cad_{log_};
  FormState state_;
  EntityTables tables_;
};

}  // namespace vensa::test
