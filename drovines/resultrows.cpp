#include "drovines/resultrows.h"

#include "drovines/resultados.h"

namespace drovines {

namespace {

const std::vector<ResultBlock> kBlocks = {
    {1,
     "Calculos",
     {
         {idx::ka, "Coeficiente de empuje activo", "ka=", "",
          "Coeficiente de empuje activo   ka= ", ""},
         {idx::zo, "Profundidad grieta de coehesin", "zo=", "m",
          "Profundidad grieta de traccion zo= ", " m"},
         {idx::S1, "Tension a la altura de la napa", "S1=", "kN/m2",
          "Tension en la napa             S1= ", "kN/m2"},
         {idx::S2, "Tension  en la base", "S2=", "kN/m2",
          "Tension en la base             S2= ", "kN/m2"},
         {idx::S3, "Tension del agua en la base", "S3=", "kN/m2",
          "Tension del agua en la base    S3= ", "kN/m2"},
         {idx::E1, "Empuje del suelo sobre la napa", "E1=", "kN/m",
          "Empuje del suelo sobre la napa E1= ", "kN/m"},
         {idx::E2, "Empuje del suelo sumergido", "E2=", "kN/m",
          "Empuje del suelo sumergido     E2= ", "kN/m"},
         {idx::Ew, "Empuje del agua", "Ew=", "kN/m", "Empuje del agua                Ew= ", "kN/m"},
         {idx::Eq, "Empuje de la sobrecarga", "Eq=", "kN/m",
          "Empuje de la sobrecarga        Eq= ", "kN/m"},
         {idx::Ea, "Empuje activo total", "Ea=", "kN/m",
          "Empuje activo total            Ea= ", "kN/m"},
         {idx::d, "Angulo del empuje con la horizontal", "d=", "º",
          "Angulo del empuje con la horiz. d= ", "º"},
         {idx::Pm, "Peso del muro", "Pm=", "kN/m", "Peso del muro                  Pm= ", "kN/m"},
         {idx::Wm, "Peso de la cuña de suelo estabilizante", "Es=", "kN/m",
          "Peso cuña de suelo estabiliz.  Wm= ", "kN/m"},
         {idx::Eah, "Empuje activo horizontal", "Eah=", "kN/m",
          "Empuje activo horizontal      Eah= ", "kN/m"},
         {idx::Eav, "Empuje activo vertical", "Eav=", "kN/m",
          "Empuje activo vertical        Eav= ", "kN/m"},
         {idx::Es, "Fuerza de subpresion", "Es=", "kN/m",
          "Empuje de la subpresion        Es= ", "kN/m"},
     }},
    {2,
     "Seguridad al vuelco",
     {
         {idx::M1,
          "Empuje activo sobre la napa",
          "M1=",
          "kNm/m",
          "Empuje activo suelo sobre napa M1= ",
          " kNm/m",
          "Momento de vuelco producido por:",
          {"Momentos de vuelco producto de:"}},
         {idx::M2, "Empuje suelo sumergido", "M2=", "kNm/m",
          "Empuje activo suelo sumergido  M2= ", " kNm/m"},
         {idx::Mw, "Empuje del agua", "Mw=", "kNm/m",
          "Empuje activo del agua         Mw= ", " kNm/m"},
         {idx::Mq, "Empuje de la sobrecarga", "Mq=", "kNm/m",
          "Empuje activo de la sobrecarga Mq= ", " kNm/m"},
         {idx::Ms, "Empuje de la subpresion", "Ms=", "kNm/m",
          "Empuje de la subpresion        Ms= ", " kNm/m"},
         {idx::MV, "Momento de vuelco total", "Mv=", "kNm/m",
          "Momento de vuelto total:       MV= ", " kNm/m"},
         {idx::Mem,
          "Peso del muro",
          "Me1=",
          "kNm/m",
          "Peso del muro                 Mem= ",
          " kNm/m",
          "Momento estabilizante producido por:",
          {"", "Momentos estabilizantes producto de:"}},
         {idx::Msq, "Cuña  de suelo  y sobrecarga", "Me2=", "kNm/m",
          "Cuña de suelo y sobrecarga    Msq= ", " kNm/m"},
         {idx::Me1, "Empuje vertical sobre la napa", "Me3=", "kNm/m",
          "Empuje vert. suelo sobre napa Me1= ", " kNm/m"},
         {idx::Me2, "Empuje vertical suelo sumergido", "Me4=", "kNm/m",
          "Empuje vert. suelo sumergido  Me2= ", " kNm/m"},
         {idx::Meq, "Empuje vertical de la sobrecarga", "Me5=", "kNm/m",
          "Empuje vert. sobrecarga       Meq= ", " kNm/m"},
         {idx::MEV, "Momento estabilizante total", "Me=", "kNm/m",
          "Momento estabilizante total   MEV= ", " kNm/m"},
         {idx::fsm, "Factor de seguridad contra el vuelco", "Fsv=", "",
          "Factor de seguridad    fsm=MEV/MV= ", ""},
     }},
    {3,
     "Seguridad a cargas verticales",
     {
         {idx::PmV, "Peso del muro", "Pm=", "kN/m", "Peso del muro                  Pm= ", "kN/m"},
         {idx::Ps, "Peso cuña de suelo y sobrecarga", "Ps=", "kN/m",
          "Peso cuña de suelo estabiliz.  Wm= ", "kN/m"},
         {idx::V1, "Empuje vertical suelo humedo", "V1=", "kN/m",
          "Empuje vertical suelo humedo  Evh= ", "kN/m"},
         {idx::V2, "Empuje vertical suelo sumergido", "V2=", "kN/m",
          "Empuje vertical suelo sumerg. Evs= ", "kN/m"},
         {idx::V3, "Empuje vertical sobrecarga", "V3=", "kN/m",
          "Empuje vertical sobrecarga    Evq= ", "kN/m"},
         {idx::N, "Carga vertical  total", "N=", "kN/m",
          "Carga vertical total            N= ", "kN/m"},
         {idx::Nef, "Carga vertical efectiva", "Nef=N-Psub=", "kN/m",
          "Carga vertical efectiva Nef=N-sub= ", "kN/m"},
         {idx::ex, "Excentricidad en la base", "ex=", "m",
          "Excentricidad en la base       ex= ", "m"},
         {idx::Nu, "Carga de hundimiento", "Nu=", "kN/m",
          "Capacidad de carga del terreno Nu= ", "kN/m"},
         {idx::fsn, "Factor de seguridad contra el hundimiento", "Fsv=", "",
          "Factor de seguridad    fsn=Nu/Nef= ", ""},
     }},
    {4,
     "Seguridad al deslizamiento",
     {
         {idx::H1, "Empuje horizontal suelo humedo", "H1=", "kN/m",
          "Empuje horizontal suelo humedo H1= ", " kN/m"},
         {idx::H2, "Empuje horizontal suelo sumergido", "H2=", "kN/m",
          "Empuje horizontal suelo sumerg.H2= ", " kN/m"},
         {idx::Hw, "Empuje horizontal del agua", "H3=", "kN/m",
          "Empuje del agua                Hw= ", " kN/m"},
         {idx::Hq, "Empuje horizontal sobrecarga", "H4=", "kN/m",
          "Empuje horizontal sobrecarga   Hq= ", " kN/m"},
         {idx::FH, "Fuerza de deslizamiento", "Fd=", "kN/m",
          "Fuerza horizontal total        FH= ", " kN/m"},
         {idx::Fdo,
          "Fuerza que se opone al deslizamiento ",
          "Fdo=Nef*tan(d2)=",
          "kN/m",
          "                  Fdo=Nef*tan(fi)= ",
          " kN/m",
          "",
          {"Fuerza que se opone al deslizamiento:"}},
         {idx::Fsd, "Factor de seguridad contra el deslizamiento", "Fsd=", "",
          "Factor de seguridad        Fdo/FH= ", ""},
     }},
    {kSeismicArray,
     "Sismo (Mononobe-Okabe)",
     {
         {idx::theta, "Angulo sismico", "theta=", "º", "Angulo sismico              theta= ", " º"},
         {idx::Kae, "Coeficiente de empuje sismico", "Kae=", "",
          "Coef. de empuje sismico       Kae= ", ""},
         {idx::thetaSub, "Angulo sismico bajo la napa", "theta*=", "º",
          "Angulo sismico bajo napa   theta*= ", " º"},
         {idx::KaeSub, "Coeficiente sismico bajo la napa", "Kae*=", "",
          "Coef. sismico bajo napa      Kae*= ", ""},
         {idx::Pae, "Empuje activo sismico", "Pae=", "kN/m",
          "Empuje activo sismico         Pae= ", " kN/m"},
         {idx::dPae, "Incremento sismico del empuje", "dPae=", "kN/m",
          "Incremento sismico           dPae= ", " kN/m"},
         {idx::ydPae, "Altura del incremento (0.6 H)", "ydP=", "m",
          "Altura del incremento         ydP= ", " m"},
         {idx::HdPae, "Incremento horizontal", "dPh=", "kN/m",
          "Incremento horizontal         dPh= ", " kN/m"},
         {idx::VdPae, "Incremento vertical", "dPv=", "kN/m",
          "Incremento vertical           dPv= ", " kN/m"},
         {idx::MdPae, "Momento de vuelco del incremento", "MdP=", "kNm/m",
          "Vuelco del incremento         MdP= ", " kNm/m"},
         {idx::MedPae, "Momento estabilizante del incremento", "MedP=", "kNm/m",
          "Estabilizante del incremento MedP= ", " kNm/m"},
         {idx::Hi, "Fuerza de inercia del muro", "Hi=", "kN/m",
          "Inercia del muro               Hi= ", " kN/m"},
         {idx::Mi, "Momento de la inercia del muro", "Mi=", "kNm/m",
          "Momento de la inercia          Mi= ", " kNm/m"},
     }},
};

}  // namespace

const std::vector<ResultBlock>& resultBlocks() {
    return kBlocks;
}

const ResultBlock& resultBlock(int array) {
    return kBlocks[static_cast<std::size_t>(array - 1)];
}

int fieldElement(int array, int index) {
    switch (array) {
        case 1:
            return index == idx::S3 ? 0 : index;
        case 2:
            return index - idx::M1;
        case 3:
            return index - idx::PmV;
        case kSeismicArray:
            return index - idx::theta;
        default:
            return index - idx::H1;
    }
}

}  // namespace drovines
