#include <gtest/gtest.h>

#include <cmath>

#include "common/freeformat.h"
#include "marvecos/coords.h"
#include "marvecos/methods/slicemethod.h"
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
 5            -2.46410161513776            1.4450225794021            -2.46410161513776            10 
 6             0             .635083268962916            0             10 
 7             2.96647939483827            .103648727759587            2.96647939483827            8.51676030258087 
 8             5.93295878967653            .0217721532472943           5.93295878967653            7.03352060516174 
 9             8.8994381845148             .383823465181909            8.8994381845148             5.5502809077426 
 10            11.8659175793531            1.21545380389692            11.8659175793531            4.06704121032347 
 11            14.8323969741913            2.58380151290434            14.8323969741913            2.58380151290434 
)";

const char* const kErrores = R"(iter    fs prop       fs calc
------------------------------------------
              2.500         2.281
1             2.281         2.273
2             2.273         2.273
3             2.273         2.273
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
6             0.000         0.635         10.000        9.365
7             2.966         0.104         8.517         8.413
8             5.933         0.022         7.034         7.012
9             8.899         0.384         5.550         5.166
10            11.866        1.215         4.067         2.852
11            14.832        2.584         2.584         0.000
==========================================
==========================================
i            dxx            A              L1           w            cos           sen   
----------------------------------------------------------------------------------------------------------------------
1             2.464         4.176         4.191         75.176        0.588         0.809
2             2.464         11.197        3.376         201.542       0.730         0.684
3             2.464         16.090        2.973         289.628       0.829         0.560
4             2.464         19.610        2.738         352.984       0.900         0.436
5             2.464         22.078        2.594         397.408       0.950         0.312
6             2.966         26.369        3.014         474.643       0.984         0.176
7             2.966         22.879        2.968         411.818       1.000         0.028
8             2.966         18.063        2.988         325.138       0.993         -0.121
9             2.966         11.893        3.081         214.068       0.963         -0.270
10            2.966         4.230         3.267         76.133        0.908         -0.419
fs=            2.27267139705378               iter=      3                tanfi=     .363971158668809 
error=         1.2398705222072E-05        fs1=           2.272683795759 
)";

const char* const kResults = R"( 10 
 2.46410161513776            4.17642621040392            4.19078190448051            75.1756717872706            .587981353194089            .808874482411237            44.2018932247541            60.8076826068456 
 2.46410161513775            11.1967920661018            3.37639357041514            201.542257189832            .729802839553087            .683657674117867            147.086111587078            137.785910786865 
 2.46410161513775            16.0904307039282            2.97313332872725            289.627752670708            .828789476519236            .559560545080665            240.040433521399            162.064263154909 
 2.46410161513776            19.6102316880115            2.7378019924075             352.984170384208            .900029155494528            .43582969065887             317.696044773835            153.840981786027 
 2.46410161513776            22.0782200610707            2.59380000314581            397.407961099272            .949996766192169            .312259738398055            377.536277903332            124.094505970163 
 2.96647939483827            26.3690773250901            3.01370580375457            474.643391851622            .98432945616076             .176339223470735            467.205471771606            83.6982471446308 
 2.96647939483827            22.878764718788             2.96760910051406            411.817764938183            .999619321265864            .0275900806808114           411.660994672732            11.3620853604359 
 2.96647939483827            18.0631984260292            2.9884914509621             325.137571668526            .992634392138967           -.121148518533676            322.742735814727           -39.3899351272787 
 2.96647939483826            11.8926824157049            3.08084550412241            214.068283482688            .96287833676466            -.269935749002094            206.121712753876           -57.7846824394918 
 2.96647939483826            4.22958764187232            3.26686018261355            76.1325775537017            .908052144571742           -.418857138817832            69.1323503194133           -31.8886736049702 
 3             2.49980585408668            2.27267139705378 
 2.28094761257212            2.27299727334811 
 2.27299727334811            2.272683795759 
 2.272683795759              2.27267139705378 
 1.2398705222072E-05 
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
    const MethodOutcome outcome =
        runSliceMethod(SliceMethod::Bishop, kSmallSlope, folders(), messages);
    ASSERT_TRUE(outcome.computed);
    EXPECT_NEAR(outcome.fs, 2.27267139705378, 1e-13);
    EXPECT_EQ(outcome.resultsTitle, "Resultados: metodo de Bishop.   fs=2.273");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(file(temp, "coords.tmp"), kCoords);
    EXPECT_EQ(file(work, "errores.out"), kErrores);
    EXPECT_EQ(file(work, "Bishop.out"), kBishopFile);
    EXPECT_EQ(file(temp, "results.tmp"), kResults);
}

TEST_F(SlopeRun, TemporaryFilesReadBackAsTheResultsWindowReadsThem) {
    const MethodOutcome outcome =
        runSliceMethod(SliceMethod::Bishop, kSmallSlope, folders(), messages);
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
    const MethodOutcome outcome =
        runSliceMethod(SliceMethod::Janbu, kSmallSlope, folders(), messages);
    ASSERT_TRUE(outcome.computed);
    EXPECT_NEAR(outcome.fs, 2.03932974738729, 1e-13);
    EXPECT_EQ(outcome.resultsTitle, "Resultados: metodo de Jambu.   fs=2.039");
    EXPECT_TRUE(work.has("Janbu.out"));
    EXPECT_FALSE(work.has("Bishop.out"));
    EXPECT_EQ(file(temp, "coords.tmp"), kCoords);
}

TEST_F(SlopeRun, FewSlicesWarnBeforeTheResult) {
    // Centre below the face: the slip surface starts below the ground.
    const SlopeProblem p{25, 10, 18, 10, 20, 10, 0, 12, 10, kBishop};
    runSliceMethod(SliceMethod::Bishop, p, folders(), messages);
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
        EXPECT_FALSE(runSliceMethod(SliceMethod::Bishop, p, folders(), shown).computed);
        EXPECT_FALSE(runSliceMethod(SliceMethod::Janbu, p, folders(), shown).computed);
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
    EXPECT_FALSE(runSliceMethod(SliceMethod::Bishop, {20, 10, 18, 6, 8, 7, 7, 5, 10, kBishop},
                                folders(), messages)
                     .computed);
    // A weightless soil passes no check but leaves sum(W sen) = 0 after it.
    EXPECT_FALSE(runSliceMethod(SliceMethod::Janbu, {20, 10, 0, 10, 20, 5, 20, 20, 10, kJanbu},
                                folders(), messages)
                     .computed);
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const common::Message& m : messages.shown) {
        EXPECT_EQ(m.title, "Marvecos");
        EXPECT_EQ(m.text.find("nan"), std::string::npos);
    }
    EXPECT_TRUE(noFiles());
}

const std::string kLeansBackFromTheToe =
    "La suma de W*sen de las dovelas no es positiva: la masa no desliza hacia el pie del talud "
    "y no hay factor de seguridad. Revise la circunferencia.";

TEST_F(SlopeRun, CircleThatWouldNotSlideTowardTheToeHasNoFactor) {
    // A deep circle behind a steep face: more of its mass lies behind the centre than before it.
    const SlopeProblem p{0, 38.2, 20, 10, 5.7735, -2, 3.5, 8.525, 100, kBishop};
    const SliceGeometry g = computeSliceGeometry(geometryInput(p));
    ASSERT_EQ(g.status, GeometryStatus::Ok);
    EXPECT_LT(sliceQuantities(g, soilHeights(g, p.L), p.gam).sumWsen, 0);
    EXPECT_FALSE(runSliceMethod(SliceMethod::Bishop, p, folders(), messages).computed);
    EXPECT_FALSE(runSliceMethod(SliceMethod::Janbu, p, folders(), messages).computed);
    EXPECT_EQ(messages.shown, (std::vector<common::Message>{
                                  {kLeansBackFromTheToe, "Marvecos", common::MessageIcon::None},
                                  {kLeansBackFromTheToe, "Marvecos", common::MessageIcon::None}}));
    EXPECT_TRUE(noFiles());
}

TEST(DrivingWeight, JanbuAlsoNeedsItsTangentSumTowardTheToe) {
    SliceQuantities q;
    q.slices = 2;
    for (auto* v :
         {&q.dxx, &q.A, &q.L1, &q.w, &q.cos, &q.sen, &q.tanA, &q.secA, &q.wcos, &q.wsen}) {
        v->assign(3, 0.0);
    }
    q.w = {0, 10, 10};
    q.tanA = {0, 1, -1};
    q.wsen = {0, 7.07, -7.07};
    q.sumWsen = 0;
    q.sumWtan = 0;
    EXPECT_FALSE(drivesTowardToe(q));
    EXPECT_FALSE(drivesTowardToeByTangent(q));
    q.w[1] = 10.5;
    q.wsen[1] = 7.42;
    q.sumWsen = 0.35;
    q.sumWtan = 0.5;
    EXPECT_TRUE(drivesTowardToe(q));
    EXPECT_TRUE(drivesTowardToeByTangent(q));
    q.sumWtan = -0.5;
    EXPECT_FALSE(drivesTowardToeByTangent(q));
    q.sumWsen = 1e-14;
    EXPECT_FALSE(drivesTowardToe(q));
}

TEST_F(SlopeRun, FactorThatIsNotPositiveIsNoResult) {
    SlopeProblem p = kSmallSlope;
    p.fi = 0;
    p.c = -10;
    for (int method : {kBishop, kJanbu}) {
        p.method = method;
        common::RecordingMessages shown;
        const MethodOutcome outcome = method == kBishop
                                          ? runSliceMethod(SliceMethod::Bishop, p, folders(), shown)
                                          : runSliceMethod(SliceMethod::Janbu, p, folders(), shown);
        EXPECT_FALSE(outcome.computed);
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].text,
                  "El factor de seguridad calculado no es un numero positivo: no hay resultado. "
                  "Revise los datos del suelo y la circunferencia.");
    }
    EXPECT_TRUE(noFiles());
    EXPECT_FALSE(isSoundFactor(0));
    EXPECT_FALSE(isSoundFactor(-1e-300));
    EXPECT_FALSE(isSoundFactor(INFINITY));
    EXPECT_FALSE(isSoundFactor(NAN));
    EXPECT_TRUE(isSoundFactor(1e-6));
}

TEST_F(SlopeRun, FailedWriteIsReportedAndTheResultStillShown) {
    const SlopeFolders missing{work.file("no/such/folder"), temp.path()};
    const MethodOutcome outcome =
        runSliceMethod(SliceMethod::Bishop, kSmallSlope, missing, messages);
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
