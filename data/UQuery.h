#pragma once
#include "UTranzactie.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

// A query on the program's connection with the parameter syntax the program's SQL uses:
// ":NAME", where a name may hold "$" (":RDB$RELATION_NAME") and may repeat.
// Qt's own placeholder parser stops at "$", so names are turned into "?" here and
// bound by position. Within one transaction each distinct text is prepared once.
class TQuery
{
public:
    TQuery() = default;
    TQuery(QSqlDatabase db, const TTranzactie *tr) : m_db(db), m_tr(tr) {}

    void SQL(const QString &text);
    void Param(const QString &nume, const QVariant &valoare);
    // The field code parameters :COD_FORMULAR, :COD_PAGINA and :COD_CAMP.
    void ParamCod(const QString &formular, const QString &pagina, const QString &camp);
    // Runs a select and stands on its first row (Eof() when there is none).
    void Open();
    // Runs a statement that returns no rows.
    void ExecSQL();
    bool Eof() const { return m_eof; }
    void Next();
    void Close();
    bool Activ() const { return m_activ; }
    int RanduriAfectate() const;

    QVariant Camp(const QString &nume) const;
    QVariant Camp(int coloana) const;
    // The result's column names, upper-case, in order.
    QStringList Coloane() const { return m_curent ? m_curent->numeColoane : QStringList(); }
    QString Text(const QString &nume) const;     // null reads as empty
    int Intreg(const QString &nume, int implicit = 0) const;
    bool EsteNul(const QString &nume) const { return Camp(nume).isNull(); }

    // Splits ":NAME" parameters out of a statement; exposed for tests.
    static QString Pozitional(const QString &sql, QVector<QString> &nume);

private:
    struct TPregatit
    {
        QSqlQuery q;
        QVector<QString> nume;
        QHash<QString, int> coloane;
        QStringList numeColoane;
    };
    void Executa();
    [[noreturn]] void Eroare(const QSqlQuery &q) const;

    QSqlDatabase m_db;
    const TTranzactie *m_tr = nullptr;
    QString m_text;
    QHash<QString, QVariant> m_valori;
    QHash<QString, std::shared_ptr<TPregatit>> m_pregatite;
    quint64 m_generatie = 0;
    std::shared_ptr<TPregatit> m_curent;
    bool m_activ = false;
    bool m_eof = true;
};

// Closes a query on every way out of a scope, also when an error escapes.
class TInchide
{
public:
    explicit TInchide(TQuery &Q) : m_q(Q) {}
    ~TInchide() { m_q.Close(); }
    TInchide(const TInchide &) = delete;
    TInchide &operator=(const TInchide &) = delete;

private:
    TQuery &m_q;
};
