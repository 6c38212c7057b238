// SPDX-License-Identifier: GPL-3.0-or-later
// A winding's table rows and its JSON come from one list of members, so
// they must always say the same thing about the same winding.
#include "present/winding_members.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <variant>

#include "design/memory_store.h"
#include "design/sheet/winding_sheet.h"
#include "present/sheet_json.h"
#include "present/sheet_text.h"
#include "tests/design/store_helpers.h"

namespace spulix {
namespace {

using testing_support::Choices;
using testing_support::SetAll;

WindingSheet SampleSheet() {
  MemoryStore store;
  SetAll(store, {{"U1", "220"},
                 {"U2", "24"},
                 {"h", "48"},
                 {"c", "16"},
                 {"a", "32"},
                 {"P2", "100"}});
  const SheetOutcome outcome = ComputeWindingSheet(
      store.texts(), Choices({{"12", "0.5", true}}, /*center_tap=*/true));
  return std::get<WindingSheet>(outcome);
}

TEST(WindingMembers, KeysAreUniqueAndTheNameComesFirst) {
  std::set<std::string> keys;
  for (const WindingMember& member : WindingMembers()) {
    EXPECT_TRUE(keys.insert(member.key).second) << member.key;
    EXPECT_EQ(member.caption == nullptr, member.text == nullptr) << member.key;
  }
  EXPECT_EQ(std::string(WindingMembers().front().key), "name");
}

TEST(WindingMembers, JsonObjectsHoldEveryMemberInOrder) {
  const WindingSheet sheet = SampleSheet();
  const nlohmann::ordered_json json = SheetJson(sheet, std::nullopt);
  ASSERT_EQ(json["windings"].size(), sheet.windings.size());
  for (const nlohmann::ordered_json& winding : json["windings"]) {
    ASSERT_EQ(winding.size(), WindingMembers().size());
    auto member = WindingMembers().begin();
    for (const auto& item : winding.items()) {
      EXPECT_EQ(item.key(), (member++)->key);
    }
  }
}

TEST(WindingMembers, TableRowsAreTheShownMembersWithTheJsonCounts) {
  const WindingSheet sheet = SampleSheet();
  const TextRows rows = SheetWindingRows(sheet);
  ASSERT_EQ(rows.size(), 1 + SheetQuantities().size());
  for (std::size_t i = 0; i < SheetQuantities().size(); ++i) {
    const WindingMember& member = SheetQuantities()[i];
    EXPECT_EQ(rows[i + 1][0], member.caption);
    for (std::size_t w = 0; w < sheet.windings.size(); ++w) {
      const nlohmann::ordered_json value = member.json(sheet.windings[w]);
      // Whole counts read the same in both; the tap is "—" where absent.
      if (value.is_number_integer()) {
        EXPECT_EQ(rows[i + 1][w + 1], value.dump()) << member.key;
      } else if (value.is_null()) {
        EXPECT_EQ(rows[i + 1][w + 1], "—") << member.key;
      }
    }
  }
}

}  // namespace
}  // namespace spulix
