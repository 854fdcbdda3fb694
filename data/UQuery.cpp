#include "UQuery.h"
#include "UEroareBaza.h"

#include <QSqlError>
#include <QSqlRecord>

QString TQuery::Pozitional(const QString &sql, QVector<QString> &nume)
{
    nume.clear();
    QString rez;
    rez.reserve(sql.size());
    QChar ghilimea;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!ghilimea.isNull()) {
            if (c == ghilimea)
                ghilimea = QChar();
            rez += c;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            ghilimea = c;
            rez += c;
        } else if (c == QLatin1Char(':') && i + 1 < sql.size()
                   && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))) {
            qsizetype j = i + 1;
            while (j < sql.size() && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_') || sql[j] == QLatin1Char('$')))
                ++j;
            nume << sql.mid(i + 1, j - i - 1).toUpper();
            rez += QLatin1Char('?');
            i = j - 1;
        } else {
            rez += c;
        }
    }
    return rez;
}

void TQuery::SQL(const QString &text)
{
    Close();
    m_text = text;
    m_valori.clear();
}

void TQuery::Param(const QString &nume, const QVariant &valoare) { m_valori.insert(nume.toUpper(), valoare); }

void TQuery::ParamCod(const QString &formular, const QString &pagina, const QString &camp)
{
    Param(QStringLiteral("COD_FORMULAR"), formular);
    Param(QStringLiteral("COD_PAGINA"), pagina);
    Param(QStringLiteral("COD_CAMP"), camp);
}

void TQuery::Eroare(const QSqlQuery &q) const
{
    throw EEroareBaza(q.lastError(), QStringLiteral("Eroare la baza de date: %1\n%2").arg(q.lastError().text(), m_text));
}

void TQuery::Executa()
{
    Close();
    const bool inTranzactie = m_tr && m_tr->Active();
    if (!inTranzactie || m_generatie != m_tr->Generatie() || m_pregatite.size() > 64) {
        m_pregatite.clear();
        m_generatie = inTranzactie ? m_tr->Generatie() : 0;
    }
    std::shared_ptr<TPregatit> p = m_pregatite.value(m_text);
    if (!p) {
        p = std::make_shared<TPregatit>();
        p->q = QSqlQuery(m_db);
        p->q.setForwardOnly(true);
        if (!p->q.prepare(Pozitional(m_text, p->nume)))
            Eroare(p->q);
        if (inTranzactie)
            m_pregatite.insert(m_text, p);
    }
    for (int i = 0; i < p->nume.size(); ++i) {
        QVariant v = m_valori.value(p->nume[i]);
        // An unset or null text parameter is bound as an empty text.
        if (!v.isValid() || (v.typeId() == QMetaType::QString && v.toString().isNull()))
            v = QStringLiteral("");
        p->q.bindValue(i, v);
    }
    if (!p->q.exec())
        Eroare(p->q);
    if (p->coloane.isEmpty() && p->q.isSelect()) {
        const QSqlRecord r = p->q.record();
        for (int i = 0; i < r.count(); ++i) {
            p->numeColoane << r.fieldName(i).toUpper();
            p->coloane.insert(p->numeColoane.last(), i);
        }
    }
    m_curent = p;
    m_activ = true;
}

void TQuery::Open()
{
    Executa();
    m_eof = !m_curent->q.next();
}

void TQuery::ExecSQL()
{
    Executa();
    m_eof = true;
}

void TQuery::Next()
{
    if (!m_eof)
        m_eof = !m_curent->q.next();
}

void TQuery::Close()
{
    if (m_activ && m_curent)
        m_curent->q.finish();
    m_activ = false;
    m_eof = true;
}

int TQuery::RanduriAfectate() const { return m_curent ? m_curent->q.numRowsAffected() : 0; }

QVariant TQuery::Camp(const QString &nume) const
{
    if (m_eof)
        return {};
    const int i = m_curent->coloane.value(nume.toUpper(), -1);
    if (i < 0)
        throw EEroare(QStringLiteral("Campul %1 nu exista in rezultat.").arg(nume));
    return m_curent->q.value(i);
}

QVariant TQuery::Camp(int coloana) const { return m_eof ? QVariant() : m_curent->q.value(coloana); }

QString TQuery::Text(const QString &nume) const
{
    const QVariant v = Camp(nume);
    return v.isNull() ? QString() : v.toString();
}

int TQuery::Intreg(const QString &nume, int implicit) const
{
    const QVariant v = Camp(nume);
    return v.isNull() ? implicit : v.toInt();
}
