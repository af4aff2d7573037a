#include "drovines/report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/printline.h"
#include "common/safefile.h"
#include "drovines/calcular.h"
#include "drovines/datafile.h"
#include "tests/wallfields.h"

namespace drovines {
namespace {

namespace fs = std::filesystem;

const std::string kTestData = DROVINES_TEST_DATA;

common::MemoryFields exampleFields(const std::string& name) {
    common::MemoryFields fields;
    fields.setText("gm", "22");
    common::RecordingMessages messages;
    EXPECT_TRUE(leerdatos(std::string(EXAMPLES_DIR) + "/" + name, fields, messages).loaded);
    return fields;
}

TEST(Report, CohesiveWallReportByteForByte) {
    auto fields = exampleFields("muro-cohesivo.dat");
    common::RecordingMessages messages;
    const CalcOutcome outcome = calcular(fields, Method::Rankine, {}, messages);
    ASSERT_EQ(outcome.status, CalcStatus::Computed);
    std::string expected;
    ASSERT_TRUE(common::readWholeFile(kTestData + "/informe-muro-cohesivo.out", expected));
    EXPECT_EQ(common::joinLines(reportLines(fields, Method::Rankine, outcome.resultados)),
              expected);
}

int lineIndex(const std::vector<std::string>& lines, const std::string& start) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(start, 0) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(Report, DataFromTheFieldsAsTheyReadNowAndResultsAsShown) {
    auto fields = sampleWall();
    Resultados res{};
    res[1] = 0.33333f;
    res[12] = 1234.56789f;
    res[30] = -0.0004f;
    fields.setText("H", "5.5");  // edited after the calculation
    const auto lines = reportLines(fields, Method::MononobeOkabe, res);
    ASSERT_EQ(lines.size(), 117u);
    EXPECT_EQ(lines[4], "VERFICACION DE ESTABILIDAD EN MUROS DE GRAVEDAD");
    EXPECT_EQ(lines[13], "                Mayo 2004");
    EXPECT_EQ(lines[lineIndex(lines, "Metodo de calculo:")], "Metodo de calculo: Mononobe-Okabe");
    EXPECT_EQ(lines[lineIndex(lines, "                         Altura total H=")],
              "                         Altura total H= 5.500 m");
    EXPECT_EQ(lines[lineIndex(lines, "Coeficiente de empuje activo")],
              "Coeficiente de empuje activo   ka= 0.333");
    EXPECT_EQ(lines[lineIndex(lines, "Peso cuña de suelo estabiliz.")],
              "Peso cuña de suelo estabiliz.  Wm= 1234.568kN/m");
    EXPECT_EQ(lines[lineIndex(lines, "                              Humedad w=")],
              "                              Humedad w= 0.000 %");
    EXPECT_EQ(resultText(0.5f), "0.500");
}

TEST(Report, SavedReportOverwritesAndAFailureIsReported) {
    const fs::path dir = fs::temp_directory_path() / "drovines_report_save";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string file = (dir / "informe.out").string();
    common::RecordingMessages messages;
    ASSERT_TRUE(saveReport(file, {"primera"}, messages));
    ASSERT_TRUE(saveReport(file, {"segunda", ""}, messages));
    std::string content;
    ASSERT_TRUE(common::readWholeFile(file, content));
    EXPECT_EQ(content, "segunda\r\n\r\n");
    EXPECT_TRUE(messages.shown.empty());

    const std::string bad = (dir / "falta" / "informe.out").string();
    EXPECT_FALSE(saveReport(bad, {"x"}, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "No se pudo guardar el archivo " + bad);
    EXPECT_EQ(messages.shown[0].title, "ERROR");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace drovines
