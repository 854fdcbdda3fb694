#include "UDm.h"
#include "UDirectorProgram.h"
#include "UEroareBaza.h"
#include "UEroare.h"
#include "UProfilDiploma.h"
#include "UPrompter.h"
#include "UScrieValoare.h"
#include "UTabele.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QUuid>
#include <algorithm>

TDM *DM = nullptr;

namespace {
// A chain of inherited values longer than this is a cycle in the profile.
const int kAdancimeMaxima = 32;
// A start-up step that meets another workstation's start is run again this many times at most.
const int kIncercariPornire = 20;
} // namespace

TDM::TDM(QObject *owner) : QObject(owner)
{
    m_numeConexiune = QStringLiteral("certavo-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    Db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_numeConexiune);
    Tr.Conecteaza(Db);
    for (TQuery *q : {&Q1, &Q2, &Q3, &Q5, &Q6, &Q7, &Q8, &Q_GENERIC_LIST})
        *q = TQuery(Db, &Tr);
    // Like the database components: ending the transaction closes every open result set.
    Tr.LaSfarsit([this] {
        for (TQuery *q : {&Q1, &Q2, &Q3, &Q5, &Q6, &Q7, &Q8, &Q_GENERIC_LIST})
            q->Close();
    });
    DM = this;
}

TDM::~TDM()
{
    Tr.Rollback();
    for (TQuery *q : {&Q1, &Q2, &Q3, &Q5, &Q6, &Q7, &Q8, &Q_GENERIC_LIST})
        *q = TQuery();
    Tr.Conecteaza(QSqlDatabase());
    Db.close();
    Db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_numeConexiune);
    if (DM == this)
        DM = nullptr;
}

void TDM::DataModuleCreate()
{
    const TClasaProfil *profil = ProfilInregistrat();
    if (!profil)
        throw EEroare(QStringLiteral("NU ai definit profilul diplomei"));
    m_conexiune = TConexiune::Citeste();
    if (m_conexiune.PeServer()) {
        // A shared database is never created here: a wrong path must not start an empty one.
        m_fisier = m_conexiune.NumeBazaDeDate();
    } else {
        GasesteFisierulLocal(profil->NumeBazaDeDate());
    }
    DeschideBaza();
    ActualizeazaVersiune();
    SincronizeazaTabele();
    PregatesteTabele();
    CompleteazaTipuriDeDate();
    SincronizeazaProfil();
}

void TDM::GasesteFisierulLocal(const QString &nume)
{
    const QString folder = DirectorProgram() + QStringLiteral("DB");
    QDir().mkpath(folder);
    m_fisier = folder + QLatin1Char('/') + nume + QStringLiteral(".FDB");
    if (!QFileInfo::exists(m_fisier)) {
        const QString blank = DirectorProgram() + QStringLiteral("BLANK.FDB");
        if (!QFileInfo::exists(blank)) {
            UI::Avertizare(QStringLiteral("Nu exista baza de date curenta si nu gasesc baza de date \"BLANK\" pentru "
                                          "initializare.\nDB Curent:%1\r\nDB Blank:%2")
                               .arg(QDir::toNativeSeparators(m_fisier), QDir::toNativeSeparators(blank)));
            throw EOprireProces(1);
        }
        // Copied under another name and renamed, so an interrupted copy never leaves
        // a half database where the program would open it next time.
        const QString temp = m_fisier + QStringLiteral(".tmp");
        QFile::remove(temp);
        if (!QFile::copy(blank, temp) || !QFile::rename(temp, m_fisier)) {
            QFile::remove(temp);
            throw EEroare(QStringLiteral("Nu pot crea baza de date \"%1\" din \"%2\".")
                              .arg(QDir::toNativeSeparators(m_fisier), QDir::toNativeSeparators(blank)));
        }
        QFile::setPermissions(m_fisier, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    }
}

void TDM::DeschideBaza()
{
    Db.setDatabaseName(m_fisier);
    Db.setUserName(m_conexiune.Utilizator);
    Db.setPassword(m_conexiune.Parola);
    // The database is UTF8, so no typed letter is lost on the way.
    Db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
    if (Db.open())
        return;
    if (m_conexiune.PeServer())
        throw EEroare(QStringLiteral("Nu pot deschide baza de date \"%1\" de pe serverul %2:\n%3")
                          .arg(m_conexiune.Cale, m_conexiune.Server, Db.lastError().text()));
    throw EEroare(QStringLiteral("Nu pot deschide baza de date \"%1\":\n%2")
                      .arg(QDir::toNativeSeparators(m_fisier), Db.lastError().text()));
}

void TDM::ActualizeazaVersiune()
{
    // Each step reads the version again under the start-up lock: a workstation that
    // started at the same time may have done it already.
    const auto pas = [this](int versiune, const QString &ddl) {
        PasDePornire([&] {
            Q1.SQL(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB"));
            Q1.Open();
            // No row or no value: the base schema.
            const int v = Q1.Intreg(QStringLiteral("VERSIUNE"), 1);
            Q1.Close();
            if (v >= versiune)
                return;
            DDL(Q1, ddl);
            ScrieVersiunea(versiune);
        });
    };
    pas(2, QStringLiteral("ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, ADD COD_LINIE VARCHAR(32)"));
    pas(3, QStringLiteral("ALTER TABLE PROFIL_DIPLOMA ADD ORDINE INTEGER"));
}

void TDM::ScrieVersiunea(int v)
{
    Q1.SQL(QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=%1").arg(v));
    Q1.ExecSQL();
    // A table without its row would be upgraded again at the next start, and the
    // columns added twice: the row is put back.
    if (Q1.RanduriAfectate() == 0) {
        Q1.SQL(QStringLiteral("INSERT INTO CONFID_DB (VERSIUNE) VALUES (%1)").arg(v));
        Q1.ExecSQL();
    }
}

void TDM::Pas(const std::function<void()> &pas)
{
    TScriere scriere(Tr);
    // Every start-up step first takes the version row. A second workstation starting at the
    // same time waits there for this step to end, then meets an update conflict and runs
    // the step again on what is now committed, so its checks find the objects and rows.
    Q1.SQL(QStringLiteral("UPDATE CONFID_DB SET VERSIUNE = VERSIUNE"));
    Q1.ExecSQL();
    Q1.Close();
    pas();
    scriere.Commit();
}

void TDM::PasDePornire(const std::function<void()> &pas)
{
    Reincearca([&] { Pas(pas); }, &EEroareBaza::Conflict, kIncercariPornire);
}

void TDM::DDL(TQuery &q, const QString &sql)
{
    q.SQL(sql);
    q.ExecSQL();
    ++m_ddl;
}

void TDM::SincronizeazaTabele()
{
    const TClasaTabele *clasa = TabeleInregistrate();
    if (!clasa)
        throw EEroare(QStringLiteral("Nu ai inclus nici o \"lista tabel\""));
    const std::unique_ptr<TListaLiniiTabel> lista = clasa->Create();
    PasDePornire([&] {
        for (const TLinieTabel &l : lista->Linii) {
            Q1.SQL(QStringLiteral("select    * from    TABELE where    (NUME_TABEL = :NUME_TABEL)"));
            Q1.Param(QStringLiteral("NUME_TABEL"), l.NumeTabel);
            Q1.Open();
            const bool exista = !Q1.Eof();
            Q1.Close();
            Q1.SQL(exista ? QStringLiteral("update    TABELE set    NUME_TABEL = :NUME_TABEL, EXP_DENUMIRE = :EXP_DENUMIRE "
                                           "where    (NUME_TABEL = :NUME_TABEL)")
                          : QStringLiteral("insert into    TABELE    (NUME_TABEL, EXP_DENUMIRE) values    (:NUME_TABEL, "
                                           ":EXP_DENUMIRE)"));
            Q1.Param(QStringLiteral("NUME_TABEL"), l.NumeTabel);
            Q1.Param(QStringLiteral("EXP_DENUMIRE"), l.ExpDenumire);
            Q1.ExecSQL();
        }
    });
}

bool TDM::Exista(const QString &sql, const QString &param, const QString &valoare, const QString &param2,
                 const QString &valoare2)
{
    Q2.SQL(sql);
    Q2.Param(param, valoare);
    if (!param2.isEmpty())
        Q2.Param(param2, valoare2);
    Q2.Open();
    const bool rez = !Q2.Eof();
    Q2.Close();
    return rez;
}

void TDM::CreeazaTabel(const QString &t)
{
    if (!Exista(QStringLiteral("select    RDB$RELATION_NAME from    RDB$RELATIONS where    RDB$RELATION_NAME = "
                               ":RDB$RELATION_NAME"),
                QStringLiteral("RDB$RELATION_NAME"), t))
        DDL(Q2, QStringLiteral("create table ") + t + QStringLiteral("(") + QStringLiteral("    ID_") + t
                    + QStringLiteral(" INTEGER NOT NULL ") + QStringLiteral(");"));
}

void TDM::AdaugaCheiePrimara(const QString &t)
{
    if (!Exista(QStringLiteral("select    RDB$CONSTRAINT_NAME from    RDB$RELATION_CONSTRAINTS where    "
                               "RDB$CONSTRAINT_NAME = :RDB$CONSTRAINT_NAME"),
                QStringLiteral("RDB$CONSTRAINT_NAME"), QStringLiteral("PK_") + t))
        DDL(Q2, QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT PK_%1 PRIMARY KEY (ID_%1);").arg(t));
}

void TDM::CreeazaGenerator(const QString &t)
{
    if (!Exista(QStringLiteral("select    RDB$GENERATOR_NAME from    RDB$GENERATORS where    RDB$GENERATOR_NAME = "
                               ":RDB$GENERATOR_NAME"),
                QStringLiteral("RDB$GENERATOR_NAME"), QStringLiteral("G_ID_") + t)) {
        DDL(Q2, QStringLiteral("CREATE GENERATOR G_ID_") + t + QStringLiteral(";"));
        DDL(Q2, QStringLiteral("SET GENERATOR G_ID_") + t + QStringLiteral(" TO 0;"));
    }
}

void TDM::AdaugaColoaneLegatura(const QString &t)
{
    const QString sql = QStringLiteral("SELECT * FROM RDB$RELATION_FIELDS WHERE (RDB$RELATION_NAME=:TAB) AND "
                                       "(RDB$FIELD_NAME=:FLD)");
    for (const QString &prefix : {QStringLiteral("ID_"), QStringLiteral("IDF_")}) {
        if (!Exista(sql, QStringLiteral("TAB"), QStringLiteral("DATE"), QStringLiteral("FLD"), prefix + t))
            DDL(Q3, QStringLiteral("ALTER TABLE \"DATE\" ADD ") + prefix + t + QStringLiteral(" INTEGER"));
    }
}

void TDM::AdaugaCheiStraine(const QString &t)
{
    const QString sql = QStringLiteral("select    RDB$CONSTRAINT_NAME from    RDB$RELATION_CONSTRAINTS where    "
                                       "RDB$CONSTRAINT_NAME = :RDB$CONSTRAINT_NAME");
    const QString fk[] = {
        QStringLiteral("alter table \"DATE\" add constraint FK_%:1s_1 foreign key (ID_%:1s) references %:1s(ID_%:1s) on "
                       "delete CASCADE"),
        QStringLiteral("alter table \"DATE\" add constraint FK_%:1s_2 foreign key (IDF_%:1s) references %:1s(ID_%:1s) on "
                       "delete CASCADE"),
    };
    for (int i = 0; i < 2; ++i) {
        if (!Exista(sql, QStringLiteral("RDB$CONSTRAINT_NAME"), QStringLiteral("FK_%1_%2").arg(t).arg(i + 1))) {
            QString ddl = fk[i];
            DDL(Q2, ddl.replace(QStringLiteral("%:1s"), t));
        }
    }
}

void TDM::PregatesteTabele()
{
    QStringList tabele;
    {
        TCitire citire(Tr);
        Q1.SQL(QStringLiteral("select NUME_TABEL from TABELE"));
        for (Q1.Open(); !Q1.Eof(); Q1.Next())
            tabele << Q1.Text(QStringLiteral("NUME_TABEL")).trimmed();
        Q1.Close();
    }
    using PasTabel = void (TDM::*)(const QString &);
    const PasTabel pasi[] = {&TDM::CreeazaTabel, &TDM::AdaugaCheiePrimara, &TDM::CreeazaGenerator,
                        &TDM::AdaugaColoaneLegatura, &TDM::AdaugaCheiStraine};
    for (const QString &t : tabele) {
        for (PasTabel pas : pasi)
            PasDePornire([&] { (this->*pas)(t); });
    }
    AsiguraIndexulUnic(tabele);
}

QStringList TDM::ColoaneIndexUnic(const QStringList &tabele)
{
    QStringList proprietari;
    for (const QString &t : tabele)
        proprietari << QStringLiteral("ID_") + t;
    proprietari.removeDuplicates();
    std::sort(proprietari.begin(), proprietari.end());
    // The students' column right after the field code, so that the lookups of a student's
    // value use the whole index.
    const QString elevi = QStringLiteral("ID_ELEVI");
    if (proprietari.removeAll(elevi) > 0)
        proprietari.prepend(elevi);
    return QStringList{QStringLiteral("COD_FORMULAR"), QStringLiteral("COD_PAGINA"), QStringLiteral("COD_CAMP")}
           + proprietari;
}

QStringList TDM::SegmenteIndexUnic()
{
    QStringList rez;
    Q2.SQL(QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) AS CAMP FROM RDB$INDEX_SEGMENTS WHERE RDB$INDEX_NAME = "
                          ":RDB$INDEX_NAME ORDER BY RDB$FIELD_POSITION"));
    Q2.Param(QStringLiteral("RDB$INDEX_NAME"), IndexValoare());
    for (Q2.Open(); !Q2.Eof(); Q2.Next())
        rez << Q2.Text(QStringLiteral("CAMP"));
    Q2.Close();
    return rez;
}

void TDM::AsiguraIndexulUnic(const QStringList &tabele)
{
    // A row of "DATE" has exactly one owner column set, and the index holds the field code
    // and every owner column: so it is unique per field and owner (Firebird lets equal keys
    // through only when every column of the key is null).
    const QStringList coloane = ColoaneIndexUnic(tabele);
    {
        TCitire citire(Tr);
        if (SegmenteIndexUnic() == coloane)
            return;
    }
    Reincearca(
        [&] {
            // The removal is committed before the index is made: Firebird does not build
            // an index on a table that the same transaction has changed.
            Pas([&] { StergeDubluri(coloane); });
            Pas([&] {
                const QStringList segmente = SegmenteIndexUnic();
                if (segmente == coloane)
                    return;
                if (!segmente.isEmpty())
                    DDL(Q2, QStringLiteral("DROP INDEX ") + IndexValoare());
                DDL(Q2, QStringLiteral("CREATE UNIQUE INDEX %1 ON \"DATE\" (%2)")
                            .arg(IndexValoare(), coloane.join(QStringLiteral(", "))));
            });
        },
        &EEroareBaza::Conflict, kIncercariPornire);
}

void TDM::StergeDubluri(const QStringList &coloane)
{
    struct TGrup
    {
        QVariantList valori;
        int numar;
    };
    QList<TGrup> grupuri;
    const QString lista = coloane.join(QStringLiteral(", "));
    Q2.SQL(QStringLiteral("SELECT %1, COUNT(*) AS NUMAR FROM \"DATE\" GROUP BY %1 HAVING COUNT(*) > 1").arg(lista));
    for (Q2.Open(); !Q2.Eof(); Q2.Next()) {
        TGrup g{{}, Q2.Intreg(QStringLiteral("NUMAR"))};
        for (const QString &c : coloane)
            g.valori << Q2.Camp(c);
        grupuri << g;
    }
    Q2.Close();
    // The row kept is the one every reader takes today: the first that an unordered select
    // of the field and owner returns, which is the first in storage order, whatever access
    // path the select takes. The same delete without an order walks the rows in that order.
    for (const TGrup &g : grupuri) {
        QStringList conditii;
        for (int i = 0; i < coloane.size(); ++i)
            conditii << (g.valori[i].isNull() ? coloane[i] + QStringLiteral(" IS NULL")
                                              : QStringLiteral("%1 = :P%2").arg(coloane[i]).arg(i));
        Q2.SQL(QStringLiteral("DELETE FROM \"DATE\" WHERE %1 ROWS 2 TO %2")
                   .arg(conditii.join(QStringLiteral(" AND ")))
                   .arg(g.numar));
        for (int i = 0; i < coloane.size(); ++i)
            Q2.Param(QStringLiteral("P%1").arg(i), g.valori[i]);
        Q2.ExecSQL();
        Q2.Close();
    }
}

void TDM::CompleteazaTipuriDeDate()
{
    PasDePornire([&] {
        for (const char *tip : {"TEXT", "CF", "SIRUES", "CNP", "NOTA", "CALIFICATIV", "NOTA sau CALIFICATIV"}) {
            Q1.SQL(QStringLiteral("select * from TIPURI_DE_DATE where TIP_DE_DATE = :TIP_DE_DATE"));
            Q1.Param(QStringLiteral("TIP_DE_DATE"), QString::fromLatin1(tip));
            Q1.Open();
            const bool exista = !Q1.Eof();
            Q1.Close();
            if (!exista) {
                Q1.SQL(QStringLiteral("insert into TIPURI_DE_DATE (TIP_DE_DATE) values (:TIP_DE_DATE)"));
                Q1.Param(QStringLiteral("TIP_DE_DATE"), QString::fromLatin1(tip));
                Q1.ExecSQL();
            }
        }
    });
}

void TDM::SincronizeazaProfil()
{
    const TClasaProfil *clasa = ProfilInregistrat();
    if (!clasa)
        throw EEroare(QStringLiteral("Nu ai inclus nici o \"lista profil\""));
    // Loaded before anything is written: a bad profile file leaves the table as it was.
    const std::unique_ptr<TListaLiniiProfilDiploma> profil = clasa->Create();
    PasDePornire([&] {
        QSet<QString> chei;
        const auto cheie = [](const QString &f, const QString &p, const QString &c) {
            return f + QChar(1) + p + QChar(1) + c;
        };
        for (const TLinieProfilDiploma &l : profil->Linii) {
            chei.insert(cheie(l.CodFormular, l.CodPagina, l.CodCamp));
            Q1.SQL(QStringLiteral("select    * from    PROFIL_DIPLOMA where    (COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA "
                                  "= :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
            Q1.ParamCod(l.CodFormular, l.CodPagina, l.CodCamp);
            Q1.Open();
            const bool exista = !Q1.Eof();
            Q1.Close();
            Q1.SQL(exista
                       ? QStringLiteral("update    PROFIL_DIPLOMA set    SIMILAR_CU = :SIMILAR_CU, ETICHETA_EDITOR = "
                                        ":ETICHETA_EDITOR,    FORMULA = :FORMULA, VIZIBIL = :VIZIBIL, TIP_DE_DATE = "
                                        ":TIP_DE_DATE,    ASOCIAT_CU = :ASOCIAT_CU, GRUP = :GRUP, "
                                        "LATIME_SUGERATA=:LATIME_SUGERATA, COD_LINIE=:COD_LINIE, ORDINE=:ORDINE where    "
                                        "(COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = :COD_PAGINA) and (COD_CAMP = "
                                        ":COD_CAMP)")
                       : QStringLiteral("insert into    PROFIL_DIPLOMA    (COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, "
                                        "ONOREZ_SIMILAR,    ETICHETA_EDITOR, FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, "
                                        "LATIME_SUGERATA, COD_LINIE, ORDINE) values    (:COD_FORMULAR, :COD_PAGINA, "
                                        ":COD_CAMP, :SIMILAR_CU, 'DA',    :ETICHETA_EDITOR, :FORMULA, :VIZIBIL, :TIP_DE_DATE, "
                                        ":ASOCIAT_CU, :GRUP, :LATIME_SUGERATA, :COD_LINIE, :ORDINE)"));
            Q1.ParamCod(l.CodFormular, l.CodPagina, l.CodCamp);
            Q1.Param(QStringLiteral("SIMILAR_CU"), l.SimilarCu);
            Q1.Param(QStringLiteral("ETICHETA_EDITOR"), l.EtichetaEditor);
            Q1.Param(QStringLiteral("FORMULA"), l.Formula);
            Q1.Param(QStringLiteral("VIZIBIL"), l.Vizibil);
            Q1.Param(QStringLiteral("TIP_DE_DATE"), l.TipDeDate);
            Q1.Param(QStringLiteral("ASOCIAT_CU"), l.AsociatCu);
            Q1.Param(QStringLiteral("GRUP"), l.Grup);
            Q1.Param(QStringLiteral("LATIME_SUGERATA"), l.LatimeSugerata);
            Q1.Param(QStringLiteral("COD_LINIE"), l.CodLinie);
            Q1.Param(QStringLiteral("ORDINE"), l.Ordine);
            Q1.ExecSQL();
        }
        // Rows of fields the profile no longer has go away (and only those).
        struct TCheie
        {
            QString f, p, c;
        };
        QList<TCheie> deSters;
        Q1.SQL(QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP from PROFIL_DIPLOMA"));
        for (Q1.Open(); !Q1.Eof(); Q1.Next()) {
            TCheie k{Q1.Text(QStringLiteral("COD_FORMULAR")), Q1.Text(QStringLiteral("COD_PAGINA")),
                     Q1.Text(QStringLiteral("COD_CAMP"))};
            if (!chei.contains(cheie(k.f, k.p, k.c)))
                deSters << k;
        }
        Q1.Close();
        for (const TCheie &k : deSters) {
            Q2.SQL(QStringLiteral("delete from PROFIL_DIPLOMA where (COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = "
                                  ":COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
            Q2.ParamCod(k.f, k.p, k.c);
            Q2.ExecSQL();
        }
    });
}

QString TDM::ParseExp(const QString &expresie, int idElev, int idInregistrare)
{
    if (!Tr.Active())
        throw EEroare(QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii procedurii ParseExp"));
    QString rez, cod;
    bool inauntru = false;
    for (const QChar c : expresie) {
        if (!inauntru) {
            if (c == QLatin1Char('{')) {
                inauntru = true;
                cod.clear();
            } else {
                rez += c;
            }
        } else if (c == QLatin1Char('}')) {
            QString f, p, k;
            DescompuneCod(cod, f, p, k);
            rez += CitesteValoare(f, p, k, idElev, idInregistrare);
            inauntru = false;
        } else {
            cod += c;
        }
    }
    return rez;
}

QString TDM::CitesteValoare(const QString &formular, const QString &pagina, const QString &camp, int idElev,
                            int idInregistrare)
{
    if (!Bloc)
        return CitesteValoare(formular, pagina, camp, idElev, idInregistrare, 0);
    const QString cheie = TValoriInBloc::Cheie(formular, pagina, camp) + QStringLiteral("|%1|%2").arg(idElev).arg(idInregistrare);
    if (const QString *v = Bloc->Memorat(cheie))
        return *v;
    const QString v = CitesteValoare(formular, pagina, camp, idElev, idInregistrare, 0);
    Bloc->Memoreaza(cheie, v);
    return v;
}

TLinieProfilCitita TDM::LinieProfil(const QString &formular, const QString &pagina, const QString &camp)
{
    if (Bloc)
        return Bloc->LinieProfil(*this, formular, pagina, camp);
    TCitire citire(Tr);
    TInchide inchide(Q1);
    Q1.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) "
                          "AND (COD_CAMP=:COD_CAMP)"));
    Q1.ParamCod(formular, pagina, camp);
    Q1.Open();
    if (Q1.Eof())
        return {};
    return {true, Q1.Text(QStringLiteral("TIP_DE_DATE")), Q1.Text(QStringLiteral("ONOREZ_SIMILAR")),
            Q1.Text(QStringLiteral("SIMILAR_CU")), Q1.Text(QStringLiteral("ASOCIAT_CU"))};
}

TRandValoare TDM::RandValoare(const QString &formular, const QString &pagina, const QString &camp, const QString &tabel,
                              int id)
{
    if (Bloc)
        if (const TRandValoare *r = Bloc->RandValoare(*this, formular, pagina, camp, tabel, id))
            return *r;
    TQuery &q = tabel == QLatin1String("ELEVI") ? Q2 : Q3;
    TInchide inchide(q);
    q.SQL(QStringLiteral("SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
                         "(COD_CAMP=:COD_CAMP) AND (ID_")
          + tabel + QStringLiteral("=:ID)"));
    q.ParamCod(formular, pagina, camp);
    q.Param(QStringLiteral("ID"), id);
    q.Open();
    if (q.Eof())
        return {};
    TRandValoare r{true, q.Text(QStringLiteral("VALOARE_TEXT")), {}};
    for (const QString &col : q.Coloane())
        if (col.startsWith(QLatin1String("IDF_")))
            r.Legaturi.insert(col, q.Camp(col));
    return r;
}

QString TDM::CitesteValoare(const QString &formular, const QString &pagina, const QString &camp, int idElev,
                            int idInregistrare, int adancime)
{
    // A SIMILAR_CU cycle would recurse for ever: past the limit the value is empty.
    if (adancime > kAdancimeMaxima)
        return {};
    TCitire citire(Tr);
    const TLinieProfilCitita linie = LinieProfil(formular, pagina, camp);
    if (!linie.Exista)
        return {};
    const QString &os = linie.OnorezSimilar;
    const QString &sim = linie.SimilarCu;
    const QString &t = linie.AsociatCu;

    const auto valoareInregistrare = [&](int id) { return RandValoare(formular, pagina, camp, t, id).Valoare; };
    // The record the student's link row names, or -1 when there is none.
    const auto inregistrareLegata = [&]() {
        const TRandValoare r = RandValoare(formular, pagina, camp, QStringLiteral("ELEVI"), idElev);
        if (!r.Exista)
            return -1;
        const auto it = r.Legaturi.constFind(QStringLiteral("IDF_") + t);
        if (it == r.Legaturi.cend())
            throw EEroare(QStringLiteral("Campul IDF_%1 nu exista in rezultat.").arg(t));
        return it->isNull() ? -1 : it->toInt();
    };
    const auto valoareElev = [&]() { return RandValoare(formular, pagina, camp, QStringLiteral("ELEVI"), idElev).Valoare; };
    const bool elevi = t == QLatin1String("ELEVI");

    const QString osMare = os.toUpper();
    if (osMare == QLatin1String("NU") || osMare.isEmpty() || sim.trimmed().isEmpty()) {
        if (elevi)
            return valoareElev();
        const int r = idElev == -1 ? idInregistrare : inregistrareLegata();
        return r == -1 ? QString() : valoareInregistrare(r);
    }

    QString rez;
    int r;
    if (os == QLatin1String("OPTIONAL")) {
        if (elevi) {
            r = -1;
            rez = valoareElev();
        } else {
            r = -2;
            const int legat = inregistrareLegata();
            if (legat != -1) {
                r = legat;
                rez = valoareInregistrare(r);
            }
        }
    } else {
        r = idInregistrare;
    }
    if ((!rez.isEmpty() || r == -2) && os != QLatin1String("DA"))
        return rez;
    QString f2, p2, c2;
    DescompuneCod(sim, f2, p2, c2);
    return CitesteValoare(f2, p2, c2, idElev, r, adancime + 1);
}

int TDM::InregistrareNoua(const QString &tabel)
{
    Q1.SQL(QStringLiteral("SELECT GEN_ID(G_ID_%1,1) AS \"ID\" FROM RDB$DATABASE").arg(tabel));
    Q1.Open();
    const int id = Q1.Intreg(QStringLiteral("ID"));
    Q1.Close();
    Q1.SQL(QStringLiteral("insert into %1 (ID_%1) values (:id)").arg(tabel));
    Q1.Param(QStringLiteral("id"), id);
    Q1.ExecSQL();
    return id;
}

void TDM::StergeInregistrarea(const QString &tabel, int id)
{
    ScrieInTranzactie(Tr, [&] {
        Q1.SQL(QStringLiteral("delete from %1 where ID_%1 = :ID").arg(tabel));
        Q1.Param(QStringLiteral("ID"), id);
        Q1.ExecSQL();
    });
}

void TDM::DescompuneCod(const QString &cod, QString &formular, QString &pagina, QString &camp)
{
    const QStringList parti = cod.split(QLatin1Char('.'));
    formular = parti.value(0);
    pagina = parti.value(1);
    camp = parti.value(2);
}

QString TDM::SeparaCuvinte(const QString &text)
{
    QString rez;
    rez.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            rez += QLatin1Char(' ');
        rez += c;
    }
    return rez;
}
