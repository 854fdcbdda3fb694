#include "TBazaTest.h"
#include "UProfilDiploma.h"
#include "UProfilZEZ.h"

TBazaTest::TBazaTest() : m_dir({QStringLiteral("BLANK.FDB"), QStringLiteral("DOZ2009.binprof")})
{
    InregistreazaZEZ();
}

void TBazaTest::InregistreazaZEZ()
{
    if (!ProfilInregistrat())
        InregistreazaClaseleZEZ();
}

TDM &TBazaTest::Porneste()
{
    m_dm.reset();
    m_dm = std::make_unique<TDM>();
    m_dm->DataModuleCreate();
    return *m_dm;
}

void TBazaTest::Executa(const QStringList &sql)
{
    TScriere scriere(m_dm->Tr);
    for (const QString &s : sql) {
        m_dm->Q1.SQL(s);
        m_dm->Q1.ExecSQL();
    }
    scriere.Commit();
}

QVariantList TBazaTest::Coloana(const QString &sql)
{
    TCitire citire(m_dm->Tr);
    QVariantList rez;
    m_dm->Q1.SQL(sql);
    for (m_dm->Q1.Open(); !m_dm->Q1.Eof(); m_dm->Q1.Next())
        rez << m_dm->Q1.Camp(0);
    m_dm->Q1.Close();
    return rez;
}

void TBazaTest::CopiazaDocumentele()
{
    for (const char *f : {"layouts/CertificatAbsolvireZEZ.json", "layouts/CertificatCalificareProfesionalaNivel1.json",
                          "ZEZ.BIN", "CCPN1-FATA.BIN", "CCPN1-SPATE.BIN"})
        m_dir.Copiaza(QString::fromLatin1(f));
}
