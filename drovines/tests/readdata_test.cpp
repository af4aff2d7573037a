#include "drovines/readdata.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/wallfields.h"

namespace drovines {
namespace {

using common::Message;
using common::MessageIcon;

Message box(const std::string& text) {
    return {text, "Drovines", MessageIcon::None};
}

TEST(Readdata, ConvertsAnglesWithTheProgramsPiAndDerivesTheBase) {
    auto fields = sampleWall();
    fields.setText("beta", "90");
    fields.setText("alfa", "-5");
    fields.setText("fi", "30");
    fields.setText("w", "12");
    common::RecordingMessages messages;
    WallRecord r;
    ASSERT_EQ(readdata(fields, messages, r), 0);
    EXPECT_DOUBLE_EQ(r.beta, 1.5708);
    EXPECT_DOUBLE_EQ(r.fi, 30 * 3.1416 / 180);
    EXPECT_DOUBLE_EQ(r.w, 0.12);
    EXPECT_DOUBLE_EQ(r.psi, 3.1416 / 2 + 5 * 3.1416 / 180);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Readdata, DerivedGeometry) {
    auto fields = sampleWall();
    fields.setText("alfa", "10");
    fields.setText("alfa2", "5");
    common::RecordingMessages messages;
    WallRecord r;
    ASSERT_EQ(readdata(fields, messages, r), 0);
    EXPECT_DOUBLE_EQ(r.xa, 4 * std::tan(10 * 3.1416 / 180));
    EXPECT_DOUBLE_EQ(r.xf, 4 * std::tan(5 * 3.1416 / 180));
    EXPECT_DOUBLE_EQ(r.B, 2 + r.xf + r.xa);
    EXPECT_TRUE(wallCanBeComputed(r));
}

TEST(Readdata, DeltaAboveFiIsRefusedAndKept) {
    auto fields = sampleWall();
    fields.setText("fi", "30");
    fields.setText("delta", "40");
    common::RecordingMessages messages;
    WallRecord r;
    EXPECT_EQ(readdata(fields, messages, r), 1);
    EXPECT_EQ(messages.shown,
              std::vector<Message>{box("El angulo delta no puede ser mayor que fi")});
    EXPECT_EQ(fields.text("delta"), "40");
    EXPECT_DOUBLE_EQ(r.delta, r.fi);

    fields.setText("delta", "30");
    messages.shown.clear();
    EXPECT_EQ(readdata(fields, messages, r), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Readdata, ChecksInOrderAndKeepsTheOffendingField) {
    struct Case {
        std::string name, text, message;
    };
    const std::vector<Case> cases = {
        {"gam", "-1", "El peso especifico no puede ser negativo."},
        {"fi", "-3", "El angulo de friccion no puede ser negativo."},
        {"co", "-2", "La cohesion no puede ser negativa."},
        {"delta", "-1", "El angulo delta no puede ser negativo."},
        {"alfa2", "-5",
         "No es bueno esteticamente ni estructuralmente que el angulo del frente sea negativo."},
        {"df", "-0.5", "La profundidad de fundacion no puede ser negativa."},
    };
    for (const Case& c : cases) {
        auto fields = sampleWall();
        fields.setText(c.name, c.text);
        fields.setText("hn", "-2");  // a notice that would come after all but df
        common::RecordingMessages messages;
        WallRecord r;
        EXPECT_EQ(readdata(fields, messages, r), 1) << c.name;
        // Only the foundation depth is checked after the water-table notice.
        ASSERT_EQ(messages.shown.size(), c.name == "df" ? 2u : 1u) << c.name;
        EXPECT_EQ(messages.shown.back(), box(c.message)) << c.name;
        EXPECT_EQ(fields.text(c.name), c.text) << c.name;
    }
}

TEST(Readdata, NegativeBackFaceAloneIsAccepted) {
    auto fields = sampleWall();
    fields.setText("alfa", "-5");
    common::RecordingMessages messages;
    WallRecord r;
    EXPECT_EQ(readdata(fields, messages, r), 0);
    EXPECT_TRUE(messages.shown.empty());

    fields.setText("alfa2", "-5");
    EXPECT_EQ(readdata(fields, messages, r), 1);
}

TEST(Readdata, NegativeBaseKeepsBothFaceAngles) {
    auto fields = sampleWall();
    fields.setText("alfa", "-40");
    fields.setText("alfa2", "2");
    common::RecordingMessages messages;
    WallRecord r;
    EXPECT_EQ(readdata(fields, messages, r), 1);
    EXPECT_EQ(messages.shown,
              std::vector<Message>{box("Hay un error en la forma del muro, por favor corrija esto "
                                       "antes de continuar.")});
    EXPECT_EQ(fields.text("alfa"), "-40");
    EXPECT_EQ(fields.text("alfa2"), "2");
}

TEST(Readdata, WaterTableBelowTheBaseIsANoticeOnly) {
    auto fields = sampleWall();
    fields.setText("hn", "-2");
    fields.setText("delta2", "-10");
    common::RecordingMessages messages;
    WallRecord r;
    EXPECT_EQ(readdata(fields, messages, r), 0);
    EXPECT_EQ(messages.shown,
              std::vector<Message>{
                  box("La napa por debajo del nivel de fundacion no afecta a la estructura.  ")});
    EXPECT_EQ(r.hn, 0);
    EXPECT_EQ(fields.text("hn"), "0");
    EXPECT_EQ(r.delta2, 0);
}

TEST(Readdata, ZeroSoilWeightOrGeometryPassesButCannotBeComputed) {
    for (const std::string name : {"gam", "b1", "H"}) {
        auto fields = sampleWall();
        fields.setText(name, "0");
        common::RecordingMessages messages;
        WallRecord r;
        EXPECT_EQ(readdata(fields, messages, r), 0) << name;
        EXPECT_FALSE(wallCanBeComputed(r)) << name;
        EXPECT_TRUE(messages.shown.empty()) << name;
    }
}

}  // namespace
}  // namespace drovines
