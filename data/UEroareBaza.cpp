#include "UEroareBaza.h"
#include "UScrieValoare.h"

EEroareBaza::EEroareBaza(const QSqlError &eroare, QString mesaj)
    : EEroare(std::move(mesaj)), m_codSql(eroare.nativeErrorCode().toInt()), m_textBaza(eroare.databaseText())
{
}

bool EEroareBaza::Conflict() const
{
    // -913: deadlock or update conflict. -803: a duplicate key, which only the values' index
    // can meet from another workstation (ids come from generators). A lock conflict of a
    // no-wait transaction or an object in use has the general -901, so its text decides.
    if (m_codSql == -913)
        return true;
    if (m_codSql == -803)
        return m_textBaza.contains(IndexValoare());
    return m_textBaza.contains(QLatin1String("lock conflict"), Qt::CaseInsensitive)
           || m_textBaza.contains(QLatin1String("update conflicts"), Qt::CaseInsensitive)
           || m_textBaza.contains(QLatin1String("deadlock"), Qt::CaseInsensitive);
}
