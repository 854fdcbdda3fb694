#include "UEditorGeneric.h"
#include "UDm.h"
#include "UPrompter.h"
#include "UScrieValoare.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
const char *kSelect = "SELECT * FROM \"DATE\" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND "
                      "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)";
}

TEditorGeneric::TEditorGeneric(QWidget *Owner) : QFrame(Owner)
{
    resize(420, 117);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColoarePanou());
    setPalette(pal);

    auto *exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(8, 0, 4, 2);
    exterior->setSpacing(0);
    RzLabel1 = new QLabel(QStringLiteral("RzLabel1"), this);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setFixedHeight(13);
    QFont f = RzLabel1->font();
    f.setPixelSize(11);
    RzLabel1->setFont(f);
    exterior->addWidget(RzLabel1);
    m_client = exterior;
}

void TEditorGeneric::PuneControl(QWidget *Control)
{
    m_client->addWidget(Control, 1);
    setFixedHeight(36);
}

void TEditorGeneric::IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                                 const QString &AsociatCu, int IdElev, int IdInregistrare)
{
    Q_UNUSED(AsociatCu);
    Q_UNUSED(IdElev);
    Q_UNUSED(IdInregistrare);
    m_codFormular = CodFormular;
    m_codPagina = CodPagina;
    m_codCamp = CodCamp;
}

bool TEditorGeneric::PotSalva()
{
    UI::Avertizare(QStringLiteral("Functioa \"PotSalva\" nu este implementata pentru ")
                   + QString::fromLatin1(metaObject()->className()));
    return false;
}

void TEditorGeneric::SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu)
{
    Q_UNUSED(IdElev);
    Q_UNUSED(IdInregistrare);
    Q_UNUSED(AsociatCu);
}

int TEditorGeneric::IdEfectiv(const QString &AsociatCu, int IdElev, int IdInregistrare)
{
    return AsociatCu == QLatin1String("ELEVI") ? IdElev : IdInregistrare;
}

QString TEditorGeneric::TextDeSalvat(const QString &Text, int N)
{
    qsizetype i = 0, j = Text.size();
    while (i < j && Text[i].unicode() <= ' ')
        ++i;
    while (j > i && Text[j - 1].unicode() <= ' ')
        --j;
    return Text.mid(i, j - i).left(N);
}

void TEditorGeneric::SelecteazaRandul(TQuery &Q, const QString &AsociatCu, int Id, const QString &F,
                                      const QString &P, const QString &C)
{
    Q.SQL(QString::fromLatin1(kSelect).arg(AsociatCu));
    Q.ParamCod(F, P, C);
    Q.Param(QStringLiteral("ID"), Id);
    Q.Open();
}

QString TEditorGeneric::CitesteTextul(const QString &AsociatCu, int IdElev, int IdInregistrare)
{
    TQuery &q1 = DM->Q1;
    TInchide inchide(q1);
    SelecteazaRandul(q1, AsociatCu, IdEfectiv(AsociatCu, IdElev, IdInregistrare), m_codFormular, m_codPagina,
                     m_codCamp);
    return q1.Eof() ? QString() : q1.Text(QStringLiteral("VALOARE_TEXT"));
}

void TEditorGeneric::SalveazaTextul(int IdElev, int IdInregistrare, const QString &AsociatCu, const QString &Text,
                                    int N)
{
    TColoaneValoare coloane{{QStringLiteral("VALOARE_TEXT"), TextDeSalvat(Text, N)}, {QStringLiteral("VALOARE_NUM"), 0}};
    TQuery &q2 = DM->Q2;
    TInchide inchide2(q2);
    // The row keeps only the owner column of its own table.
    q2.SQL(QStringLiteral("SELECT NUME_TABEL FROM TABELE WHERE UPPER(NUME_TABEL) <> UPPER(:TAB)"));
    q2.Param(QStringLiteral("TAB"), AsociatCu);
    for (q2.Open(); !q2.Eof(); q2.Next())
        coloane.append({QStringLiteral("ID_") + q2.Text(QStringLiteral("NUME_TABEL")).trimmed(), IdNul()});
    q2.Close();
    ScrieValoare(q2, AsociatCu, IdEfectiv(AsociatCu, IdElev, IdInregistrare), m_codFormular, m_codPagina, m_codCamp,
                 coloane);
}
