#include "drovines/ui/wallsection.h"

#include <cmath>

#include "drovines/resultados.h"
#include "drovines/sectionfigure.h"
#include "drovines/wall.h"

namespace drovines {

namespace {

bool allFinite(const SectionInput& in) {
    for (double v :
         {in.H, in.b1, in.alfa, in.alfa2, in.B, in.beta, in.xf, in.xa, in.hn, in.df, in.q}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

}  // namespace

common::Figure grafmuro(const SectionInput& in) {
    if (!allFinite(in)) {
        return common::Figure();
    }
    WallRecord r;
    r.H = in.H;
    r.b1 = in.b1;
    r.alfa = in.alfa;
    r.alfa2 = in.alfa2;
    r.B = in.B;
    r.beta = in.beta;
    r.xf = in.xf;
    r.xa = in.xa;
    r.hn = in.hn;
    r.df = in.df;
    r.q = in.q;
    common::Figure f = wallSectionFigure(r, Resultados{}, false);
    if (f.drawable() && in.napaBajoBase) {
        f.text({1.1 * r.B, 0.05 * (f.top() - f.bottom())},
               "Profundidad de la napa: " + in.keptHn.toStdString() + " m", common::kWaterBlue);
    }
    return f;
}

}  // namespace drovines
