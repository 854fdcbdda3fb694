#include "TBancImport.h"
#include "TBazaScolara.h"
#include "TMasuratoare.h"
#include "TZipTest.h"
#include "UAdresaA1.h"
#include "UColoaneExcel.h"
#include "UDeschideRegistru.h"
#include "UDm.h"
#include "UFoaieDeCalcul.h"
#include "UPreluareElevi.h"
#include "UScrieValoare.h"

#include <QFile>
#include <memory>

namespace {
struct TCampImport
{
    QString cod, f, p, c, tip;
};

// The student's own fields an import page is shown for, in profile order; with `toate`, every
// student field of the profile.
QList<TCampImport> CampuriProprii(TDM &dm, int cate, bool toate = false)
{
    QList<TCampImport> rez;
    TCitire citire(dm.Tr);
    dm.Q1.SQL(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, TIP_DE_DATE FROM PROFIL_DIPLOMA WHERE "
                             "ASOCIAT_CU='ELEVI'%1 ORDER BY ORDINE")
                  .arg(toate ? QString() : QStringLiteral(" AND SIMILAR_CU='' AND TIP_DE_DATE<>'CNP'")));
    for (dm.Q1.Open(); !dm.Q1.Eof() && rez.size() < cate; dm.Q1.Next()) {
        TCampImport c{{}, dm.Q1.Text(QStringLiteral("COD_FORMULAR")), dm.Q1.Text(QStringLiteral("COD_PAGINA")),
                      dm.Q1.Text(QStringLiteral("COD_CAMP")), dm.Q1.Text(QStringLiteral("TIP_DE_DATE"))};
        c.cod = c.f + QLatin1Char('.') + c.p + QLatin1Char('.') + c.c;
        rez << c;
    }
    dm.Q1.Close();
    return rez;
}

QString Litere(int coloana) { return LitereColoana(coloana + 1); }

TDM &dm() { return *DM; }

// A new student with a row for each of the fields, in the caller's transaction.
void InsereazaElev(const QList<TCampImport> &campuri)
{
    const int id = dm().InregistrareNoua(QStringLiteral("ELEVI"));
    TQuery &q = dm().Q2;
    for (const TCampImport &c : campuri) {
        q.SQL(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, "
                             "VALOARE_NUM) VALUES (:F, :P, :C, :ID, :V, 0)"));
        q.Param(QStringLiteral("F"), c.f);
        q.Param(QStringLiteral("P"), c.p);
        q.Param(QStringLiteral("C"), c.c);
        q.Param(QStringLiteral("ID"), id);
        q.Param(QStringLiteral("V"), QStringLiteral("x"));
        q.ExecSQL();
    }
    q.Close();
}

QByteArray Foaie(const QList<TCampImport> &campuri, int randuri)
{
    QByteArray x;
    const auto celula = [&](int col, int rand, const QString &text) {
        x += QStringLiteral("<c r=\"%1%2\" t=\"inlineStr\"><is><t>%3</t></is></c>")
                 .arg(Litere(col))
                 .arg(rand)
                 .arg(text.toHtmlEscaped())
                 .toUtf8();
    };
    for (int r = 1; r <= randuri + 1; ++r) {
        x += QByteArray("<row r=\"") + QByteArray::number(r) + "\">";
        celula(0, r, r == 1 ? QStringLiteral("CNP") : TBazaScolara::CnpElev(100000 + r));
        for (int i = 0; i < campuri.size(); ++i)
            celula(i + 1, r, r == 1 ? campuri[i].c : TBazaScolara::Valoare(campuri[i].tip, campuri[i].c, r));
        x += "</row>";
    }
    return x;
}
} // namespace

void MasoaraImportul(const TMasuratoare &m, const QString &director, int randuri, int coloane)
{
    TBazaScolara baza(director, 0, 0);
    const QString registru = baza.Director() + QStringLiteral("import.xlsx");
    QList<TCampImport> campuri = CampuriProprii(baza.Porneste(), coloane - 1);
    if (!ScrieArhivaZip(registru, Xlsx(Foaie(campuri, randuri))))
        qFatal("cannot write %s", qPrintable(registru));
    // Each run starts from a database just made from the blank one.
    const auto golesteBaza = [&] {
        baza.Opreste();
        QFile::remove(baza.Director() + QStringLiteral("DB/DOZ2009.FDB"));
        baza.Porneste();
    };
    m.Compara(QStringLiteral("import %1 rows x %2 columns").arg(randuri).arg(coloane),
              [&] {
                  const std::unique_ptr<TRegistru> r = DeschideRegistru(registru);
                  TListaColoaneExcel col;
                  CitesteColoaneExcel(*r->Foaie(0), col);
                  PastreazaRandurileCuCnp(col);
                  QList<TSursaCamp> surse;
                  for (int i = 0; i < campuri.size(); ++i) {
                      TSursaCamp s;
                      s.CodComplet = campuri[i].cod;
                      s.Litere = Litere(i + 1);
                      surse << s;
                  }
                  TPreluareElevi preluare(col, QStringLiteral("A"), surse);
                  for (int i = 0; i < preluare.NrRanduri(); ++i)
                      preluare.ImportaRand(i);
              },
              [&] {
                  // The same rows in one transaction, one prepared insert a table.
                  const std::unique_ptr<TRegistru> r = DeschideRegistru(registru);
                  TListaColoaneExcel col;
                  CitesteColoaneExcel(*r->Foaie(0), col);
                  TScriere scriere(dm().Tr);
                  for (int i = 0; i < randuri; ++i)
                      InsereazaElev(campuri);
                  scriere.Commit();
              },
              5000, golesteBaza, golesteBaza);
    // What the rule of one transaction a student costs by itself: every row a new student gets
    // (one for each of its profile fields), inserted with no lookup, committed a student at a time.
    const QList<TCampImport> toate = CampuriProprii(dm(), 100000, true);
    m.Referinta(QStringLiteral("import floor, one commit a student"),
                [&] {
                    for (int i = 0; i < randuri; ++i) {
                        TScriere scriere(dm().Tr);
                        InsereazaElev(toate);
                        scriere.Commit();
                    }
                },
                golesteBaza);
}
