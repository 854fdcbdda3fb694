// One secretariat workstation for the shared-database test: starts the data module on the
// database that certavo.ini in the given program folder names, then saves the same students
// as the other workstation for a number of rounds and creates one student per round.
// Prints "ELEV <id>" for every student it created and "REINCERCARI <n>" at the end.
#include "TBazaTest.h"
#include "UDirectorProgram.h"
#include "UEroare.h"
#include "UScrieValoare.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {
void Scrie(TDM &dm, int elev, const QString &pagina, const QString &camp, const QString &text)
{
    ScrieValoare(dm.Q2, QStringLiteral("ELEVI"), elev, QStringLiteral("T"), pagina, camp,
                 {{QStringLiteral("VALOARE_TEXT"), text}}, {{QStringLiteral("VALOARE_NUM"), 0}});
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 6) {
        std::fprintf(stderr, "lucrator_baza <program folder> <workstation> <rounds> <first student> <students>\n");
        return 2;
    }
    const QString post = a[2];
    const int runde = a[3].toInt(), primul = a[4].toInt(), elevi = a[5].toInt();
    try {
        SeteazaDirectorProgram(a[1]);
        TBazaTest::InregistreazaZEZ();
        TDM dm;
        dm.DataModuleCreate();
        for (int r = 1; r <= runde; ++r) {
            const QString text = QStringLiteral("%1 r%2").arg(post).arg(r);
            // Two fields in one transaction: they must always come from the same save.
            for (int e = primul; e < primul + elevi; ++e)
                ScrieInTranzactie(dm.Tr, [&] {
                    Scrie(dm, e, QStringLiteral("P"), QStringLiteral("A"), text);
                    Scrie(dm, e, QStringLiteral("R"), QStringLiteral("R%1").arg(r), text);
                    Scrie(dm, e, QStringLiteral("P"), QStringLiteral("B"), text);
                });
            int nou = -1;
            ScrieInTranzactie(dm.Tr, [&] {
                nou = dm.InregistrareNoua(QStringLiteral("ELEVI"));
                Scrie(dm, nou, QStringLiteral("P"), QStringLiteral("A"), text);
            });
            std::printf("ELEV %d\n", nou);
        }
        std::printf("REINCERCARI %d\n", ReincercariScriere());
    } catch (const EEroare &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
