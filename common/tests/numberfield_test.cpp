#include "common/numberfield.h"

#include <gtest/gtest.h>

using namespace common;

namespace {

struct FieldCase {
    const char* text;
    FieldRule rule;
    bool emptyIsZero;
    bool accepted;
    double value;
};

// The texts users type and what every window makes of them.
const FieldCase kFieldCases[] = {
    {"2.5", FieldRule::AnyNumber, false, true, 2.5},
    {"2,5", FieldRule::AnyNumber, false, true, 2.5},
    {" -1 2,5 ", FieldRule::AnyNumber, false, true, -12.5},
    {"1.5E3", FieldRule::AnyNumber, false, true, 1500},
    {"1,5d-2", FieldRule::AnyNumber, false, true, 0.015},
    {".5", FieldRule::Positive, false, true, 0.5},
    {"abc", FieldRule::AnyNumber, true, false, 0},
    {"2.5 m", FieldRule::AnyNumber, false, false, 0},
    {"1e", FieldRule::AnyNumber, false, false, 0},
    {"--3", FieldRule::AnyNumber, false, false, 0},
    {"1,2.5", FieldRule::AnyNumber, false, false, 0},
    {"1,2,5", FieldRule::AnyNumber, false, false, 0},
    {"", FieldRule::AnyNumber, false, false, 0},
    {"", FieldRule::Positive, true, true, 0},
    {"  ", FieldRule::NotNegative, true, true, 0},
    {"-0,1", FieldRule::NotNegative, false, false, 0},
    {"0", FieldRule::NotNegative, false, true, 0},
    {"0", FieldRule::Positive, false, false, 0},
    {"-20", FieldRule::Positive, false, false, 0},
    {"0", FieldRule::FrictionAngle, false, true, 0},
    {"89", FieldRule::FrictionAngle, false, true, 89},
    {"89,5", FieldRule::FrictionAngle, false, false, 0},
    {"-1", FieldRule::FrictionAngle, false, false, 0},
};

}  // namespace

TEST(NumberField, EachTextGivesItsValueOrARefusalNamingTheCaption) {
    for (const FieldCase& c : kFieldCases) {
        const NumberField field{"Text7", "Cohesion", c.rule, c.emptyIsZero};
        double value = -999;
        const std::string refusal = refusalOf(c.text, field, value);
        EXPECT_EQ(refusal.empty(), c.accepted) << '"' << c.text << '"';
        if (c.accepted) {
            EXPECT_DOUBLE_EQ(value, c.value) << '"' << c.text << '"';
        } else {
            EXPECT_NE(refusal.find("\"Cohesion\""), std::string::npos) << refusal;
        }
    }
}

TEST(NumberField, TheFirstRefusedFieldIsShownAndTheTextKept) {
    MemoryFields fields;
    fields.setText("A", "1");
    fields.setText("B", "dos");
    fields.setText("C", "x");
    RecordingMessages messages;
    EXPECT_FALSE(checkNumberFields(fields, {{"A", "Alto"}, {"B", "Base"}, {"C", "Canto"}}, messages,
                                   "ERROR"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "El campo \"Base\" no contiene un numero: \"dos\".");
    EXPECT_EQ(messages.shown[0].title, "ERROR");
    EXPECT_EQ(fields.text("B"), "dos");
}
