#include "UProfilDiploma.h"
#include "UDm.h"
#include "UEroare.h"
#include "UFluxEtichetat.h"
#include "UInregistrare.h"

#include <QFile>

namespace {
std::optional<TClasaProfil> g_profil;

// The fewest bytes each record takes (a 1-byte integer or an empty text is 2 bytes), so a
// count the rest of the file cannot hold is refused before anything is reserved.
constexpr qsizetype OctetiMinimLinie = 28;
constexpr qsizetype OctetiMinimFormular = 10;
constexpr qsizetype OctetiMinimPagina = 6;

void CitesteZero(TCititorFlux &r, const char *mesaj)
{
    if (r.CitesteInt() != 0)
        throw EEroare(QString::fromLatin1(mesaj));
}

qint32 CitesteNumar(TCititorFlux &r, qsizetype octetiMinim, const QString &ce)
{
    const qint32 n = r.CitesteInt();
    if (n < 0 || n > r.Ramas() / octetiMinim)
        throw EEroare(QStringLiteral("Fisier deteriorat: %1 %2 nu incap in restul de %3 octeti al fisierului.")
                          .arg(n)
                          .arg(ce)
                          .arg(r.Ramas()));
    return n;
}
} // namespace

QString TListaLiniiProfilDiploma::ListaCampuriElev(const QString &numeClasa)
{
    throw EEroare(QStringLiteral("Nu ai definit %1.ListaCampuriElev; Lista trebuie sa fie de tipul \"{FORMULAR.PAG.CAMP} "
                                 "{FORMULAR.PAG.CAMP}\"")
                      .arg(numeClasa));
}

QString TListaLiniiProfilDiploma::CampuriTabel(const QString &tabel)
{
    TCitire citire(DM->Tr);
    TQuery &q = DM->Q_GENERIC_LIST;
    q.SQL(QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP FROM PROFIL_DIPLOMA WHERE (ASOCIAT_CU=:ASOCIAT_CU) "
                         "AND (ONOREZ_SIMILAR='DA')"));
    q.Param(QStringLiteral("ASOCIAT_CU"), tabel);
    QString rez;
    for (q.Open(); !q.Eof(); q.Next()) {
        if (!rez.isEmpty())
            rez += QStringLiteral("; ");
        rez += QStringLiteral("{%1.%2.%3}").arg(q.Text(QStringLiteral("COD_FORMULAR")), q.Text(QStringLiteral("COD_PAGINA")),
                                                q.Text(QStringLiteral("COD_CAMP")));
    }
    q.Close();
    return rez;
}

void TListaLiniiProfilDiploma::IncarcaDinFisier(const QString &numeFisier)
{
    QFile f(numeFisier);
    if (!f.open(QIODevice::ReadOnly))
        throw EEroare(QStringLiteral("Nu pot deschide fisierul de profil \"%1\": %2").arg(numeFisier, f.errorString()));
    IncarcaDinDate(f.readAll());
}

void TListaLiniiProfilDiploma::IncarcaDinDate(const QByteArray &date)
{
    TCititorFlux r(date);
    r.CitesteText();
    CitesteProfil(r);
}

void TListaLiniiProfilDiploma::CitesteProfil(TCititorFlux &r)
{
    const quint32 versiune = quint32(r.CitesteInt());
    if (versiune > 1)
        throw EEroare(QStringLiteral("Invalid stream"));
    Linii.clear();
    Formulare.clear();
    const qint32 n = CitesteNumar(r, OctetiMinimLinie, QStringLiteral("linii de profil"));
    Linii.reserve(size_t(n));
    for (qint32 i = 0; i < n; ++i) {
        CitesteZero(r, "Invalid Stream!");
        TLinieProfilDiploma l;
        for (QString *t : {&l.CodFormular, &l.CodPagina, &l.CodCamp, &l.SimilarCu, &l.OnorezSimilar, &l.EtichetaEditor,
                           &l.Formula, &l.Vizibil, &l.TipDeDate, &l.AsociatCu, &l.Grup})
            *t = r.CitesteText();
        l.Ordine = r.CitesteInt();
        l.LatimeSugerata = r.CitesteInt();
        l.CodLinie = r.CitesteText();
        Linii.push_back(std::move(l));
    }
    if (versiune == 0)
        return;
    CitesteZero(r, "Invalid stream");
    const qint32 m = CitesteNumar(r, OctetiMinimFormular, QStringLiteral("formulare"));
    Formulare.reserve(size_t(m));
    for (qint32 i = 0; i < m; ++i) {
        CitesteZero(r, "Invalid stream");
        TInfoFormularDiploma d;
        d.Valoare1 = r.CitesteText();
        d.Valoare2 = r.CitesteText();
        CitesteZero(r, "Invalid stream");
        const qint32 p = CitesteNumar(r, OctetiMinimPagina, QStringLiteral("pagini de formular"));
        d.Pagini.reserve(size_t(p));
        for (qint32 j = 0; j < p; ++j) {
            CitesteZero(r, "Invalid stream");
            TInfoPaginaFormularDiploma pg;
            pg.Valoare1 = r.CitesteText();
            pg.Valoare2 = r.CitesteText();
            d.Pagini.push_back(std::move(pg));
        }
        Formulare.push_back(std::move(d));
    }
}

void TListaLiniiProfilDiploma::ScrieProfil(TScriitorFlux &w, const QString &titlu) const
{
    w.ScrieText(titlu);
    w.ScrieInt(Formulare.empty() ? 0 : 1);
    w.ScrieInt(qint32(Linii.size()));
    for (const TLinieProfilDiploma &l : Linii) {
        w.ScrieInt(0);
        for (const QString *t : {&l.CodFormular, &l.CodPagina, &l.CodCamp, &l.SimilarCu, &l.OnorezSimilar,
                                 &l.EtichetaEditor, &l.Formula, &l.Vizibil, &l.TipDeDate, &l.AsociatCu, &l.Grup})
            w.ScrieText(*t);
        w.ScrieInt(l.Ordine);
        w.ScrieInt(l.LatimeSugerata);
        w.ScrieText(l.CodLinie);
    }
    if (Formulare.empty())
        return;
    w.ScrieInt(0);
    w.ScrieInt(qint32(Formulare.size()));
    for (const TInfoFormularDiploma &d : Formulare) {
        w.ScrieInt(0);
        w.ScrieText(d.Valoare1);
        w.ScrieText(d.Valoare2);
        w.ScrieInt(0);
        w.ScrieInt(qint32(d.Pagini.size()));
        for (const TInfoPaginaFormularDiploma &p : d.Pagini) {
            w.ScrieInt(0);
            w.ScrieText(p.Valoare1);
            w.ScrieText(p.Valoare2);
        }
    }
}

void InregistreazaProfil(const TClasaProfil &clasa) { Inregistreaza(g_profil, clasa); }

const TClasaProfil *ProfilInregistrat() { return g_profil ? &*g_profil : nullptr; }

void AnuleazaInregistrareaProfilului() { g_profil.reset(); }
