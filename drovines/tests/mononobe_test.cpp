#include "drovines/mononobe.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drovines/calcular.h"
#include "drovines/coulombka.h"
#include "drovines/methods.h"
#include "drovines/readdata.h"
#include "tests/wallfields.h"

namespace drovines {
namespace {

const double kDeg = 3.1416 / 180;

// Published coefficients for a vertical back face and a level backfill.
TEST(SeismicCoefficient, PublishedValues) {
    const struct {
        const char* source;
        double fi, delta, kh, kv, K, tolerance;
    } cases[] = {
        // Worked by hand with rounded steps: the exact coefficient is 0.47822.
        {"highway agency's design example", 30, 30, 0.206, 0, 0.4785, 5e-4},
        {"seismic code's annex form, kv downward", 30, 0, 0.24, -0.12, 0.48562, 5e-5},
        {"no earthquake: Coulomb's Ka", 20, 10, 0, 0, 0.4467, 5e-5},
    };
    for (const auto& c : cases) {
        Arithmetic ar;
        const auto K =
            coulombKa(90 * kDeg, c.fi * kDeg, c.delta * kDeg, 0, seismicAngle(c.kh, c.kv), ar);
        ASSERT_TRUE(K) << c.source;
        EXPECT_NEAR(*K, c.K, c.tolerance) << c.source;
    }
}

common::MemoryFields seismicWall(const char* kh, const char* kv) {
    common::MemoryFields f = sampleWall();
    f.setText("delta", "30");
    f.setText("kh", kh);
    f.setText("kv", kv);
    return f;
}

CalcOutcome mononobe(common::MemoryFields& fields, common::RecordingMessages& messages) {
    return calcular(fields, Method::MononobeOkabe, {}, messages);
}

// Dry sand, 4 m, vertical back, delta 30: P_AE = 1/2 gam H^2 K_AE at 0.6 H, the wall's inertia
// kh Pm at H/2, and the three checks with these forces.
TEST(MononobeOkabe, DryWallByHand) {
    auto fields = seismicWall("0.206", "0");
    common::RecordingMessages messages;
    const CalcOutcome out = mononobe(fields, messages);
    ASSERT_EQ(out.status, CalcStatus::Computed);
    EXPECT_TRUE(messages.shown.empty());
    const Resultados& r = out.resultados;
    const double Kae = r[idx::Kae];
    EXPECT_NEAR(r[idx::theta], std::atan(0.206) / kDeg, 1e-4);
    EXPECT_NEAR(r[idx::Pae], 0.5 * 18 * 16 * Kae, 1e-3);
    EXPECT_NEAR(r[idx::dPae], r[idx::Pae] - r[idx::E1], 1e-3);
    EXPECT_FLOAT_EQ(r[idx::ydPae], 2.4f);
    EXPECT_NEAR(r[idx::Hi], 0.206 * 176, 1e-3);
    EXPECT_NEAR(r[idx::Mi], 0.206 * 176 * 2, 1e-3);
    const double cos30 = std::cos(30 * kDeg);
    EXPECT_NEAR(r[idx::MdPae], r[idx::dPae] * cos30 * 2.4, 1e-3);
    EXPECT_NEAR(r[idx::MV], r[idx::M1] + r[idx::MdPae] + r[idx::Mi], 1e-3);
    EXPECT_NEAR(r[idx::FH], r[idx::H1] + r[idx::HdPae] + r[idx::Hi], 1e-3);
    EXPECT_NEAR(r[idx::N], 176 + r[idx::V1] + r[idx::VdPae], 1e-3);
    EXPECT_NEAR(r[idx::fsm], r[idx::MEV] / r[idx::MV], 1e-5);
    EXPECT_NEAR(r[idx::Fsd], r[idx::Fdo] / r[idx::FH], 1e-5);
}

// Below the water table the impervious backfill takes tan(theta*) = gsat / gsub kh / (1 - kv),
// and the weights carry (1 - kv).
TEST(MononobeOkabe, SubmergedAngleAndVerticalCoefficient) {
    auto fields = seismicWall("0.1", "0.05");
    fields.setText("gam", "17");
    fields.setText("hn", "2");
    common::RecordingMessages messages;
    const CalcOutcome out = mononobe(fields, messages);
    ASSERT_EQ(out.status, CalcStatus::Computed);
    const double gsat = 17 + (10.0 / 27) * 10;  // e = 10/17, n = e / (1 + e) = 10/27
    const double thetaSub = std::atan(gsat / (gsat - 10) * 0.1 / 0.95);
    EXPECT_NEAR(out.resultados[idx::thetaSub], thetaSub / kDeg, 1e-4);
    EXPECT_NEAR(out.resultados[idx::PmV], 176 * 0.95, 1e-3);
    EXPECT_FLOAT_EQ(out.resultados[idx::Pm], 176);
}

// kh = kv = 0: every figure is Coulomb's, for a wall with water, surcharge and slopes.
TEST(MononobeOkabe, WithoutEarthquakeIsCoulomb) {
    auto fields = seismicWall("0", "0");
    for (const auto& [name, text] : {std::pair{"alfa", "10"},
                                     {"alfa2", "8"},
                                     {"beta", "12"},
                                     {"hn", "1.5"},
                                     {"q", "10"},
                                     {"delta", "20"}}) {
        fields.setText(name, text);
    }
    common::RecordingMessages messages;
    const CalcOutcome seismic = mononobe(fields, messages);
    const CalcOutcome coulomb = calcular(fields, Method::Coulomb, {}, messages);
    ASSERT_EQ(seismic.status, CalcStatus::Computed);
    for (int i = 1; i <= idx::S3; ++i) {
        EXPECT_EQ(seismic.resultados[i], coulomb.resultados[i]) << i;
    }
    EXPECT_EQ(seismic.resultados[idx::Kae], seismic.resultados[idx::ka]);
    EXPECT_EQ(seismic.resultados[idx::dPae], 0);
}

TEST(MononobeOkabe, NoRealSolutionWhenTheSeismicAngleExceedsFiLessBeta) {
    auto fields = seismicWall("0.2", "0");  // theta = 11.3 degrees > 30 - 20
    fields.setText("beta", "20");
    fields.setText("delta", "0");
    common::RecordingMessages messages;
    EXPECT_EQ(mononobe(fields, messages).status, CalcStatus::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Sub Mononobe-Okabe: ERROR");
    EXPECT_NE(messages.shown[0].text.find("no tiene solucion"), std::string::npos);

    fields.setText("kh", "0.17");  // theta = 9.6 degrees
    messages.shown.clear();
    EXPECT_EQ(mononobe(fields, messages).status, CalcStatus::Computed);
}

// Values that describe no wall, or no earthquake, are refused naming their field.
TEST(Validation, NegativeOrUnreadableValuesAreRefusedNamingTheField) {
    const struct {
        const char* name;
        const char* text;
        const char* message;
    } cases[] = {
        {"gm", "-1", "El peso especifico del muro gm no puede ser negativo."},
        {"b1", "-0.5", "El ancho superficial b1 no puede ser negativo."},
        {"H", "-4", "El campo \"Altura total H\" debe ser mayor que cero."},
        {"kh", "0,1 g",
         "El campo \"Coeficiente sismico horizontal kh\" no contiene un numero: "
         "\"0,1 g\"."},
        {"w", "-5", "La humedad w no puede ser negativa."},
        {"q", "-10", "La sobrecarga q no puede ser negativa."},
        {"kh", "-0.1", "El coeficiente sismico kh no puede ser negativo."},
        {"kv", "1", "El coeficiente sismico kv debe ser menor que 1."},
    };
    for (const auto& c : cases) {
        auto fields = seismicWall("0.1", "0");
        fields.setText("alfa2", "10");  // a base still wide with a negative crest or height
        fields.setText(c.name, c.text);
        common::RecordingMessages messages;
        EXPECT_EQ(mononobe(fields, messages).status, CalcStatus::Rejected) << c.name;
        ASSERT_EQ(messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(fields.text(c.name), c.text);  // as typed
    }
}

// A factor of safety that is zero, negative or not a number is not a result.
TEST(Factors, UnsoundFactorsAreRefusedWithTheirReason) {
    const struct {
        const char* gm;
        int index;
        const char* reason;
    } cases[] = {
        {"1", idx::fsn, "contra el hundimiento: la carga vertical efectiva no es positiva."},
        {"1", idx::Fsd,
         "al deslizamiento: la fuerza que se opone al deslizamiento no es "
         "positiva."},
        {"5", idx::fsn, "contra el hundimiento: la carga sale de la base."},
    };
    for (const auto& c : cases) {
        common::MemoryFields fields = sampleWall();
        for (const auto& [name, text] : {std::pair{"gam", "17"},
                                         {"fi", "32"},
                                         {"w", "10"},
                                         {"hn", "1.5"},
                                         {"b1", "1.5"},
                                         {"H", "5"},
                                         {"alfa", "10"},
                                         {"alfa2", "8"},
                                         {"delta", "20"},
                                         {"q", "10"}}) {
            fields.setText(name, text);
        }
        fields.setText("gm", c.gm);
        common::RecordingMessages messages;
        const CalcOutcome out = calcular(fields, Method::Rankine, {}, messages);
        ASSERT_EQ(out.status, CalcStatus::Computed) << c.gm;
        EXPECT_TRUE(std::isnan(out.resultados[c.index])) << c.gm << " " << c.index;
        EXPECT_FALSE(everyFactorIsAResult(out.resultados));
        const std::string text = std::string("No hay factor de seguridad ") + c.reason;
        bool said = false;
        for (const auto& m : messages.shown) {
            said = said || m.text == text;
        }
        EXPECT_TRUE(said) << text;
    }
}

}  // namespace
}  // namespace drovines
