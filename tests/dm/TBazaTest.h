#pragma once
#include "TDirectorTest.h"
#include "UDm.h"

#include <QVariantList>
#include <memory>

// A program folder with the build's blank database and profile, and a data module on it.
class TBazaTest
{
public:
    TBazaTest();
    // Starts (or restarts) the data module on the folder's database.
    TDM &Porneste();
    void Opreste() { m_dm.reset(); }
    TDM &Dm() { return *m_dm; }
    TDirectorTest &Director() { return m_dir; }

    // Runs statements in one writer transaction.
    void Executa(const QStringList &sql);
    // First column of every row of a select, read in its own transaction.
    QVariantList Coloana(const QString &sql);
    QVariant Valoare(const QString &sql) { return Coloana(sql).value(0); }

    // Copies the certificates' layouts and background scans into the folder.
    void CopiazaDocumentele();

    // This build's profile and record tables, registered once per test program.
    static void InregistreazaZEZ();

private:
    TDirectorTest m_dir;
    std::unique_ptr<TDM> m_dm;
};
