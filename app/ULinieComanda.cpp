#include "ULinieComanda.h"
#include "TemplateForm.h"
#include "UCampCnp.h"
#include "UDm.h"
#include "UEroare.h"
#include "UExportPdf.h"
#include "UListaElevi.h"
#include "UPornire.h"
#include "UProfilDiploma.h"
#include "UPrompter.h"
#include "UPrompterConsola.h"

#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <cstring>
#include <optional>

namespace LinieComanda {
namespace {
const QString Folosire = QStringLiteral(
    "Folosire: certavo --export-pdf FISIER.pdf --document zez|calificare [--page fata|verso|toate] "
    "[--cnp CNP ...] [--proof]");

int Eroare(const QString &mesaj, int cod)
{
    UI::Eroare(mesaj);
    return cod;
}

struct TArgumente
{
    QString Fisier, Document, Pagina;
    QStringList Cnp;
    bool Proba = false;
};

// The arguments, or the Romanian reason they are wrong.
std::optional<TArgumente> Citeste(const QStringList &argumente, QString &eroare)
{
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption fisier(QStringLiteral("export-pdf"), {}, QStringLiteral("FISIER"));
    const QCommandLineOption document(QStringLiteral("document"), {}, QStringLiteral("DOCUMENT"));
    const QCommandLineOption pagina(QStringLiteral("page"), {}, QStringLiteral("PAGINA"), QStringLiteral("toate"));
    const QCommandLineOption cnp(QStringLiteral("cnp"), {}, QStringLiteral("CNP"));
    const QCommandLineOption proba(QStringLiteral("proof"));
    p.addOptions({fisier, document, pagina, cnp, proba});
    if (!p.parse(argumente)) {
        eroare = !p.unknownOptionNames().isEmpty()
                     ? QStringLiteral("Optiune necunoscuta: %1").arg(p.unknownOptionNames().first())
                     : QStringLiteral("Optiunea %1 cere o valoare.").arg(argumente.last());
        return std::nullopt;
    }
    TArgumente a{p.value(fisier), p.value(document), p.value(pagina), p.values(cnp), p.isSet(proba)};
    // "--cnp A B C": the codes after the first one come as plain arguments.
    const QStringList rest = p.positionalArguments();
    if (!rest.isEmpty() && a.Cnp.isEmpty()) {
        eroare = QStringLiteral("Argument necunoscut: %1").arg(rest.first());
        return std::nullopt;
    }
    a.Cnp << rest;
    if (a.Fisier.isEmpty())
        eroare = QStringLiteral("Lipseste numele fisierului PDF dupa --export-pdf.");
    else if (a.Document.isEmpty())
        eroare = QStringLiteral("Lipseste --document (%1).").arg(CoduriDocumente().join(QLatin1Char('|')));
    if (!eroare.isEmpty())
        return std::nullopt;
    return a;
}

// The students of the run, in order; EEroare names the codes that match no student.
QList<int> Elevii(const QStringList &coduri)
{
    if (coduri.isEmpty()) {
        const QList<int> toti = EleviInOrdine();
        if (toti.isEmpty())
            throw EEroare(QStringLiteral("Nu exista niciun elev in baza de date."));
        return toti;
    }
    const TCampCnp camp = TCampCnp::DinProfil();
    QList<int> id;
    QStringList negasite;
    for (const QString &c : coduri) {
        const int e = camp.Elev(c);
        if (e == -1)
            negasite << c;
        id << e;
    }
    if (!negasite.isEmpty())
        throw EEroare(QStringLiteral("Niciun elev nu are CNP-ul %1.").arg(negasite.join(QStringLiteral(", "))));
    return id;
}

void Scrie(const QString &text) { std::fputs(qPrintable(text + QLatin1Char('\n')), stdout); }
} // namespace

bool CereExportPdf(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--export-pdf") == 0 || std::strncmp(argv[i], "--export-pdf=", 13) == 0)
            return true;
    return false;
}

int ExportaPdf(const QStringList &argumente)
{
    TPrompterConsola consola;
    QString gresit;
    const std::optional<TArgumente> a = Citeste(argumente, gresit);
    if (!a)
        return Eroare(gresit + QLatin1Char('\n') + Folosire, ArgumenteGresite);

    std::unique_ptr<TTemplate> document;
    QList<int> pagini;
    try {
        document = DocumentDupaCod(a->Document);
        pagini = PaginiDupaCod(*document, a->Pagina);
    } catch (const EEroare &e) {
        return Eroare(e.Mesaj(), ArgumenteGresite);
    }
    if (!PornesteDatele())
        return BazaDeDate;

    QList<int> elevi;
    try {
        elevi = Elevii(a->Cnp);
    } catch (const EEroare &e) {
        return Eroare(e.Mesaj(), ElevNegasit);
    }
    TRezultatTiparire r;
    try {
        r = ::ExportaPdf(document.get(), pagini, elevi, a->Proba, a->Fisier);
    } catch (const EEroare &e) {
        return Eroare(e.Mesaj(), FisierNescris);
    }
    const QString expresie = ProfilInregistrat()->ListaCampuriElev();
    for (const TEsecElev &e : r.Esecuri)
        UI::Eroare(QStringLiteral("Nu s-a tiparit elevul %1: %2").arg(DM->ParseExp(expresie, e.IdElev, -1), e.Mesaj));
    if (r.Pagini == 0)
        return Eroare(QStringLiteral("Nicio pagina tiparita; fisierul %1 nu a fost scris.")
                          .arg(QDir::toNativeSeparators(a->Fisier)),
                      EleviNetiparati);
    Scrie(QStringLiteral("%1 pagini scrise in %2").arg(r.Pagini).arg(QDir::toNativeSeparators(a->Fisier)));
    return r.Esecuri.isEmpty() ? Reusit : EleviNetiparati;
}

} // namespace LinieComanda
