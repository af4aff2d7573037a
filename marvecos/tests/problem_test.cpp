#include "marvecos/problem.h"

#include <gtest/gtest.h>

#include "common/fields.h"
#include "common/messages.h"
#include "marvecos/calcular.h"
#include "marvecos/checks.h"
#include "tempfolder.h"

namespace marvecos {
namespace {

void fill(common::MemoryFields& fields, const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        fields.setText(kSlopeFieldNames[i], texts[i]);
    }
}

// fi, c, gam, H, L, Xcr, Ycr, R, n of a slope that gives a factor of safety.
const std::vector<std::string> kGoodSlope = {"20", "10", "18", "10", "20", "5", "20", "20", "10"};

TEST(ReadSlopeInput, SliceCountIsLimitedButTheFieldKeepsItsText) {
    common::MemoryFields fields;
    fill(fields, kGoodSlope);
    fields.setText("n", "5");
    EXPECT_EQ(readSlopeInput(fields, {}).n, 10);
    EXPECT_EQ(fields.text("n"), "5");
    fields.setText("n", "250");
    EXPECT_EQ(readSlopeInput(fields, {}).n, 100);
    EXPECT_EQ(fields.text("n"), "250");
    fields.setText("n", "25.5");
    EXPECT_EQ(readSlopeInput(fields, {}).n, 25.5);
}

TEST(ReadSlopeInput, FieldsReadByTheFieldValueRule) {
    common::MemoryFields fields;
    fill(fields, {"2.5 grados", "1,5", "abc", "", "-4", "1E1", " 3", "7", "12"});
    const SlopeProblem p = readSlopeInput(fields, {});
    EXPECT_EQ(p.fi, 2.5);
    EXPECT_EQ(p.c, 1.5);  // the decimal comma
    EXPECT_EQ(p.gam, 0);
    EXPECT_EQ(p.H, 0);
    EXPECT_EQ(p.L, -4);
    EXPECT_EQ(p.Xcr, 10);
    EXPECT_EQ(p.Ycr, 3);
    EXPECT_EQ(p.R, 7);
    EXPECT_EQ(p.n, 12);
}

TEST(ReadSlopeInput, MethodFromTheButtonsInOrder) {
    common::MemoryFields fields;
    EXPECT_EQ(readSlopeInput(fields, {}).method, kNoMethod);
    EXPECT_EQ(readSlopeInput(fields, {true, true, true}).method, kBishop);
    EXPECT_EQ(readSlopeInput(fields, {false, true, true}).method, kJanbu);
    EXPECT_EQ(readSlopeInput(fields, {false, false, true}).method, kSpencer);
}

TEST(CheckSlopeProblem, EachCheckShowsItsMessageInOrder) {
    struct Case {
        std::vector<std::string> fields;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"0", "0", "18", "10", "20", "5", "20", "20", "10"},
         "El angulo de friccion interna y la cohesion no pueden ser nulos simultaneamente."},
        {{"0", "0", "0", "0", "0", "0", "0", "0", "0"},
         "El angulo de friccion interna y la cohesion no pueden ser nulos simultaneamente."},
        {{"20", "10", "0", "0", "0", "0", "0", "0", "10"}, "El peso especifico no puede ser nulo."},
        {{"20", "10", "18", "0", "0", "0", "0", "0", "10"},
         "La altura del talud no puede ser nula."},
        {{"20", "10", "18", "10", "0", "0", "0", "0", "10"},
         "La longitud del talud no puede ser nula."},
        {{"20", "10", "18", "10", "20", "0", "0", "0", "10"},
         "El centro de la circunferencia no puede estar en el origen de coordenadas."},
        {{"20", "10", "18", "10", "20", "0", "5", "0", "10"},
         "El radio de la circunferencia no puede ser nulo."},
    };
    for (const Case& c : cases) {
        common::MemoryFields fields;
        fill(fields, c.fields);
        common::RecordingMessages messages;
        EXPECT_FALSE(checkSlopeProblem(readSlopeInput(fields, {}), messages));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], (common::Message{c.message, "Marvecos"}));
    }
}

TEST(CheckSlopeProblem, PurelyCohesiveOrFrictionalSoilAndNegativeValuesPass) {
    common::RecordingMessages messages;
    SlopeProblem p{0, 25, 18, 10, 20, 5, 20, 20, 10, kBishop};
    EXPECT_TRUE(checkSlopeProblem(p, messages));
    p.fi = 30;
    p.c = 0;
    EXPECT_TRUE(checkSlopeProblem(p, messages));
    p = SlopeProblem{-5, -3, -18, -10, -20, -5, 0, -20, 10, kBishop};
    EXPECT_TRUE(checkSlopeProblem(p, messages));
    EXPECT_TRUE(messages.shown.empty());
}

class Calcular : public ::testing::Test {
protected:
    Calcular() { fill(fields, kGoodSlope); }
    MethodOutcome press(const MethodButtons& buttons) {
        return calcular(fields, buttons, SlopeFolders{work.path(), temp.path()}, messages);
    }
    common::MemoryFields fields;
    common::RecordingMessages messages;
    TempFolder work, temp;
};

TEST_F(Calcular, BishopAndJanbuShowTheFactorInTheValueLabel) {
    MethodOutcome bishop = press({true, false, false});
    ASSERT_TRUE(bishop.computed);
    EXPECT_EQ(bishop.valueLabel, "2.273");
    EXPECT_EQ(bishop.resultsTitle, "Resultados: metodo de Bishop.   fs=2.273");
    MethodOutcome janbu = press({false, true, false});
    ASSERT_TRUE(janbu.computed);
    EXPECT_EQ(janbu.valueLabel, "2.039");
    EXPECT_EQ(janbu.resultsTitle, "Resultados: metodo de Jambu.   fs=2.039");
    EXPECT_TRUE(work.has("Bishop.out") && work.has("Janbu.out") && work.has("errores.out"));
    EXPECT_TRUE(temp.has("coords.tmp") && temp.has("results.tmp"));
    EXPECT_FALSE(work.has("coords.tmp"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Calcular, SpencerComputesWithItsOwnReport) {
    const MethodOutcome spencer = press({false, false, true});
    EXPECT_TRUE(spencer.computed);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(spencer.resultsTitle.rfind("Resultados: metodo de Spencer.   fs=", 0), 0u);
    EXPECT_TRUE(work.has("Spencer.out") && temp.has("interdovelas.tmp"));
    EXPECT_FALSE(work.has("errores.out"));
    // Bishop after Spencer leaves no interslice forces behind for the results window.
    EXPECT_TRUE(press({true, false, false}).computed);
    EXPECT_FALSE(temp.has("interdovelas.tmp"));
}

TEST_F(Calcular, NoMethodAsksForOne) {
    EXPECT_FALSE(press({}).computed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (common::Message{"Por favor seleccione un metodo de analisis.", "Marvecos"}));
}

TEST_F(Calcular, FailedCheckRunsNoMethod) {
    fields.setText("gam", "0");
    EXPECT_FALSE(press({true, false, false}).computed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "El peso especifico no puede ser nulo.");
    EXPECT_FALSE(temp.has("coords.tmp"));
}

}  // namespace
}  // namespace marvecos
