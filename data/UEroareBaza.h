#pragma once
#include "UEroare.h"

#include <QSqlError>

// An error the database reported, with what it said, so that a writer can tell a
// conflict with another workstation (which is worth trying again) from a real fault.
class EEroareBaza : public EEroare
{
public:
    EEroareBaza(const QSqlError &eroare, QString mesaj);

    // The SQLCODE the Firebird client gave; 0 when it gave none.
    int CodSql() const { return m_codSql; }
    const QString &TextBaza() const { return m_textBaza; }
    // Another transaction holds or has just changed the same rows: a lock or update
    // conflict, a deadlock, or a field's row that another transaction has just inserted.
    bool Conflict() const;

private:
    int m_codSql;
    QString m_textBaza;
};
