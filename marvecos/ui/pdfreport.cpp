#include "marvecos/ui/pdfreport.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <sstream>

#include "common/patterntext.h"
#include "common/safefile.h"
#include "common/ui/pdfreport.h"
#include "marvecos/folders.h"
#include "marvecos/geometry/slicegeometry.h"
#include "marvecos/methods/modelmethods.h"
#include "marvecos/methods/modelreport.h"
#include "marvecos/modelfigure.h"
#include "marvecos/search/searchmap.h"
#include "marvecos/search/searchsummary.h"
#include "marvecos/slopefigure.h"
#include "marvecos/ui/identity.h"
#include "marvecos/ui/modellayer.h"
#include "marvecos/ui/searchmaplayer.h"
#include "marvecos/ui/slopecanvas.h"

namespace marvecos {

namespace {

using Lines = std::vector<std::string>;

// The drawing on the page: 170 mm across at 300 dpi, three quarters as tall.
constexpr int kPictureWidth = 2008;
constexpr int kPictureHeight = 1506;
constexpr double kPictureDpi = 300;
constexpr double kPictureHeightMm = 127;

Lines splitLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// A long line broken at blanks into lines of at most `width` characters, so that one line does
// not shrink the print of the whole block.
Lines wrapped(const std::string& line, std::size_t width) {
    Lines lines;
    std::string rest = line;
    while (rest.size() > width) {
        std::size_t cut = rest.rfind(' ', width);
        if (cut == std::string::npos || cut == 0) {
            cut = width;
        }
        lines.push_back(rest.substr(0, cut));
        rest = "    " + rest.substr(rest[cut] == ' ' ? cut + 1 : cut);
    }
    lines.push_back(rest);
    return lines;
}

constexpr std::size_t kSummaryWidth = 96;

std::string value(double v) {
    return common::formatPattern(v, "####0.000");
}

std::string methodName(int method) {
    if (method == kBishop) {
        return "Bishop simplificado";
    }
    switch (method) {
        case kJanbu:
            return "Janbu simplificado";
        case kSpencer:
            return "Spencer";
        case kMorgensternPrice:
            return "Morgenstern-Price";
        case kOrdinary:
            return "Ordinario";
        case kJanbuCorrected:
            return "Janbu corregido";
        default:
            return "ninguno";
    }
}

Lines dataLines(const SlopeData& d) {
    const SlopeProblem& p = d.problem;
    return {"Angulo de friccion interna  fi= " + value(p.fi) + " º",
            "Cohesion                     c= " + value(p.c) + " kN/m2",
            "Peso especifico            gam= " + value(p.gam) + " kN/m3",
            "Altura del talud             H= " + value(p.H) + " m",
            "Longitud del talud           L= " + value(p.L) + " m",
            "Centro de la circunferencia Xcr= " + value(p.Xcr) + " m  Ycr= " + value(p.Ycr) + " m",
            "Radio                        R= " + value(p.R) + " m",
            "Numero de dovelas            n= " + value(p.n),
            "Metodo de calculo: " + methodName(p.method)};
}

std::optional<SliceGeometry> geometryOf(const SlopeProblem& p) {
    GeometryInput in;
    in.H = p.H;
    in.L = p.L;
    in.Xcr = p.Xcr;
    in.Ycr = p.Ycr;
    in.R = p.R;
    in.n = p.n;
    SliceGeometry g = computeSliceGeometry(in);
    if (g.status != GeometryStatus::Ok) {
        return std::nullopt;
    }
    return g;
}

}  // namespace

namespace {

// Paints the drawing of the report on a painter whose device is width x height pixels; false when
// the problem gives nothing to draw.
bool paintSlope(QPainter& painter, const SlopeData& data, const std::optional<SearchResult>& search,
                int width, int height) {
    const SlopeProblem& p = data.problem;
    const std::optional<SliceGeometry> g = geometryOf(p);
    const double s = scaleToShow(problemExtent(p, data.ground, g), p.H, p.L, width, height);
    const SlopeFigure slope = slopeFigure(p, s, g);
    if (!slope.window) {
        return false;
    }
    const UserWindow shown = equalScaleWindow(*slope.window, width, height);

    ModelLayer model;
    model.setFigure(modelFigure(p, data.ground, g, shown));
    SearchMapLayer map;
    map.avoidLegendOf(&model);
    if (search && search->found) {
        map.setMap(searchMap(*search), p.H, p.L);
    }
    SlopeLayer lines;
    lines.setFigure(slope);

    painter.setRenderHint(QPainter::Antialiasing);
    const CanvasMapping mapping(shown, QSizeF(width, height));
    for (const CanvasLayer* layer :
         std::initializer_list<const CanvasLayer*>{&model, &map, &lines, &model.legend()}) {
        layer->paint(painter, mapping);
    }
    return true;
}

}  // namespace

QImage slopePicture(const SlopeData& data, const std::optional<SearchResult>& search, int width,
                    int height, double dpi) {
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!paintSlope(painter, data, search, width, height)) {
        return QImage();
    }
    return image;
}

QByteArray slopeSvg(const SlopeData& data, const std::optional<SearchResult>& search, int width,
                    int height, double dpi) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(static_cast<int>(dpi));
    bool drawn = false;
    {
        QPainter painter(&svg);
        painter.fillRect(QRect(0, 0, width, height), Qt::white);
        drawn = paintSlope(painter, data, search, width, height);
    }
    return drawn ? bytes : QByteArray();
}

std::string methodReportText(const std::string& workFolder, int method) {
    std::string text;
    const std::string name = method == kBishop  ? std::string("Bishop.out")
                             : method == kJanbu ? std::string("Janbu.out")
                                                : modelReportName(sliceMethodOf(method));
    common::readWholeFile(pathIn(workFolder, name), text);
    return text;
}

bool writePdfReport(const std::string& path, const SlopeReport& r, std::string* error) {
    const common::ProgramIdentity identity = marvecosIdentity();
    common::PdfReport pdf(
        {identity.title.toStdString(), identity.versionText().toStdString(), r.dataFile, ""});
    pdf.heading("Datos");
    pdf.lines(dataLines(r.data));
    pdf.heading("Archivo de talud (terreno, agua, cargas y sismo)");
    pdf.lines(splitLines(slopeFileText(r.data)));
    pdf.image(slopePicture(r.data, r.search, kPictureWidth, kPictureHeight, kPictureDpi),
              kPictureHeightMm,
              r.search ? "Talud, circulo critico y mapa de la busqueda" : "Talud y circulo");
    pdf.pageBreak();
    pdf.heading(r.resultsTitle);
    Lines summary = {"Metodo de calculo: " + methodName(r.data.problem.method),
                     "Factor de seguridad calculado: " + r.fsText};
    if (r.search && r.search->found) {
        summary.push_back(criticalCircleLine(r.search->critical));
        for (const std::string& line : wrapped(searchCountsLine(*r.search), kSummaryWidth)) {
            summary.push_back(line);
        }
    }
    pdf.lines(summary);
    pdf.heading("Dovelas e iteracion");
    pdf.lines(splitLines(r.methodReport));
    return pdf.write(path, error);
}

}  // namespace marvecos
