#include "fendrolas/driver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/methods/moduloT.h"
#include "fendrolas/module1.h"
#include "fendrolas/tests/testfolder.h"

using namespace fendrolas;

namespace {

class CountingComparison : public ComparisonView {
public:
    void showComparison(const ComparisonData& shown) override {
        ++opened;
        data = shown;
    }
    int opened = 0;
    ComparisonData data;
};

// The main window without its widgets, on the worked example, in a folder of its own.
struct Window {
    Window() {
        common::RecordingMessages ignored;
        cargardat(EXAMPLES_DIR "/zapata-centrada.dat", fields, ignored);
    }
    TestFolder folder;
    common::MemoryFields fields;
    common::RecordingMessages messages;
    RecordingPartialResults partial;
    CountingComparison comparison;
    Driver driver{fields, messages, partial, comparison, folder.path()};

    int count(const std::string& text) const {
        return static_cast<int>(
            std::count_if(messages.shown.begin(), messages.shown.end(),
                          [&](const common::Message& m) { return m.text == text; }));
    }
};

}  // namespace

TEST(Driver, CalcularWithoutAMethodOnlyAsksForOne) {
    Window w;
    w.partial.methodNumber = 4;
    w.driver.calcular(CoefficientTexts{});
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0], (common::Message{"Por favor seleccione un metodo de calculo.",
                                                    "", common::MessageIcon::None}));
    EXPECT_EQ(w.partial.methodNumber, 0);
    EXPECT_EQ(w.partial.printparCalls, 0);
    EXPECT_EQ(w.driver.labels().text[0][1], "");
    EXPECT_EQ(w.folder.read("res.sal"), "");
}

TEST(Driver, CalcularRunsTheSelectedMethod) {
    Window w;
    w.driver.setSelectedMethod(kTerzaghi);
    w.driver.calcular(CoefficientTexts{});
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(w.partial.methodNumber, 1);
    EXPECT_EQ(w.partial.caption, "Resultados parciales - Terzaghi");
    EXPECT_EQ(w.driver.labels().text[0][2], "7454.3");
    EXPECT_NE(w.folder.read("terza.out"), "");
    EXPECT_EQ(w.folder.read("meyer.out"), "");
}

TEST(Driver, ValidationNeutralisesTheRun) {
    Window w;
    w.fields.setText(soilField(kFieldFi), "0");
    w.fields.setText(soilField(kFieldC), "0");
    w.driver.setSelectedMethod(kTerzaghi);
    w.driver.calcular(CoefficientTexts{});
    EXPECT_EQ(w.count("El angulo fi y la cohesion c no pueden ser nulos simultaneamente."), 1);
    for (int state = 0; state < kStates; ++state) {
        EXPECT_EQ(w.driver.labels().text[state][1], "0.0");
        EXPECT_EQ(w.driver.labels().text[state][3], "100000.000");
    }
    EXPECT_EQ(w.fields.text(soilField(kFieldFi)), "0");  // as the user typed it
}

TEST(Driver, CalcTodoValidatesBeforeEveryMethod) {
    Window w;
    w.fields.setText(soilField(kFieldLx), "0");
    w.driver.setSelectedMethod(kTerzaghi);
    w.driver.calcTodo(CoefficientTexts{});
    EXPECT_EQ(w.count("Lx no puede ser nulo o negativo."), kMethods);
    EXPECT_EQ(w.partial.methodNumber, 5);
    EXPECT_EQ(w.partial.caption, "Resultados parciales - CCSR Mza 87");
    EXPECT_EQ(w.driver.selectedMethod(), kTerzaghi);
}

TEST(Driver, ResultadosShowsTheLastRunWhateverIsSelected) {
    Window w;
    EXPECT_FALSE(w.driver.resultados());  // nothing calculated in this run
    EXPECT_EQ(w.partial.opened, 0);
    EXPECT_EQ(w.count(kNothingToShowMessage), 1);
    w.messages.shown.clear();

    w.driver.setSelectedMethod(kTerzaghi);
    w.driver.calcular(CoefficientTexts{});
    w.driver.setSelectedMethod(kMeyerhof);
    w.partial.printparCalls = 0;
    ASSERT_TRUE(w.driver.resultados());
    EXPECT_EQ(w.partial.opened, 1);
    EXPECT_EQ(w.partial.printparCalls, 1);
    EXPECT_EQ(w.partial.printparMethod, kTerzaghi);
    EXPECT_NEAR(w.partial.Nq, 22.456, 0.001);
    EXPECT_NEAR(w.driver.windowTable()(kRowQu, 1), 1242.38, 0.01);
    EXPECT_EQ(w.driver.selectedMethod(), kMeyerhof);
    // The partial-results window keeps the number of the last calculation.
    EXPECT_EQ(w.partial.methodNumber, kTerzaghi);

    MethodResults other;
    other.method = 6;
    w.folder.write("res.sal", summaryFileText(other));
    EXPECT_FALSE(w.driver.resultados());
    EXPECT_EQ(w.partial.opened, 1);
}

TEST(Driver, CompararNeedsAllFiveFiles) {
    Window w;
    w.driver.setSelectedMethod(kTerzaghi);
    w.driver.calcular(CoefficientTexts{});
    EXPECT_FALSE(w.driver.comparar());
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].title, " Error ");
    EXPECT_EQ(w.messages.shown[0].icon, common::MessageIcon::Critical);
    EXPECT_EQ(w.messages.shown[0].text,
              " Uno de los archvos necesarios no se encuentra. Por favor corra todos los metodos "
              "para hacer la comparacion. ");
    EXPECT_EQ(w.comparison.opened, 0);

    for (int m = 2; m <= kMethods; ++m) {
        w.folder.write(methodFileName(m), methodFileText(MethodResults{}));
    }
    EXPECT_TRUE(w.driver.comparar());
    EXPECT_EQ(w.comparison.opened, 1);
    EXPECT_NEAR(w.comparison.data.quTable[kTerzaghi][1], 1242.382, 0.001);
    EXPECT_NEAR(w.comparison.data.maxNu, 7454.292, 0.001);
}

TEST(Driver, RefusedFieldsOrCoefficientsComputeNothingAndKeepTheText) {
    const struct {
        const char* field;
        const char* text;
        int method;
        CoefficientTexts coefficients;
        const char* message;
    } refused[] = {
        {"Text7", "-5", kMeyerhof, {}, "El campo \"Cohesion c\" no puede ser negativo."},
        {"Text1_0",
         "1OO",
         kMeyerhof,
         {},
         "El campo \"Carga vertical V del estado 1\" no contiene un numero: \"1OO\"."},
        {"Text6",
         "30",
         kBrinchHansen,
         {"2,5 x", "3.5", "0.6", "0.6"},
         "El campo \"Coeficiente alfa1\" no contiene un numero: \"2,5 x\"."},
        {"Text6",
         "30",
         kVesic,
         {"2.5", "3.5", "0.6", "-0.6"},
         "El campo \"Coeficiente usado por Vesic cc\" no puede ser negativo."},
    };
    for (const auto& r : refused) {
        Window w;
        w.driver.setSelectedMethod(kTerzaghi);
        w.driver.calcular(CoefficientTexts{});
        ASSERT_FALSE(w.driver.labels().text[0][0].empty());
        w.fields.setText(r.field, r.text);
        w.driver.setSelectedMethod(r.method);
        w.driver.calcular(r.coefficients);
        EXPECT_TRUE(w.driver.fieldsRefused()) << r.message;
        EXPECT_EQ(w.messages.shown.back().text, r.message);
        EXPECT_TRUE(w.driver.labels().text[0][0].empty()) << r.message;  // no stale figure
        EXPECT_EQ(w.fields.text(r.field), r.text);
    }
    Window w;
    w.fields.setText("Text10", "2,5");  // the decimal comma
    w.driver.setSelectedMethod(kTerzaghi);
    w.driver.calcular(CoefficientTexts{});
    EXPECT_FALSE(w.driver.fieldsRefused());
    EXPECT_EQ(w.driver.calculatedFields().text("Text10"), "2,5");
}
