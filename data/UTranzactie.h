#pragma once
#include <QSqlDatabase>
#include <functional>

class EEroareBaza;

// The program's one transaction on the one connection. Qt has no transaction object
// that knows whether it is active, so this keeps that state.
class TTranzactie
{
public:
    void Conecteaza(QSqlDatabase db) { m_db = db; }
    bool Active() const { return m_activ; }
    // Changes whenever a transaction starts or ends: statements prepared in one
    // transaction are not reused in the next (the driver keeps the old handle).
    quint64 Generatie() const { return m_generatie; }
    void StartTransaction();
    void Commit();
    void Rollback();
    // Called before a commit or rollback: open result sets are closed first.
    void LaSfarsit(std::function<void()> inchide) { m_inchide = std::move(inchide); }

private:
    QSqlDatabase m_db;
    bool m_activ = false;
    quint64 m_generatie = 0;
    std::function<void()> m_inchide;
};

// Reader pattern: starts the transaction only when none is active and rolls back
// only what it started, so a reader inside a writer neither commits nor ends it.
class TCitire
{
public:
    explicit TCitire(TTranzactie &tr);
    ~TCitire();
    TCitire(const TCitire &) = delete;
    TCitire &operator=(const TCitire &) = delete;

private:
    TTranzactie &m_tr;
    bool m_pornit;
};

// Writer pattern: starts the transaction (it must not be active), the caller commits,
// and whatever is still open when it goes out of scope (after an error) is rolled back.
class TScriere
{
public:
    explicit TScriere(TTranzactie &tr);
    ~TScriere();
    void Commit() { m_tr.Commit(); }
    TScriere(const TScriere &) = delete;
    TScriere &operator=(const TScriere &) = delete;

private:
    TTranzactie &m_tr;
};

// Runs Incercare again, after a short pause that grows, while it fails with a database
// error that Repeta accepts; after Incercari runs the last error goes out.
void Reincearca(const std::function<void()> &incercare, const std::function<bool(const EEroareBaza &)> &repeta,
                int incercari);

// A writer: Lucru runs in a transaction of its own, which is committed. When another
// workstation saves the same rows at the same time (a lock or update conflict, a key it has
// just inserted) everything is rolled back and Lucru runs again on what is now committed, so
// an insert that lost the race becomes an update; after a few tries a Romanian error says
// so. Nothing of a failed run stays.
void ScrieInTranzactie(TTranzactie &tr, const std::function<void()> &lucru);
// How many times a writer was run again in this process (for the figures of tests and benches).
int ReincercariScriere();
