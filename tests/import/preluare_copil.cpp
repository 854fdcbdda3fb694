// Imports the first sheet of a workbook into the program folder's database with the import's own
// logic and no window, saying "rand N" after each committed row; the interruption test kills it.
//   certavo_preluare_copil FOLDER WORKBOOK CNP-COLUMN CODE=KIND:ARGUMENT...
// KIND is "coloana", "prima", "adoua" (a column's letters), "constanta" (a text) or "sex" (girls/boys).
#include "TPrompterScriptat.h"
#include "UColoaneExcel.h"
#include "UDeschideRegistru.h"
#include "UDirectorProgram.h"
#include "UDm.h"
#include "UEroare.h"
#include "UPreluareElevi.h"
#include "UProfilZEZ.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace {

TSursaCamp Sursa(const QString &arg)
{
    const qsizetype egal = arg.indexOf(QLatin1Char('='));
    const qsizetype doua = arg.indexOf(QLatin1Char(':'), egal);
    if (egal <= 0 || doua < 0)
        throw EEroare(QStringLiteral("argument gresit: ") + arg);
    TSursaCamp s;
    s.CodComplet = arg.left(egal);
    const QString fel = arg.mid(egal + 1, doua - egal - 1);
    const QString valoare = arg.mid(doua + 1);
    if (fel == u"constanta") {
        s.Fel = TSursaCamp::Constanta;
        s.TextConstant = valoare;
    } else if (fel == u"sex") {
        s.Fel = TSursaCamp::Sex;
        s.Fete = valoare.section(QLatin1Char('/'), 0, 0);
        s.Baieti = valoare.section(QLatin1Char('/'), 1);
    } else {
        s.Fel = fel == u"prima" ? TSursaCamp::PrimaParte : fel == u"adoua" ? TSursaCamp::ADouaParte : TSursaCamp::Coloana;
        s.Litere = valoare;
    }
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arg = app.arguments();
    if (arg.size() < 4) {
        std::fprintf(stderr, "usage: certavo_preluare_copil FOLDER WORKBOOK CNP-COLUMN CODE=KIND:ARGUMENT...\n");
        return 2;
    }
    SeteazaDirectorProgram(arg[1]);
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FisierProgram(QStringLiteral("settings")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, FisierProgram(QStringLiteral("settings")));
    TPrompterScriptat prompter;
    try {
        InregistreazaClaseleZEZ();
        TDM dm;
        dm.DataModuleCreate();
        const std::unique_ptr<TRegistru> registru = DeschideRegistru(arg[2]);
        TListaColoaneExcel coloane;
        CitesteColoaneExcel(*registru->Foaie(0), coloane);
        PastreazaRandurileCuCnp(coloane);
        QList<TSursaCamp> surse;
        for (qsizetype i = 4; i < arg.size(); ++i)
            surse << Sursa(arg[i]);
        TPreluareElevi preluare(coloane, arg[3], surse);
        std::printf("pornit %d\n", preluare.NrRanduri());
        std::fflush(stdout);
        for (int i = 0; i < preluare.NrRanduri(); ++i) {
            preluare.ImportaRand(i);
            std::printf("rand %d\n", i + 1);
            std::fflush(stdout);
        }
    } catch (const EEroare &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    for (const QString &m : prompter.Mesaje + prompter.Avertizari + prompter.Erori)
        std::fprintf(stderr, "%s\n", qPrintable(m));
    std::printf("sfarsit\n");
    return 0;
}
