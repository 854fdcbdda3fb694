#pragma once
#include "UCitireInBloc.h"
#include "UConexiune.h"
#include "UQuery.h"
#include "UTranzactie.h"

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <functional>

// The data module: the program's one connection, its one transaction and the shared queries.
class TDM : public QObject
{
    Q_OBJECT
public:
    explicit TDM(QObject *owner = nullptr);
    ~TDM() override;

    // Finds or creates the database file, opens it and brings it up to date.
    void DataModuleCreate();

    void ActualizeazaVersiune();
    void SincronizeazaTabele();
    void PregatesteTabele();
    void CompleteazaTipuriDeDate();
    void SincronizeazaProfil();

    // The value of one field for a student (IdElev) or a record (IdInregistrare); -1 for none.
    QString CitesteValoare(const QString &formular, const QString &pagina, const QString &camp, int idElev,
                           int idInregistrare);
    // The profile row of a field (from the pass's cache inside a TCitireInBloc).
    TLinieProfilCitita LinieProfil(const QString &formular, const QString &pagina, const QString &camp);
    // Replaces every {FORMULAR.PAG.CAMP} by the field's value; a transaction must be active.
    QString ParseExp(const QString &expresie, int idElev, int idInregistrare);

    // A new row of a record table, with its id from the table's generator; inside a writer's transaction.
    int InregistrareNoua(const QString &tabel);
    // Deletes one record in its own transaction; its values and links go with the cascades.
    void StergeInregistrarea(const QString &tabel, int id);

    static void DescompuneCod(const QString &cod, QString &formular, QString &pagina, QString &camp);
    static QString SeparaCuvinte(const QString &text);

    static const int VersiuneCurenta = 3;

    QString FisierBazaDeDate() const { return m_fisier; }
    int NumarComenziDDL() const { return m_ddl; }   // statements that changed the schema in this run

    // The read-only pass in progress, if any (set by TCitireInBloc).
    TValoriInBloc *Bloc = nullptr;

    QSqlDatabase Db;
    TTranzactie Tr;
    TQuery Q1, Q2, Q3, Q5, Q6, Q7, Q8, Q_GENERIC_LIST;

private:
    void GasesteFisierulLocal(const QString &nume);
    void DeschideBaza();
    void ScrieVersiunea(int v);
    // One try of a start-up step, in its own transaction under the start-up lock.
    void Pas(const std::function<void()> &pas);
    // A start-up step, tried again when it meets another workstation's start-up.
    void PasDePornire(const std::function<void()> &pas);
    void AsiguraIndexulUnic(const QStringList &tabele);
    static QStringList ColoaneIndexUnic(const QStringList &tabele);
    QStringList SegmenteIndexUnic();
    // Leaves one row per field and owner, the one the readers read.
    void StergeDubluri(const QStringList &coloane);
    bool Exista(const QString &sql, const QString &param, const QString &valoare,
                const QString &param2 = {}, const QString &valoare2 = {});
    void DDL(TQuery &q, const QString &sql);
    void CreeazaTabel(const QString &t);
    void AdaugaCheiePrimara(const QString &t);
    void CreeazaGenerator(const QString &t);
    void AdaugaColoaneLegatura(const QString &t);
    void AdaugaCheiStraine(const QString &t);
    QString CitesteValoare(const QString &formular, const QString &pagina, const QString &camp, int idElev,
                           int idInregistrare, int adancime);
    TRandValoare RandValoare(const QString &formular, const QString &pagina, const QString &camp, const QString &tabel,
                             int id);

    QString m_numeConexiune;
    QString m_fisier;
    TConexiune m_conexiune;
    int m_ddl = 0;
};

// The one data module of the program; set while it exists.
extern TDM *DM;
