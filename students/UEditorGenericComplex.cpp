#include "UEditorGenericComplex.h"
#include "UDm.h"
#include "UEditorCampCF.h"
#include "UEditorCampCNP.h"
#include "UEditorCampCalificativ.h"
#include "UEditorCampLista.h"
#include "UEditorCampNota.h"
#include "UEditorCampSirues.h"
#include "UEditorCampText.h"
#include "UEditorGenericNotaSauCalificativ.h"
#include "UEroare.h"
#include "UFrmGrup.h"
#include "ULinieGrupare.h"

#include <QLabel>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// A widget whose controls stack from the top, each below those already there.
QWidget *CoadaVerticala(QWidget *Parinte)
{
    auto *w = new QWidget(Parinte);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ColoarePanou());
    w->setPalette(pal);
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addStretch(1);
    return w;
}
} // namespace

TEditorGenericComplex::TEditorGenericComplex(QWidget *owner) : QFrame(owner)
{
    resize(695, 557);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    PC = new QTabWidget(this);
    PC->setObjectName(QStringLiteral("PC"));
    QPalette pal = PC->palette();
    pal.setColor(QPalette::Window, ColoarePanou());
    PC->setPalette(pal);
    l->addWidget(PC);
}

void TEditorGenericComplex::DescompuneEticheta(const QString &Text, QString &Eticheta, QString &Grup, QString &Nota)
{
    Eticheta.clear();
    Grup.clear();
    Nota.clear();
    enum { Text_, Grup_, Nota_, Dupa_ } stare = Text_;
    for (const QChar c : Text) {
        switch (stare) {
        case Text_:
            if (c == QLatin1Char('['))
                stare = Grup_;
            else if (c == QLatin1Char('{'))
                stare = Nota_;
            else
                Eticheta += c;
            break;
        case Grup_:
            if (c == QLatin1Char(']'))
                stare = Text_;
            else
                Grup += c;
            break;
        case Nota_:
            if (c == QLatin1Char('}'))
                stare = Dupa_;
            else
                Nota += c;
            break;
        case Dupa_:
            break;
        }
    }
}

QString TEditorGenericComplex::ImparteTitlul(const QString &Text)
{
    QString rez;
    int emise = 0;
    for (const QChar c : Text) {
        if (c == QLatin1Char(' ') && emise > 10) {
            rez += QStringLiteral("\r\n");
        } else {
            rez += c;
            ++emise;
        }
    }
    return rez;
}

QString TEditorGenericComplex::NormalizeazaTitlu(const QString &Text)
{
    QString rez;
    for (const QChar c : Text)
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
            rez += c.toLower();
    return rez;
}

TEditorGeneric *TEditorGenericComplex::CreeazaEditor(const QString &Tip, QWidget *Owner)
{
    if (Tip == QLatin1String("TEXT"))
        return new TEditorCampText(Owner);
    if (Tip == QLatin1String("CNP"))
        return new TEditorCampCNP(Owner);
    if (Tip == QLatin1String("NOTA"))
        return new TEditorCampNota(Owner);
    if (Tip == QLatin1String("CALIFICATIV"))
        return new TEditorCampCalificativ(Owner);
    if (Tip == QLatin1String("CF"))
        return new TEditorCampCF(Owner);
    if (Tip == QLatin1String("SIRUES"))
        return new TEditorCampSirues(Owner);
    if (Tip == QLatin1String("NOTA sau CALIFICATIV"))
        return new TEditorGenericNotaSauCalificativ(Owner);
    throw EEroare(QStringLiteral("Nu stiu afisa tipul de date %1").arg(Tip));
}

void TEditorGenericComplex::AdaugaSus(QWidget *Container, QWidget *Control)
{
    auto *l = qobject_cast<QVBoxLayout *>(Container->layout());
    l->insertWidget(l->count() - 1, Control);
}

QWidget *TEditorGenericComplex::PaginaPentru(const QString &Formular)
{
    const QString titlu = TDM::SeparaCuvinte(Formular);
    const QString cheie = NormalizeazaTitlu(titlu);
    QWidget *pagina = nullptr;
    for (int i = 0; i < PC->count(); ++i)
        if (NormalizeazaTitlu(PC->tabText(i)) == cheie)
            pagina = PC->widget(i);
    if (!pagina) {
        pagina = new QWidget(this);
        auto *l = new QVBoxLayout(pagina);
        l->setContentsMargins(0, 0, 0, 0);
        auto *scroll = new QScrollArea(this);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidget(CoadaVerticala(scroll));
        l->addWidget(scroll);
        // Qt breaks tab captions at "\n" alone.
        PC->addTab(pagina, ImparteTitlul(titlu).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        // The tab bar sizes its tabs for one line of text; make room for the longest caption.
        int linii = 1;
        for (int i = 0; i < PC->count(); ++i)
            linii = qMax(linii, int(PC->tabText(i).count(QLatin1Char('\n'))) + 1);
        PC->tabBar()->setStyleSheet(
            QStringLiteral("QTabBar::tab { min-height: %1px; padding: 2px 8px; }").arg(linii * PC->fontMetrics().lineSpacing() + 6));
    }
    return pagina->findChild<QScrollArea *>()->widget();
}

TLinieGrupare *TEditorGenericComplex::LiniePentru(const QString &Cheie, QWidget *Parinte)
{
    const QString k = Cheie.toLower();
    if (TLinieGrupare *l = m_linii->value(k))
        return l;
    auto *linie = new TLinieGrupare(this);
    AdaugaSus(Parinte, linie);
    m_linii->insert(k, linie);
    return linie;
}

QWidget *TEditorGenericComplex::ContainerPentru(const QString &Formular, const QString &Grup, const QString &CodLinie)
{
    QWidget *scroll = PaginaPentru(Formular);
    if (!CodLinie.isEmpty())
        return LiniePentru(Grup + QLatin1Char('.') + CodLinie, ContainerPentru(Formular, Grup, QString()));
    if (Grup.isEmpty())
        return scroll;
    for (TFrmGrup *g : *m_grupuri)
        if (g->NumeGrup == Grup)
            return g->PanelSuport;
    auto *g = new TFrmGrup(this);
    g->NumeGrup = Grup;
    g->EtichetaGrup->setText(Grup);
    AdaugaSus(scroll, g);
    m_grupuri->append(g);
    return g->PanelSuport;
}

void TEditorGenericComplex::AdaugaEditorul(TEditorGeneric *Editor, const QString &Formular, const QString &Grup,
                                           const QString &Eticheta, const QString &CodLinie, int Latime)
{
    QWidget *c = ContainerPentru(Formular, Grup, CodLinie);
    auto *linie = qobject_cast<TLinieGrupare *>(c);
    if (!linie)
        AdaugaSus(c, Editor);
    Editor->RzLabel1->setText(Eticheta);
    Editor->setToolTip(Eticheta);
    if (linie) {
        Editor->SetLatimeSugerata(Latime);
        linie->Adauga(Editor);
    }
}

void TEditorGenericComplex::Configureaza(int IdElev, int IdInregistrare, const QString &AsociatCu)
{
    TListaFrmGrup grupuri;
    QMap<QString, TLinieGrupare *> linii;
    m_grupuri = &grupuri;
    m_linii = &linii;
    auto uita = qScopeGuard([this] {
        m_grupuri = nullptr;
        m_linii = nullptr;
    });
    // The build only reads: whatever happens, this transaction is rolled back.
    TScriere tranzactie(DM->Tr);
    TQuery &q6 = DM->Q6;
    TInchide inchide6(q6);
    // In the profile's editing order: rows without an order would come in whatever order the
    // database stores them, which changes as rows are rewritten at every start.
    q6.SQL(QStringLiteral("select    COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, ONOREZ_SIMILAR,    ETICHETA_EDITOR, "
                          "FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, LATIME_SUGERATA, COD_LINIE from    "
                          "PROFIL_DIPLOMA where    ASOCIAT_CU = :ASOCIAT_CU order by ORDINE"));
    q6.Param(QStringLiteral("ASOCIAT_CU"), AsociatCu);
    for (q6.Open(); !q6.Eof(); q6.Next()) {
        const QString tip = q6.Text(QStringLiteral("TIP_DE_DATE"));
        QString eticheta, grup, nota;
        DescompuneEticheta(q6.Text(QStringLiteral("ETICHETA_EDITOR")), eticheta, grup, nota);
        const int latime = q6.Intreg(QStringLiteral("LATIME_SUGERATA"));
        const QString codLinie = q6.Text(QStringLiteral("COD_LINIE"));
        // Inherited fields are edited where they come from. A null SIMILAR_CU inherits
        // nothing (the value lookup reads the field's own value), so it keeps its editor.
        if (!q6.Text(QStringLiteral("SIMILAR_CU")).isEmpty()
            && q6.Text(QStringLiteral("ONOREZ_SIMILAR")) == QLatin1String("DA"))
            continue;
        const QString formular = q6.Text(QStringLiteral("COD_FORMULAR"));
        TEditorGeneric *e = CreeazaEditor(tip, this);
        AdaugaEditorul(e, formular, grup, eticheta, codLinie, latime);
        e->IncarcaCamp(formular, q6.Text(QStringLiteral("COD_PAGINA")), q6.Text(QStringLiteral("COD_CAMP")), AsociatCu,
                       IdElev, IdInregistrare);
        Editoare.append(e);
    }
    q6.Close();

    const QString a = AsociatCu.toUpper();
    if (a == QLatin1String("ELEV") || a == QLatin1String("ELEVI")) {
        TQuery &q5 = DM->Q5;
        TInchide inchide5(q5);
        q5.SQL(QStringLiteral("select DISTINCT(ASOCIAT_CU) from PROFIL_DIPLOMA where (ASOCIAT_CU <> :ASOCIAT_CU)"));
        q5.Param(QStringLiteral("ASOCIAT_CU"), AsociatCu);
        for (q5.Open(); !q5.Eof(); q5.Next()) {
            const QString x = q5.Camp(0).toString();
            q6.SQL(QStringLiteral("select    EXP_DENUMIRE from    TABELE where    NUME_TABEL = :NUME_TABEL"));
            q6.Param(QStringLiteral("NUME_TABEL"), x);
            q6.Open();
            const QString denumire = q6.Eof() ? QString() : q6.Text(QStringLiteral("EXP_DENUMIRE"));
            q6.Close();

            // One document and one group for all the table's fields: the link goes there.
            QString f = QStringLiteral("-"), g = QStringLiteral("-");
            q6.SQL(QStringLiteral("SELECT DISTINCT COD_FORMULAR, GRUP FROM PROFIL_DIPLOMA WHERE (ASOCIAT_CU = "
                                  ":ASOCIAT_CU)"));
            q6.Param(QStringLiteral("ASOCIAT_CU"), x);
            for (q6.Open(); !q6.Eof(); q6.Next()) {
                const QString rf = q6.Text(QStringLiteral("COD_FORMULAR"));
                const QString rg = q6.Text(QStringLiteral("GRUP"));
                f = f == QLatin1String("-") ? rf : (f != rf ? QStringLiteral("--") : f);
                g = g == QLatin1String("-") ? rg : (g != rg ? QStringLiteral("--") : g);
            }
            q6.Close();
            if (f == QLatin1String("-") || f == QLatin1String("--"))
                f = QStringLiteral("Alte elemente de configurare");
            if (g == QLatin1String("-") || g == QLatin1String("--"))
                g = QStringLiteral("Legaturi");

            auto *e = new TEditorCampLista(this);
            AdaugaEditorul(e, f, g, x + QStringLiteral(" - ") + denumire, QString(), 0);
            e->IncarcaCamp(QString(), QString(), QString(), x, IdElev, -1);
            Editoare.append(e);
        }
    }
    DM->Tr.Rollback();

    for (TFrmGrup *grup : grupuri)
        grup->AjusteazaInaltimea();
    if (PC->count() == 1)
        PC->tabBar()->hide();
    if (PC->count() > 0)
        PC->setCurrentIndex(0);
}

bool TEditorGenericComplex::PotSalvaToate()
{
    for (TEditorGeneric *e : Editoare)
        if (!e->PotSalva())
            return false;
    return true;
}

void TEditorGenericComplex::SalveazaToate(int IdElev, int IdInregistrare, const QString &AsociatCu)
{
    if (!DM->Tr.Active())
        throw EEroare(QStringLiteral("Tranzactia trebuie sa fie DESCHISA in momentul in care salvez"));
    for (TEditorGeneric *e : Editoare)
        e->SalveazaCamp(IdElev, IdInregistrare, AsociatCu);
}
