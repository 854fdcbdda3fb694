#include "UTranzactie.h"
#include "UEroare.h"

#include <QSqlError>

void TTranzactie::StartTransaction()
{
    if (m_activ)
        throw EEroare(QStringLiteral("Tranzactia este deja activa."));
    if (!m_db.transaction())
        throw EEroare(QStringLiteral("Nu pot porni tranzactia: %1").arg(m_db.lastError().text()));
    m_activ = true;
    ++m_generatie;
}

void TTranzactie::Commit()
{
    if (!m_activ)
        throw EEroare(QStringLiteral("Nu exista o tranzactie activa."));
    if (m_inchide)
        m_inchide();
    if (!m_db.commit())
        throw EEroare(QStringLiteral("Nu pot salva tranzactia: %1").arg(m_db.lastError().text()));
    m_activ = false;
    ++m_generatie;
}

void TTranzactie::Rollback()
{
    if (!m_activ)
        return;
    if (m_inchide)
        m_inchide();
    m_activ = false;
    ++m_generatie;
    m_db.rollback();
}

TCitire::TCitire(TTranzactie &tr) : m_tr(tr), m_pornit(!tr.Active())
{
    if (m_pornit)
        m_tr.StartTransaction();
}

TCitire::~TCitire()
{
    if (m_pornit)
        m_tr.Rollback();
}

TScriere::TScriere(TTranzactie &tr) : m_tr(tr) { m_tr.StartTransaction(); }

TScriere::~TScriere() { m_tr.Rollback(); }
