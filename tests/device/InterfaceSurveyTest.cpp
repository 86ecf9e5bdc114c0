#include <gtest/gtest.h>

#include <set>

#include "ScriptedHid.h"
#include "device/InterfaceSurvey.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::device {
namespace {

TEST(InterfaceSurvey, EveryProductAttachedClaimsAllElevenSlotsExactlyOnce) {
    auto bus = std::make_shared<sim::SimBus>();
    bus->plug_all();
    sim::SimBackend backend(bus);
    SlotTable slots;
    const auto survey = survey_interfaces(backend, slots);
    ASSERT_TRUE(survey.listed);
    const auto& rows = survey.rows;
    std::set<int> claimed;
    int unmatched = 0;
    for (const auto& row : rows) {
        ASSERT_TRUE(row.opened_ok) << row.path;
        if (row.match.slot < 0) {
            ++unmatched;
            EXPECT_FALSE(row.reason.empty()) << row.path;
            continue;
        }
        EXPECT_TRUE(claimed.insert(row.match.slot).second) << "slot claimed twice";
        const auto& expected = kSupportedInterfaces[row.match.slot];
        EXPECT_EQ(row.from_path.vendor_id, expected.vendor_id);
        EXPECT_EQ(row.opened.usage_page, expected.usage_page) << row.path;
        EXPECT_EQ(slots.slot(row.match.slot).path, row.path);
    }
    EXPECT_EQ(claimed.size(), static_cast<size_t>(kSlotCount));
    EXPECT_GT(unmatched, 0);  // the products' other interfaces are seen and left alone
    EXPECT_FALSE(slots.any_free());
}

TEST(InterfaceSurvey, OnlyWhatIsPluggedIsClaimed) {
    auto bus = std::make_shared<sim::SimBus>();
    bus->plug(sim::SimProduct::KeyboardReceiver);
    bus->plug(sim::SimProduct::Headset);
    sim::SimBackend backend(bus);
    SlotTable slots;
    survey_interfaces(backend, slots);
    std::vector<int> occupied;
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (slots.occupied(slot)) occupied.push_back(slot);
    EXPECT_EQ(occupied, (std::vector<int>{2, 3, 10}));
}

TEST(InterfaceSurvey, NothingAttachedListsNothing) {
    auto bus = std::make_shared<sim::SimBus>();
    sim::SimBackend backend(bus);
    SlotTable slots;
    const auto survey = survey_interfaces(backend, slots);
    EXPECT_TRUE(survey.listed);
    EXPECT_TRUE(survey.rows.empty());
    EXPECT_TRUE(slots.any_free());
}

TEST(InterfaceSurvey, AListThatCannotBeReadIsNotAnEmptyOne) {
    auto device = std::make_shared<testing::ScriptedDevice>();
    device->listing_fails = true;
    testing::ScriptedBackend backend(device);
    SlotTable slots;
    EXPECT_FALSE(survey_interfaces(backend, slots).listed);
}

TEST(InterfaceSurvey, InterfacesTheBackendCannotOfferAreListedWithTheReason) {
    auto device = std::make_shared<testing::ScriptedDevice>();
    device->unusable = {{"node3#vid_320f&pid_1004&mi_01", "its report descriptor does not parse"}};
    testing::ScriptedBackend backend(device);
    SlotTable slots;
    const auto survey = survey_interfaces(backend, slots);
    ASSERT_TRUE(survey.listed);
    ASSERT_EQ(survey.rows.size(), 2u);
    EXPECT_EQ(survey.rows[0].match.slot, 0);  // the scripted command collection
    const SurveyRow& unusable = survey.rows[1];
    EXPECT_EQ(unusable.path, "node3#vid_320f&pid_1004&mi_01");
    EXPECT_EQ(unusable.from_path.product_id, 0x1004);
    EXPECT_FALSE(unusable.opened_ok);
    EXPECT_EQ(unusable.match.slot, -1);
    EXPECT_EQ(unusable.reason, "its report descriptor does not parse");
}

}  // namespace
}  // namespace ilmo::device
