#include "UTranzactie.h"
#include "UEroareBaza.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QThread>

namespace {
const int kIncercariScriere = 6;
int g_reincercari = 0;
} // namespace

void TTranzactie::StartTransaction()
{
    if (m_activ)
        throw EEroare(QStringLiteral("Tranzactia este deja activa."));
    if (!m_db.transaction())
        throw EEroareBaza(m_db.lastError(), QStringLiteral("Nu pot porni tranzactia: %1").arg(m_db.lastError().text()));
    m_activ = true;
    ++m_generatie;
}

void TTranzactie::Commit()
{
    if (!m_activ)
        throw EEroare(QStringLiteral("Nu exista o tranzactie activa."));
    if (m_inchide)
        m_inchide();
    // Not a database error that a writer tries again: the client forgets a transaction whose
    // commit failed while the server keeps it open with its locks, so a second try would wait
    // for it for ever.
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

void Reincearca(const std::function<void()> &incercare, const std::function<bool(const EEroareBaza &)> &repeta,
                int incercari)
{
    for (int i = 1;; ++i) {
        try {
            incercare();
            return;
        } catch (const EEroareBaza &e) {
            if (i >= incercari || !repeta(e))
                throw;
        }
        // Two workstations that collided must not try again in step.
        QThread::msleep(50 * i + QRandomGenerator::global()->bounded(100));
    }
}

void ScrieInTranzactie(TTranzactie &tr, const std::function<void()> &lucru)
{
    bool prima = true;
    try {
        Reincearca(
            [&] {
                if (!prima)
                    ++g_reincercari;
                prima = false;
                TScriere scriere(tr);
                lucru();
                scriere.Commit();
            },
            &EEroareBaza::Conflict, kIncercariScriere);
    } catch (const EEroareBaza &e) {
        if (!e.Conflict())
            throw;
        throw EEroare(QStringLiteral("Datele nu au fost salvate: un alt post de lucru modifica aceleasi date in acelasi "
                                     "timp. Incercati din nou peste cateva momente.\n%1")
                          .arg(e.TextBaza()));
    }
}

int ReincercariScriere() { return g_reincercari; }
