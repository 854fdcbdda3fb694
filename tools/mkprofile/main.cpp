// certavo_mkprofile SOURCE OUT: reads the profile source (one field a line) and writes the profile file.
#include "UEroare.h"
#include "UFluxEtichetat.h"
#include "UProfilDiploma.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>
#include <cstdio>

namespace {

QString Documentul(const QString &cod)
{
    if (cod == QLatin1String("Certavo"))
        return QStringLiteral("Campuri comune");
    if (cod == QLatin1String("CertificatAbsolvireZez"))
        return QStringLiteral("Certificat de absolvire a scolii de arte si meserii");
    return QStringLiteral("Certificat calificare profesionala Nivel I");
}

TListaLiniiProfilDiploma Citeste(const QString &cale)
{
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw EEroare(QStringLiteral("cannot open %1").arg(cale));
    TListaLiniiProfilDiploma p;
    QSet<QString> coduri;
    QTextStream in(&f);
    for (int nr = 1; !in.atEnd(); ++nr) {
        const QString linie = in.readLine().trimmed();
        if (linie.isEmpty() || linie.startsWith(QLatin1Char('#')))
            continue;
        const QStringList c = linie.split(QLatin1Char('|'));
        if (c.size() != 10)
            throw EEroare(QStringLiteral("%1:%2: expected 10 columns, found %3").arg(cale).arg(nr).arg(c.size()));
        auto col = [&](int i) { return c[i].trimmed(); };
        const QStringList cod = col(0).split(QLatin1Char('.'));
        if (cod.size() != 3 || coduri.contains(col(0)))
            throw EEroare(QStringLiteral("%1:%2: bad or repeated code %3").arg(cale).arg(nr).arg(col(0)));
        coduri.insert(col(0));
        bool ok1 = false, ok2 = false;
        TLinieProfilDiploma l;
        l.CodFormular = cod[0];
        l.CodPagina = cod[1];
        l.CodCamp = cod[2];
        l.TipDeDate = col(1);
        l.AsociatCu = col(2);
        l.OnorezSimilar = col(3);
        l.SimilarCu = col(4);
        l.EtichetaEditor = col(5);
        l.Grup = col(6);
        l.Ordine = col(7).toInt(&ok1);
        l.LatimeSugerata = col(8).toInt(&ok2);
        l.CodLinie = col(9);
        l.Vizibil = QStringLiteral("DA");
        if (!ok1 || !ok2)
            throw EEroare(QStringLiteral("%1:%2: order and width must be numbers").arg(cale).arg(nr));
        p.Linii.push_back(l);

        auto doc = std::find_if(p.Formulare.begin(), p.Formulare.end(),
                                [&](const TInfoFormularDiploma &d) { return d.Valoare1 == l.CodFormular; });
        if (doc == p.Formulare.end())
            doc = p.Formulare.insert(p.Formulare.end(), {l.CodFormular, Documentul(l.CodFormular), {}});
        if (std::none_of(doc->Pagini.begin(), doc->Pagini.end(),
                         [&](const TInfoPaginaFormularDiploma &pg) { return pg.Valoare1 == l.CodPagina; }))
            doc->Pagini.push_back({l.CodPagina, l.CodPagina == QLatin1String("FATA") ? QStringLiteral("Fata")
                                                                                      : QStringLiteral("Verso")});
    }
    for (const TLinieProfilDiploma &l : p.Linii) {
        if (!l.SimilarCu.isEmpty() && !coduri.contains(l.SimilarCu))
            throw EEroare(QStringLiteral("%1.%2.%3 inherits from unknown field %4")
                              .arg(l.CodFormular, l.CodPagina, l.CodCamp, l.SimilarCu));
    }
    return p;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: certavo_mkprofile SOURCE OUT\n");
        return 2;
    }
    try {
        const TListaLiniiProfilDiploma p = Citeste(args[1]);
        TScriitorFlux w;
        p.ScrieProfil(w, QStringLiteral("Profil DOZ2009"));
        QSaveFile out(args[2]);
        if (!out.open(QIODevice::WriteOnly) || out.write(w.Date()) != w.Date().size() || !out.commit())
            throw EEroare(QStringLiteral("cannot write %1").arg(args[2]));
        std::printf("%zu fields\n", p.Linii.size());
    } catch (const EEroare &e) {
        std::fprintf(stderr, "certavo_mkprofile: %s\n", e.what());
        return 1;
    }
    return 0;
}
