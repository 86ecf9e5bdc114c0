#include <gtest/gtest.h>

#include "macros/MacroEvent.h"
#include "profiles/JsonFile.h"

namespace ilmo::macros {
namespace {

TEST(MacroEvent, DelayTextReadsTheLeadingNumberClampedToTheDelayRange) {
    EXPECT_EQ(parse_delay_ms("0007"), 7);
    EXPECT_EQ(parse_delay_ms("  12ms"), 12);
    EXPECT_EQ(parse_delay_ms("abc"), 0);
    EXPECT_EQ(parse_delay_ms("-40"), 0);
    EXPECT_EQ(parse_delay_ms("65536"), 65535);
    // Far beyond 64 bits: must clamp, not wrap to a small or negative number.
    EXPECT_EQ(parse_delay_ms("99999999999999999999999999999"), 65535);
}

TEST(MacroEvent, StoredDelayIsTextOrAnyNumberAndNothingElse) {
    EXPECT_EQ(decode_delay_ms(Json::Value("250")), 250);
    EXPECT_EQ(decode_delay_ms(Json::Value(250)), 250);
    EXPECT_EQ(decode_delay_ms(Json::Value(-3)), 0);
    EXPECT_EQ(decode_delay_ms(Json::Value(Json::UInt64(18446744073709551615ull))), 65535);
    EXPECT_EQ(decode_delay_ms(Json::Value(1e300)), 65535);
    EXPECT_EQ(decode_delay_ms(Json::Value(Json::arrayValue)), 0);
}

TEST(MacroEvent, WrongTypesReadAsEmptyAndTheDelayFormFollowsTheFile) {
    const auto odd = decode_macro_event(
        profiles::parse_json(R"({"Action": 5, "Type": "10", "Button": 1e300, "Delay": {"x": 1}})"));
    ASSERT_TRUE(odd);
    EXPECT_EQ(*odd, (MacroEvent{"", 0, 0, 0}));
    EXPECT_FALSE(decode_macro_event(Json::Value("down")));

    const MacroEvent press{"down", 10, 4, 120};
    const Json::Value in_macro_file = encode_macro_event(press, DelayForm::DecimalText);
    EXPECT_EQ(in_macro_file, profiles::parse_json(
                                 R"({"Action": "down", "Type": 10, "Button": 4, "Delay": "120"})"));
    EXPECT_EQ(encode_macro_event(press, DelayForm::Integer)["Delay"], Json::Value(120));
    EXPECT_EQ(decode_macro_event(in_macro_file), press);
}

}  // namespace
}  // namespace ilmo::macros
