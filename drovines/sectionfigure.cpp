#include "drovines/sectionfigure.h"

#include <algorithm>
#include <cmath>

#include "common/patterntext.h"

namespace drovines {

namespace {

using common::Figure;
using common::FigurePoint;
using common::TextAnchor;

constexpr common::Rgb kWall{200, 200, 200};
constexpr common::Rgb kSoil{150, 100, 40};
constexpr common::Rgb kLoad{200, 0, 0};
constexpr common::Rgb kSeismic{200, 0, 200};

std::string figure(double value, const char* pattern) {
    return common::formatPattern(value, pattern);
}

// The back face's x at the height y above the base.
double backFaceX(const WallRecord& r, double y) {
    return r.B - r.xa * y / r.H;
}

// An arrow of the thrust T at the angle (degrees below the horizontal, pushing the wall towards
// the front), its tip on the back face at the height y.
void thrustArrow(Figure& f, const WallRecord& r, double y, double angle, double length,
                 const std::string& label, common::Rgb colour) {
    const double a = radians(angle);
    const FigurePoint tip{backFaceX(r, y), y};
    const FigurePoint tail{tip.x + length * std::cos(a), tip.y + length * std::sin(a)};
    f.arrow(tail, tip, colour);
    f.text({tail.x + 0.03 * length, tail.y}, label, colour);
}

}  // namespace

common::Figure wallSectionFigure(const WallRecord& r, const Resultados& res, bool seismic) {
    const double size = std::max(r.H, r.B);
    if (!std::isfinite(size) || r.H <= 0 || r.B <= 0) {
        return Figure();
    }
    const double right = r.B + 1.6 * size;
    const double rise = std::tan(r.beta) * (right - (r.xf + r.b1));
    const double top = r.H + std::max(0.0, std::min(rise, size)) + 0.35 * size;
    Figure f(-0.5 * size, -0.3 * size, right + 0.1 * size, top, true);

    // Ground in front, backfill surface and its surcharge.
    f.line({-0.45 * size, r.df}, {r.df * std::tan(r.alfa2), r.df}, kSoil);
    const FigurePoint crestBack{r.xf + r.b1, r.H};
    const FigurePoint far{right, r.H + std::min(rise, size)};
    f.line(crestBack, far, kSoil);
    f.text({-0.45 * size, r.df + 0.06 * size}, "df = " + figure(r.df, "##0.00") + " m");
    if (r.q != 0) {
        for (int k = 1; k <= 5; ++k) {
            const double x = crestBack.x + (far.x - crestBack.x) * (k - 0.5) / 5;
            const double y = crestBack.y + (far.y - crestBack.y) * (k - 0.5) / 5;
            f.arrow({x, y + 0.15 * size}, {x, y}, kLoad);
        }
        f.text({crestBack.x + 0.2 * size, crestBack.y + 0.24 * size},
               "q = " + figure(r.q, "###0.00") + " kN/m", kLoad);
    }
    // A water table below the base (only the window shows one) starts under the heel.
    if (r.hn != 0) {
        f.line({r.hn > 0 ? backFaceX(r, r.hn) : r.B, r.hn}, {right, r.hn}, common::kWaterBlue,
               true);
        f.text({right, r.hn + 0.06 * size}, "hn = " + figure(r.hn, "##0.00") + " m",
               common::kWaterBlue, TextAnchor::Right);
    }

    f.polygon({{0, 0}, {r.B, 0}, crestBack, {r.xf, r.H}}, common::kBlack, true, kWall);
    f.text({r.B / 2, -0.1 * size}, "B = " + figure(r.B, "##0.000") + " m", common::kBlack,
           TextAnchor::Centre);
    f.text({r.xf + r.b1 / 2, r.H + 0.06 * size}, "H = " + figure(r.H, "##0.00") + " m",
           common::kBlack, TextAnchor::Centre);

    const double Ea = res[idx::Ea];
    if (std::isfinite(Ea) && Ea > 0) {
        thrustArrow(f, r, r.H / 3, res[idx::d], 0.6 * size,
                    "Ea = " + figure(Ea, "####0.00") + " kN/m", kLoad);
    }
    const double dPae = res[idx::dPae];
    if (seismic && std::isfinite(dPae) && dPae != 0) {
        thrustArrow(f, r, std::clamp<double>(res[idx::ydPae], 0, r.H), res[idx::d], 0.6 * size,
                    "dPae = " + figure(dPae, "####0.00") + " kN/m", kSeismic);
    }
    return f;
}

}  // namespace drovines
