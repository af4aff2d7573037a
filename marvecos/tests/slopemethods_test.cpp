#include "marvecos/slopemethods.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/freeformat.h"
#include "marvecos/coords.h"
#include "tempfolder.h"

namespace marvecos {
namespace {

// fi 20, c 10, gam 18, H 10, L 20, circle (5, 20) R 20, 10 slices: a crest-to-face circle
// that converges in four iterations.
const SlopeProblem kSmallSlope{20, 10, 18, 10, 20, 5, 20, 20, 10, kBishop};

// The four files of that slope, line ends shown as plain line ends.
const char* const kCoords = R"( 11 
 1            -12.3205080756888            10           -12.3205080756888            10 
 2            -9.85640646055102            6.61018345611494           -9.85640646055102            10 
 3            -7.39230484541326            4.30188608085841           -7.39230484541326            10 
 4            -4.92820323027551            2.6382379748383            -4.92820323027551            10 
 5            -2.46410161513775            1.4450225794021            -2.46410161513775            10 
 6             .502377779700511            .512275803381549            .502377779700511            9.74881111014975 
 7             3.46885717453878            .0586960895723116           3.46885717453878            8.26557141273061 
 8             6.43533656937704            .0515712665731733           6.43533656937704            6.78233171531148 
 9             9.40181596421531            .490412197660884            9.40181596421531            5.29909201789235 
 10            12.3682953590536            1.40676941729196            12.3682953590536            3.81585232047321 
 11            14.8323969741913            2.33261262305408            14.8323969741913            2.33261262305408 
)";

const char* const kErrores = R"(iter    fs prop       fs calc
------------------------------------------
              2.483         2.261
1             2.261         2.253
2             2.253         2.253
3             2.253         2.253
)";

const char* const kBishopFile = R"(CASO Nº:       1 
Xi=           -12.32
Xd=           14.83
i               X           Y              YS            DY              
-------------------------------------------------------------------------------------------
1             -12.321       10.000        10.000        0.000
2             -9.856        6.610         10.000        3.390
3             -7.392        4.302         10.000        5.698
4             -4.928        2.638         10.000        7.362
5             -2.464        1.445         10.000        8.555
6             0.502         0.512         9.749         9.237
7             3.469         0.059         8.266         8.207
8             6.435         0.052         6.782         6.731
9             9.402         0.490         5.299         4.809
10            12.368        1.407         3.816         2.409
11            14.832        2.333         2.333         0.000
==========================================
==========================================
i            dxx            A              L1           w            cos           sen   
----------------------------------------------------------------------------------------------------------------------
1             2.464         4.176         4.191         75.176        0.588         0.809
2             2.464         11.197        3.376         201.542       0.730         0.684
3             2.464         16.090        2.973         289.628       0.829         0.560
4             2.464         19.610        2.738         352.984       0.900         0.436
5             2.966         26.389        3.110         475.003       0.954         0.300
6             2.966         25.873        3.001         465.710       0.989         0.151
7             2.966         22.156        2.966         398.810       1.000         0.002
8             2.966         17.116        2.999         308.084       0.989         -0.146
9             2.966         10.706        3.105         192.702       0.955         -0.295
10            2.464         2.968         2.632         53.426        0.936         -0.352
fs=            2.25262098227359               iter=      3                tanfi=     .363971158668809 
error=         1.37495265515319E-05       fs1=           2.25263473180014 
)";

const char* const kResults = R"( 10 
 2.46410161513776            4.17642621040392            4.19078190448051            75.1756717872706            .587981353194089            .808874482411237            44.2018932247541            60.8076826068456 
 2.46410161513776            11.1967920661018            3.37639357041514            201.542257189832            .729802839553087            .683657674117867            147.086111587078            137.785910786866 
 2.46410161513776            16.0904307039282            2.97313332872725            289.627752670708            .828789476519236            .559560545080664            240.040433521399            162.064263154909 
 2.46410161513775            19.6102316880115            2.7378019924075             352.984170384208            .900029155494528            .435829690658871            317.696044773835            153.840981786028 
 2.96647939483827            26.3890779543671            3.10966502185955            475.003403178609            .953954645913708            .299950885212316            453.131703287056            142.477691262286 
 2.96647939483827            25.8727591046899            3.00095560726567            465.709663884417            .988511588660647            .151145092820123            460.359399701002            70.3897303750384 
 2.96647939483827            22.1560943624651            2.96648795094515            398.809698524372            .999997115745276            .00240177041570935          398.808548255615            .957849335413801 
 2.96647939483827            17.1157558929329            2.99876330556413            308.083606072792            .989234258447152           -.14634063657957             304.766857593143           -45.0851510324218 
 2.96647939483826            10.7056721979178            3.10478832675756            192.70209956252             .95545302372876            -.29514321853563             184.11780370589            -56.8747178834554 
 2.46410161513775            2.96811253636484            2.63229603414592            53.426025654567             .93610353211555            -.35172457571343             50.0122913221362           -18.7912462054074 
 3             2.48328908153044            2.25262098227359 
 2.26126659853675            2.25297188695244 
 2.25297188695244            2.25263473180014 
 2.25263473180014            2.25262098227359 
 1.37495265515319E-05 
)";

class SlopeRun : public ::testing::Test {
protected:
    SlopeFolders folders() const { return SlopeFolders{work.path(), temp.path()}; }
    std::string file(const TempFolder& folder, const std::string& name) {
        bool onlyCrLf = false;
        const std::string text = unixLines(folder.read(name), &onlyCrLf);
        EXPECT_TRUE(onlyCrLf) << name;
        return text;
    }
    bool noFiles() const {
        return !work.has("errores.out") && !work.has("Bishop.out") && !work.has("Janbu.out") &&
               !temp.has("results.tmp");
    }
    TempFolder work, temp;
    common::RecordingMessages messages;
};

TEST_F(SlopeRun, BishopWritesEveryFileByteForByte) {
    const MethodOutcome outcome = runBishop(kSmallSlope, folders(), messages);
    ASSERT_TRUE(outcome.computed);
    EXPECT_NEAR(outcome.fs, 2.25262098227359, 1e-13);
    EXPECT_EQ(outcome.resultsTitle, "Resultados: metodo de Bishop.   fs=2.253");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(file(temp, "coords.tmp"), kCoords);
    EXPECT_EQ(file(work, "errores.out"), kErrores);
    EXPECT_EQ(file(work, "Bishop.out"), kBishopFile);
    EXPECT_EQ(file(temp, "results.tmp"), kResults);
}

TEST_F(SlopeRun, TemporaryFilesReadBackAsTheResultsWindowReadsThem) {
    const MethodOutcome outcome = runBishop(kSmallSlope, folders(), messages);
    auto coords = common::FreeFormatReader::fromFile(temp.file("coords.tmp"));
    ASSERT_TRUE(coords);
    double p = 0;
    std::vector<double> points;
    ASSERT_TRUE(coords->readNumber(p));
    EXPECT_EQ(p, 11);
    ASSERT_TRUE(coords->readNumbers(points, 5 * 11));
    EXPECT_TRUE(coords->atEnd());

    auto results = common::FreeFormatReader::fromFile(temp.file("results.tmp"));
    ASSERT_TRUE(results);
    double n = 0, iter = 0, fs0 = 0, fs = 0, error = 0;
    std::vector<double> slices, history;
    ASSERT_TRUE(results->readNumber(n));
    ASSERT_TRUE(results->readNumbers(slices, 8 * static_cast<std::size_t>(n)));
    ASSERT_TRUE(results->readNumber(iter) && results->readNumber(fs0) && results->readNumber(fs));
    ASSERT_TRUE(results->readNumbers(history, 2 * static_cast<std::size_t>(iter)));
    ASSERT_TRUE(results->readNumber(error));
    EXPECT_TRUE(results->atEnd());
    EXPECT_EQ(iter, 3);
    EXPECT_NEAR(fs, outcome.fs, 1e-13);
    EXPECT_NEAR(history.back(), outcome.fs, 1e-13);
}

TEST_F(SlopeRun, JanbuWritesItsOwnReportAndTitle) {
    const MethodOutcome outcome = runJanbu(kSmallSlope, folders(), messages);
    ASSERT_TRUE(outcome.computed);
    EXPECT_NEAR(outcome.fs, 2.01693366804735, 1e-13);
    EXPECT_EQ(outcome.resultsTitle, "Resultados: metodo de Jambu.   fs=2.017");
    EXPECT_TRUE(work.has("Janbu.out"));
    EXPECT_FALSE(work.has("Bishop.out"));
    EXPECT_EQ(file(temp, "coords.tmp"), kCoords);
}

TEST_F(SlopeRun, FewSlicesWarnBeforeTheResult) {
    // Centre below the face: the slip surface starts below the ground.
    const SlopeProblem p{25, 10, 18, 10, 20, 10, 0, 12, 10, kBishop};
    runBishop(p, folders(), messages);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown[0],
              (common::Message{
                  "Es recomendado que aumente el numero de dovelas para mejorar la presicion.",
                  "Advertencia", common::MessageIcon::Information}));
}

TEST_F(SlopeRun, BrokenCirclesGiveAMessageAndNoResult) {
    const std::vector<SlopeProblem> broken = {
        {20, 10, 18, 10, 20, 100, 100, 5, 10, kBishop},   // far from the slope
        {20, 10, 18, 10, 20, 10, 4, 3, 10, kBishop},      // below the crest level
        {20, 10, 18, 10, 20, 5, 20, 1e200, 10, kBishop},  // out of range
    };
    for (const SlopeProblem& p : broken) {
        common::RecordingMessages shown;
        EXPECT_FALSE(runBishop(p, folders(), shown).computed);
        EXPECT_FALSE(runJanbu(p, folders(), shown).computed);
        ASSERT_EQ(shown.shown.size(), 2u);
        EXPECT_EQ(shown.shown[0].title, "Marvecos");
        EXPECT_FALSE(shown.shown[0].text.empty());
    }
    EXPECT_TRUE(noFiles());
    EXPECT_FALSE(temp.has("coords.tmp"));
}

TEST_F(SlopeRun, SlicesWithoutWidthOrWeightGiveAMessageAndNoResult) {
    // A circle that only touches the face (H 6, L 8, tangent at (4, 3)): every slice has
    // zero width.
    EXPECT_FALSE(runBishop({20, 10, 18, 6, 8, 7, 7, 5, 10, kBishop}, folders(), messages).computed);
    // A weightless soil passes no check but leaves sum(W sen) = 0 after it.
    EXPECT_FALSE(
        runJanbu({20, 10, 0, 10, 20, 5, 20, 20, 10, kJanbu}, folders(), messages).computed);
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const common::Message& m : messages.shown) {
        EXPECT_EQ(m.title, "Marvecos");
        EXPECT_EQ(m.text.find("nan"), std::string::npos);
    }
    EXPECT_TRUE(noFiles());
}

TEST_F(SlopeRun, FailedWriteIsReportedAndTheResultStillShown) {
    const SlopeFolders missing{work.file("no/such/folder"), temp.path()};
    const MethodOutcome outcome = runBishop(kSmallSlope, missing, messages);
    EXPECT_TRUE(outcome.computed);
    ASSERT_EQ(messages.shown.size(), 2u);  // errores.out and Bishop.out
    EXPECT_EQ(messages.shown[0].text,
              "No se pudo escribir el archivo " + work.file("no/such/folder/errores.out") + ".");
    EXPECT_EQ(messages.shown[0].title, "Marvecos");
    EXPECT_TRUE(temp.has("results.tmp"));
}

TEST_F(SlopeRun, RedrawWithABrokenCircleIsSilent) {
    const SlopeProblem p{20, 10, 18, 10, 0, 100, 100, 5, 10, kNoMethod};
    EXPECT_FALSE(prepareSliceGeometry(p, temp.path(), messages, false));
    EXPECT_TRUE(messages.shown.empty());
}

// Purely cohesive soil on a 60 degree slope: Taylor's chart gives the stability number
// c / (F gam H) = 0.191 for the critical toe circle. Bishop's method is exact for fi = 0 up
// to the chords of the slices; the least factor over toe circles near the critical one must
// agree within 1 %.
TEST(SlopeBenchmark, TaylorChartForACohesiveSlope) {
    const double H = 10, gam = 20, c = 20;
    const double L = H / std::tan(60 * M_PI / 180);
    double least = 1e9;
    for (double Xcr = 4; Xcr <= 7; Xcr += 0.25) {
        for (double Ycr = 13; Ycr <= 16; Ycr += 0.25) {
            const double R = std::hypot(Xcr - L, Ycr);
            const SliceGeometry g = computeSliceGeometry({H, L, Xcr, Ycr, R, 100});
            ASSERT_EQ(g.status, GeometryStatus::Ok);
            const SliceQuantities q = sliceQuantities(g, soilHeights(g, L), gam);
            const Iteration it = iterateFactor(SliceMethod::Bishop, q, c, 0);
            ASSERT_TRUE(it.converged);
            least = std::min(least, it.result);
        }
    }
    const double taylor = c / (0.191 * gam * H);
    EXPECT_NEAR(least, taylor, 0.01 * taylor);
}

}  // namespace
}  // namespace marvecos
