#include "fendrolas/moduloi.h"

#include <cmath>

#include "common/fieldvalue.h"
#include "common/numbertext.h"

namespace fendrolas {

namespace {

using common::MessageIcon;

double valueOf(const common::FieldTexts& fields, const std::string& name) {
    return common::fieldValue(fields.text(name));
}

float singleOf(const common::FieldTexts& fields, const std::string& name) {
    return common::toSingle(valueOf(fields, name));
}

// "estado" followed by the state number as a printed number: two blanks before the digit.
std::string withState(const std::string& text, int state) {
    return text + common::numberInText(state);
}

// The checks after a failed one are not run; the method then finds nothing to compute.
void errorExit(WindowData& data) {
    data.Lx = 1;
    data.Ly = 1;
    data.df = 1;
    for (int i = 1; i <= kStates; ++i) {
        data.V[i] = 0;
    }
}

// Step 7 for one state; false when the resultant leaves the base.
bool checkState(int i, common::FieldTexts& fields, common::MessageSink& messages,
                WindowData& data) {
    data.V[i] = singleOf(fields, loadField(kColumnV, i));
    if (data.V[i] < 0) {
        messages.show(withState("La carga vertical no puede ser negativa para el estado ", i) +
                          ". Se toma el valor absoluto.",
                      "ERROR", MessageIcon::Information);
        data.V[i] = std::fabs(data.V[i]);
    }
    data.Qx[i] = std::fabs(singleOf(fields, loadField(kColumnQx, i)));
    data.Qy[i] = std::fabs(singleOf(fields, loadField(kColumnQy, i)));
    data.Mxz[i] = std::fabs(singleOf(fields, loadField(kColumnMxz, i)));
    data.Myz[i] = std::fabs(singleOf(fields, loadField(kColumnMyz, i)));

    if (data.V[i] == 0 && (data.Mxz[i] != 0 || data.Myz[i] != 0)) {
        messages.show(withState("La base es inestable para el estado ", i), "Advertencia",
                      MessageIcon::Critical);
        fields.setText(loadField(kColumnMxz, i), "0");
        fields.setText(loadField(kColumnMyz, i), "0");
    }
    if (data.V[i] > 0) {
        const double ex = static_cast<double>(data.Mxz[i]) / data.V[i];
        const double ey = static_cast<double>(data.Myz[i]) / data.V[i];
        if (ex >= 0.5 * data.Lx) {
            messages.show(withState("La carga no puede salir de la base en X-X en el estado ", i),
                          "ERROR", MessageIcon::Critical);
            return false;
        }
        if (ey >= 0.5 * data.Ly) {
            messages.show(withState("La carga no puede salir de la base en Y-Y en el estado ", i),
                          "ERROR", MessageIcon::Critical);
            return false;
        }
    }
    return true;
}

}  // namespace

void validar(common::FieldTexts& fields, common::MessageSink& messages, double& fi, double& c,
             double& g, WindowData& data) {
    fi = 0;
    c = 0;
    g = 0;

    fi = valueOf(fields, soilField(kFieldFi));
    c = valueOf(fields, soilField(kFieldC));
    if (fi == 0 && c == 0) {
        messages.show("El angulo fi y la cohesion c no pueden ser nulos simultaneamente.", "ERROR",
                      MessageIcon::Critical);
        fi = 1;
        errorExit(data);
        return;
    }

    g = valueOf(fields, soilField(kFieldG));
    if (g == 0) {
        messages.show("El peso especifico no puede ser nulo.", "ERROR", MessageIcon::Critical);
        g = 1;
        errorExit(data);
        return;
    }

    data.w = singleOf(fields, soilField(kFieldW));

    data.Lx = singleOf(fields, soilField(kFieldLx));
    if (data.Lx <= 0) {
        messages.show("Lx no puede ser nulo o negativo.", "ERROR", MessageIcon::Information);
        errorExit(data);
        return;
    }
    data.Ly = singleOf(fields, soilField(kFieldLy));
    if (data.Ly <= 0) {
        messages.show("Ly no puede ser nulo o negativo.", "ERROR", MessageIcon::Information);
        errorExit(data);
        return;
    }
    data.df = singleOf(fields, soilField(kFieldDf));
    if (data.df < 0) {
        messages.show("df no puede ser negativo.", "ERROR", MessageIcon::Information);
        data.df = 0;
        fields.setText(soilField(kFieldDf), "0");
    }

    for (int i = 1; i <= kStates; ++i) {
        if (!checkState(i, fields, messages, data)) {
            errorExit(data);
            return;
        }
    }
}

MethodInput prepareMethodInput(double fi, double c, double g, const WindowData& data) {
    MethodInput in;
    in.phi = common::toSingle(fi * 3.14159 / 180);
    const float moisture = data.w / 100.0f + 1.0f;
    in.gamma = common::toSingle(g * static_cast<double>(moisture));
    in.c = common::toSingle(c);
    in.w = data.w;
    in.Lx = data.Lx;
    in.Ly = data.Ly;
    in.df = data.df;
    in.V = data.V;
    in.Qx = data.Qx;
    in.Qy = data.Qy;
    in.Mxz = data.Mxz;
    in.Myz = data.Myz;
    return in;
}

}  // namespace fendrolas
