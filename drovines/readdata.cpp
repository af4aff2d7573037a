#include "drovines/readdata.h"

#include "common/fieldvalue.h"
#include "common/numbertext.h"
#include "drovines/section.h"

namespace drovines {

namespace {

double valueOf(const common::FieldTexts& fields, const std::string& name) {
    return common::fieldValue(fields.text(name));
}

// A failed check: the message and the error flag. The field keeps what the user typed, so that
// the user corrects it knowing what was wrong.
int rejectField(common::FieldTexts&, common::MessageSink& messages, const std::string& text,
                const std::string&) {
    messages.show(text, kProgramTitle, common::MessageIcon::None);
    return 1;
}

}  // namespace

int readdata(common::FieldTexts& fields, common::MessageSink& messages, WallRecord& r) {
    r.gam = valueOf(fields, field::gam);
    if (r.gam < 0) {
        return rejectField(fields, messages, "El peso especifico no puede ser negativo.",
                           field::gam);
    }
    const double fiDegrees = valueOf(fields, field::fi);
    r.fi = radians(fiDegrees);
    if (fiDegrees < 0) {
        return rejectField(fields, messages, "El angulo de friccion no puede ser negativo.",
                           field::fi);
    }
    r.co = valueOf(fields, field::co);
    if (r.co < 0) {
        return rejectField(fields, messages, "La cohesion no puede ser negativa.", field::co);
    }

    r.beta = radians(valueOf(fields, field::beta));
    r.b1 = valueOf(fields, field::b1);
    r.H = valueOf(fields, field::H);
    const double alfaDegrees = valueOf(fields, field::alfa);
    r.alfa = radians(alfaDegrees);
    const double alfa2Degrees = valueOf(fields, field::alfa2);
    r.alfa2 = radians(alfa2Degrees);

    const double deltaDegrees = valueOf(fields, field::delta);
    r.delta = radians(deltaDegrees);
    if (deltaDegrees > fiDegrees) {
        messages.show("El angulo delta no puede ser mayor que fi", kProgramTitle,
                      common::MessageIcon::None);
        r.delta = r.fi;
        return 1;
    }
    if (deltaDegrees < 0) {
        return rejectField(fields, messages, "El angulo delta no puede ser negativo.",
                           field::delta);
    }
    if (alfa2Degrees < 0) {
        return rejectField(fields, messages,
                           "No es bueno esteticamente ni estructuralmente que el angulo del "
                           "frente sea negativo.",
                           field::alfa2);
    }

    r.q = valueOf(fields, field::q);
    const SectionGeometry g = sectionGeometry(r.b1, r.H, r.alfa, r.alfa2);
    r.xa = g.xa;
    r.xf = g.xf;
    r.B = g.B;
    r.psi = g.psi;
    r.w = valueOf(fields, field::w) / 100;
    r.hn = valueOf(fields, field::hn);
    r.delta2 = valueOf(fields, field::delta2);

    if (r.B < 0) {
        messages.show(
            "Hay un error en la forma del muro, por favor corrija esto antes de continuar.",
            kProgramTitle, common::MessageIcon::None);
        return 1;
    }
    if (r.hn < 0) {
        messages.show("La napa por debajo del nivel de fundacion no afecta a la estructura.  ",
                      kProgramTitle, common::MessageIcon::None);
        r.hn = 0;
        fields.setText(field::hn, "0");
    }
    r.df = valueOf(fields, field::df);
    if (r.df < 0) {
        return rejectField(fields, messages, "La profundidad de fundacion no puede ser negativa.",
                           field::df);
    }
    if (r.delta2 <= 0) {
        r.delta2 = 0;
    }
    // Lengths, loads and weights below zero describe no wall.
    const struct {
        double value;
        const char* text;
        const std::string& name;
    } notNegative[] = {
        {r.b1, "El ancho superficial b1 no puede ser negativo.", field::b1},
        {r.H, "La altura total H no puede ser negativa.", field::H},
        {r.w, "La humedad w no puede ser negativa.", field::w},
        {r.q, "La sobrecarga q no puede ser negativa.", field::q},
        {valueOf(fields, field::gm), "El peso especifico del muro gm no puede ser negativo.",
         field::gm},
    };
    for (const auto& check : notNegative) {
        if (check.value < 0) {
            return rejectField(fields, messages, check.text, check.name);
        }
    }
    r.gm = valueOf(fields, field::gm);
    return 0;
}

int readSeismic(common::FieldTexts& fields, common::MessageSink& messages, WallRecord& r) {
    r.kh = valueOf(fields, field::kh);
    r.kv = valueOf(fields, field::kv);
    if (r.kh < 0) {
        return rejectField(fields, messages, "El coeficiente sismico kh no puede ser negativo.",
                           field::kh);
    }
    if (r.kv >= 1) {
        return rejectField(fields, messages, "El coeficiente sismico kv debe ser menor que 1.",
                           field::kv);
    }
    return 0;
}

}  // namespace drovines
