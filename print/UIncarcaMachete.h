#pragma once
#include <QList>
#include <QString>

class QWidget;
class TFontFormular;
class TFormularDePrintat;

// Layout files (JSON, beside the program in "layouts/"): the window name, its font
// definitions and its pages, each a surface with its text areas. Every other key of a
// font, surface or area is the name of a property and is set as such.
//   { "Fereastra": name, "Fonturi": [ {"Nume": ..., property: value...} ],
//     "Pagini": [ {"Nume": ..., "Pagina": tab caption, property: value...,
//                  "Arii": [ {"Nume": ..., "Font": definition name, property: value...} ]} ] }
struct TPaginaMacheta
{
    QString Titlu;                    // "Fata", "Verso"
    QString FisierFundal;             // the background file the layout names, found or not
    TFormularDePrintat *Suprafata = nullptr;
};

struct TMacheta
{
    QList<TFontFormular *> Fonturi;
    QList<TPaginaMacheta> Pagini;
};

namespace Machete {
inline const QString ZEZ = QStringLiteral("CertificatAbsolvireZEZ.json");
inline const QString CCPN1 = QStringLiteral("CertificatCalificareProfesionalaNivel1.json");
}

// The layout file of that name beside the program.
QString FisierMacheta(const QString &nume);

// Builds the layout on the window (which owns the fonts and the surfaces and takes the
// layout's window name). Raises EEroare naming the faulty component on a broken file;
// nothing is left on the window then.
TMacheta IncarcaMacheta(const QString &fisier, QWidget *fereastra);
