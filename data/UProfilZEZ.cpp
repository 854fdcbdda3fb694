#include "UProfilZEZ.h"
#include "UDirectorProgram.h"
#include "UTabeleZEZ.h"

#include <QDir>

TListaLiniiProfilZEZ::TListaLiniiProfilZEZ() { IncarcaDinFisier(FisierProfil()); }

QString TListaLiniiProfilZEZ::FisierProfil()
{
    return QDir::cleanPath(DirectorProgram() + QStringLiteral("/DOZ2009.binprof"));
}

QString TListaLiniiProfilZEZ::ListaCampuriElev(const QString &)
{
    return QStringLiteral("{Certavo.FATA.C_NUME} / {CertificatCalificareProfesionalaNivel 1.FATA.C_NUME_L1} "
                          "{CertificatCalificareProfesionalaNivel 1.FATA.C_NUME_L2} ({Certavo.FATA.C_CNP})");
}

void InregistreazaClaseleZEZ()
{
    InregistreazaProfil(ClasaProfil<TListaLiniiProfilZEZ>(QStringLiteral("TListaLiniiProfilZEZ")));
    InregistreazaTabele(ClasaTabele<TListaLiniiTabelZEZ>(QStringLiteral("TListaLiniiTabelZEZ")));
}
