#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "fendrolas/driver.h"
#include "fendrolas/tests/testfolder.h"

using namespace fendrolas;

// Every method over awkward problems: whatever the data, no table, label, file or partial
// result may hold a value that is not finite, and every file must read back.

namespace {

struct Loads {
    const char* V;
    const char* Qx;
    const char* Qy;
    const char* Mxz;
    const char* Myz;
};

// Five states at a time; moments are for a 2 x 3 base and scaled for the others.
const std::vector<std::vector<Loads>> kLoadSets = {
    {
        {"1000", "0", "0", "999", "0"},       // ex just inside Lx / 2
        {"0.001", "10000", "0", "0", "0"},    // a tiny load pushed far sideways
        {"1E7", "0", "0", "0", "1.499E7"},    // a huge load, ey just inside Ly / 2
        {"0", "0", "0", "0", "0"},            // empty
        {"500", "400", "400", "200", "300"},  // both eccentricities and both shears
    },
    {
        {"0", "0", "0", "0", "0"},  // state 1 empty: the negative check sees it
        {"1E30", "1E29", "0", "0", "0"},
        {"1", "0", "1", "0", "0"},
        {"1000", "0", "0", "0", "1499"},
        {"-300", "-50", "0", "-100", "0"},  // signs taken away by validation
    },
};

struct Base {
    const char* Lx;
    const char* Ly;
    float scale;  // moments of the load sets are multiplied by it
};

const Base kBases[] = {{"2", "3", 1}, {"3", "2", 0.6666f}, {"0.05", "40", 0.025f}};

const char* const kAngles[] = {"0",  "0.001", "1",  "10", "20",    "30",
                               "35", "40",    "45", "50", "50.001"};
const char* const kCohesions[] = {"0", "10"};

std::string scaled(const char* moment, float scale) {
    const double value = std::atof(moment) * scale;
    char text[40];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

void fillFields(common::MemoryFields& f, const char* fi, const char* c, const Base& base,
                const std::vector<Loads>& states) {
    f.setText(soilField(kFieldFi), fi);
    f.setText(soilField(kFieldC), c);
    f.setText(soilField(kFieldG), "18");
    f.setText(soilField(kFieldW), "12");
    f.setText(soilField(kFieldLx), base.Lx);
    f.setText(soilField(kFieldLy), base.Ly);
    f.setText(soilField(kFieldDf), "1.2");
    for (int i = 1; i <= kStates; ++i) {
        const Loads& s = states[i - 1];
        f.setText(loadField(kColumnV, i), s.V);
        f.setText(loadField(kColumnQx, i), s.Qx);
        f.setText(loadField(kColumnQy, i), s.Qy);
        f.setText(loadField(kColumnMxz, i), scaled(s.Mxz, base.scale));
        f.setText(loadField(kColumnMyz, i), scaled(s.Myz, base.scale));
    }
}

bool isFinite(const MethodResults& table) {
    for (const auto& row : table.cell) {
        for (float value : row) {
            if (!std::isfinite(value))
                return false;
        }
    }
    return std::isfinite(table.Nc) && std::isfinite(table.Nq) && std::isfinite(table.Ngamma);
}

bool readsAsNumbers(const std::string& text) {
    for (const char* bad : {"nan", "NaN", "inf", "Inf", "INF", "NAN"}) {
        if (text.find(bad) != std::string::npos)
            return false;
    }
    return true;
}

// Records the partial results of every method of a "Calc. todo".
class EveryPrintpar : public NullPartialResults {
public:
    void printpar(double Nq, double Nc, double Ngamma, const MethodResults& table,
                  int method) override {
        finite = finite && std::isfinite(Nq) && std::isfinite(Nc) && std::isfinite(Ngamma) &&
                 isFinite(table);
        ++calls;
        (void)method;
    }
    bool finite = true;
    int calls = 0;
};

// Runs "Calc. todo" on one problem and checks everything it produced. A refusal of a method
// for results beyond single precision is allowed only when `overflowAllowed`.
void checkCalcTodo(const TestFolder& folder, const char* fi, const char* c, const Base& base,
                   const std::vector<Loads>& states, bool overflowAllowed) {
    const std::string problem =
        std::string("fi=") + fi + " c=" + c + " Lx=" + base.Lx + " Ly=" + base.Ly;
    common::MemoryFields fields;
    fillFields(fields, fi, c, base, states);
    common::RecordingMessages messages;
    EveryPrintpar partial;
    NullComparison comparison;
    Driver driver(fields, messages, partial, comparison, folder.path());
    driver.calcTodo(CoefficientTexts{});

    int refused = 0;
    for (const common::Message& m : messages.shown) {
        refused += m.text.find("no da resultados finitos") != std::string::npos;
    }
    if (!overflowAllowed) {
        EXPECT_EQ(refused, 0) << problem;
    }
    EXPECT_FALSE(driver.writeFailed()) << problem;
    EXPECT_TRUE(partial.finite) << problem;
    EXPECT_EQ(partial.calls + refused, kMethods) << problem;
    for (int m = 1; m <= kMethods; ++m) {
        EXPECT_TRUE(isFinite(driver.tables().byMethod[m])) << problem << " m" << m;
        const std::string file = folder.read(methodFileName(m));
        EXPECT_TRUE(readsAsNumbers(file)) << problem << "\n" << file;
    }
    for (const auto& state : driver.labels().text) {
        for (const std::string& label : state) {
            EXPECT_TRUE(readsAsNumbers(label)) << problem << ": " << label;
        }
    }
    EXPECT_TRUE(readsAsNumbers(folder.read("res.sal"))) << problem;
    if (!overflowAllowed) {
        EXPECT_TRUE(driver.resultados()) << problem;
        EXPECT_TRUE(driver.comparar()) << problem;
    }
}

}  // namespace

TEST(Sweep, AllMethodsStayFiniteOverAwkwardProblems) {
    TestFolder folder;
    for (const Base& base : kBases) {
        for (const auto& states : kLoadSets) {
            for (const char* fi : kAngles) {
                for (const char* c : kCohesions) {
                    checkCalcTodo(folder, fi, c, base, states, false);
                }
            }
        }
    }
}

TEST(Sweep, LoadsAtTheEdgeOfSinglePrecision) {
    const std::vector<Loads> extreme = {
        {"3E38", "3E38", "3E38", "0", "0"}, {"1E39", "0", "0", "1E38", "0"},
        {"3E38", "0", "1E38", "0", "4E38"}, {"1E-38", "1E38", "0", "0", "0"},
        {"1E-45", "0", "0", "0", "0"},
    };
    TestFolder folder;
    for (const Base& base : kBases) {
        for (const char* fi : {"0", "30", "50"}) {
            checkCalcTodo(folder, fi, "10", base, extreme, true);
        }
    }
}
