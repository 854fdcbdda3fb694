#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TCititorFlux;
class TScriitorFlux;

// One printable field of the profile.
struct TLinieProfilDiploma
{
    QString CodFormular, CodPagina, CodCamp, SimilarCu, OnorezSimilar, EtichetaEditor, Formula, Vizibil,
        TipDeDate, AsociatCu, Grup;
    qint32 Ordine = 0;
    qint32 LatimeSugerata = 0;
    QString CodLinie;
};

struct TInfoPaginaFormularDiploma
{
    QString Valoare1, Valoare2;
};
using TListaInfoPaginiFormularDiploma = std::vector<TInfoPaginaFormularDiploma>;

struct TInfoFormularDiploma
{
    QString Valoare1, Valoare2;
    TListaInfoPaginiFormularDiploma Pagini;
};
using TListaFormulareDiploma = std::vector<TInfoFormularDiploma>;

// The field profile as read from its file, in file order.
class TListaLiniiProfilDiploma
{
public:
    TListaLiniiProfilDiploma() = default;
    virtual ~TListaLiniiProfilDiploma() = default;

    // What the registered class answers without an instance.
    static QString NumeBazaDeDate() { return {}; }
    static QString ListaCampuriElev(const QString &numeClasa);
    static QString CampuriTabel(const QString &tabel);

    void IncarcaDinFisier(const QString &numeFisier);
    // The file's bytes: a title, then the profile. EEroare when they are damaged.
    void IncarcaDinDate(const QByteArray &date);
    void CitesteProfil(TCititorFlux &reader);
    // Writes the file format back (title, version 1 when documents exist); used by the
    // build's profile generator and by tests.
    void ScrieProfil(TScriitorFlux &writer, const QString &titlu) const;

    std::vector<TLinieProfilDiploma> Linii;
    TListaFormulareDiploma Formulare;
};

// The "class" of a profile: its name, constructor and class operations.
struct TClasaProfil
{
    QString Nume;
    std::function<std::unique_ptr<TListaLiniiProfilDiploma>()> Create;
    std::function<QString()> NumeBazaDeDate;
    std::function<QString()> ListaCampuriElev;
    std::function<QString(const QString &)> CampuriTabel;
};

template <class T>
TClasaProfil ClasaProfil(const QString &nume)
{
    return {nume, [] { return std::unique_ptr<TListaLiniiProfilDiploma>(new T); }, &T::NumeBazaDeDate,
            [nume] { return T::ListaCampuriElev(nume); }, &T::CampuriTabel};
}

void InregistreazaProfil(const TClasaProfil &clasa);
// nullptr when none is registered.
const TClasaProfil *ProfilInregistrat();
// Only for tests that check start-up without a registered profile.
void AnuleazaInregistrareaProfilului();
