#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <vector>

struct TLinieTabel
{
    QString NumeTabel;
    QString ExpDenumire;
};

// The record tables of the program, with their naming expressions.
class TListaLiniiTabel
{
public:
    TListaLiniiTabel() = default;
    virtual ~TListaLiniiTabel() = default;
    void Adauga(const QString &numeTabel, const QString &expDenumire) { Linii.push_back({numeTabel, expDenumire}); }
    std::vector<TLinieTabel> Linii;
};

struct TClasaTabele
{
    QString Nume;
    std::function<std::unique_ptr<TListaLiniiTabel>()> Create;
};

template <class T>
TClasaTabele ClasaTabele(const QString &nume)
{
    return {nume, [] { return std::unique_ptr<TListaLiniiTabel>(new T); }};
}

void InregistreazaTabele(const TClasaTabele &clasa);
const TClasaTabele *TabeleInregistrate();
void AnuleazaInregistrareaTabelelor();
