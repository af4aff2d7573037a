#include "marvecos/model/slopefile.h"

#include <gtest/gtest.h>

#include "tempfolder.h"

namespace marvecos {
namespace {

const std::string kLayered =
    "# two layers, water, loads\n"
    "suelo 28 5 19\n"
    "talud 12 24\n"
    "circulo 14 26 28.5 60\n"
    "metodo janbu\n"
    "capa 22 15 20   -30 4  10 3  60 2   # clay\n"
    "capa 35 0 21 -30 -6 60 -6\n"
    "base -15\n"
    "napa -30 8 24 0.5 60 0.5\n"
    "gamw 9.81\n"
    "carga -10 -2 20 10\n"
    "carga -20 -12 5\n"
    "carga-lineal -4 40\n"
    "kh 0.15\n";

TEST(SlopeFile, WrittenAndReadBackGivesTheSameModel) {
    SlopeData data;
    std::string error;
    ASSERT_TRUE(readSlopeText(kLayered, data, error)) << error;
    EXPECT_EQ(data.problem.method, kJanbu);
    ASSERT_EQ(data.ground.layers.size(), 2u);
    EXPECT_EQ(data.ground.layers[0].top.x.size(), 3u);
    EXPECT_EQ(data.ground.strips[1].q2, 5);  // Q2 left out is Q1
    EXPECT_EQ(data.ground.water, WaterKind::Piezometric);

    TempFolder folder;
    common::RecordingMessages messages;
    ASSERT_TRUE(writeSlopeFile(folder.file("t.tal"), data, messages));
    SlopeData again;
    ASSERT_TRUE(readSlopeFile(folder.file("t.tal"), again, error)) << error;
    EXPECT_EQ(slopeFileText(again), slopeFileText(data));
    EXPECT_EQ(again.ground.layers[1].top.y, data.ground.layers[1].top.y);
    EXPECT_EQ(again.ground.kh, 0.15);
}

TEST(SlopeFile, BadFilesAreRefusedNamingTheLine) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"suelo 20 10 18\ntalu 10 20\n", "linea 2: palabra clave desconocida: talu"},
        {"talud 10\n", "linea 1: falta un numero"},
        {"talud 10 20 30\n", "linea 1: sobran numeros"},
        {"\n# comment\nnapa 0 5 0 4\n", "linea 3: las x de los puntos deben crecer"},
        {"napa 0 5 10\n", "linea 1: falta la y"},
        {"capa 20 5 18 0 0\n", "linea 1: una capa necesita"},
        {"suelo 20 -1 18\n", "linea 1: la cohesion no puede ser negativa"},
        {"capa 20 5 -18 0 0 10 0\n", "linea 1: el peso especifico no puede ser negativo"},
        {"suelo 90 10 18\n", "linea 1: el angulo de friccion"},
        {"ru 1\n", "linea 1: ru debe estar"},
        {"kh -0.1\n", "linea 1: kh debe estar"},
        {"gamw 0\n", "linea 1: el peso especifico del agua"},
        {"carga 5 5 10\n", "linea 1: en una carga repartida x1"},
        {"napa 0 5 10 5\nru 0.2\n", "linea 2: \"napa\" y \"ru\""},
        {"ru 0.2\nnapa 0 5 10 5\n", "linea 2: \"napa\" y \"ru\""},
        {"suelo 20 nan 18\n", "linea 1: numero no valido: nan"},
        {"talud inf 20\n", "linea 1: numero no valido: inf"},
        {"talud 1e999 20\n", "linea 1: numero no valido"},
        {"kh 0.1\nkh 0.2\n", "linea 2: \"kh\" repetido"},
        {"metodo spencer2\n", "linea 1: metodo desconocido"},
    };
    for (const auto& c : cases) {
        SlopeData data;
        std::string error;
        EXPECT_FALSE(readSlopeText(c.text, data, error)) << c.text;
        EXPECT_EQ(error.rfind(c.expected, 0), 0u) << c.text << " -> " << error;
    }
}

}  // namespace
}  // namespace marvecos
