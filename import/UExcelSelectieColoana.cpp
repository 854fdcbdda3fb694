#include "UExcelSelectieColoana.h"

#include "KelVirtualGrid.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UColoaneExcel.h"
#include "UPrompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QFont FontArial15(bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(15);
    f.setBold(bold);
    return f;
}
} // namespace

TExcelSelectieColoana::TExcelSelectieColoana(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ExcelSelectieColoana"));
    setWindowTitle(QStringLiteral("Selectie coloana EXCEL"));
    resize(701, 376);

    auto *sus = new QWidget(this);
    sus->setObjectName(QStringLiteral("RzPanel1"));
    Label2 = new QLabel(sus);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(FontArial15(true));
    Label2->hide();
    Label1 = new QLabel(sus);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(FontArial15(false));
    Label1->hide();
    auto *ls = new QHBoxLayout(sus);
    ls->setContentsMargins(8, 6, 8, 6);
    ls->addWidget(Label2);
    ls->addStretch();
    sus->setMinimumHeight(30);

    G = new TKelVirtualGrid(this);
    G->setObjectName(QStringLiteral("G"));
    G->SetHeaderHeight(48);
    G->SetNrColoaneFixe(0);
    G->SetOptiuni({});

    auto *jos = new QWidget(this);
    jos->setObjectName(QStringLiteral("RzPanel2"));
    RzBitBtn1 = ButonComanda(QStringLiteral("RzBitBtn1"), QStringLiteral("Ok"), jos);
    RzBitBtn2 = ButonComanda(QStringLiteral("RzBitBtn2"), QStringLiteral("Renunt"), jos);
    auto *lj = new QHBoxLayout(jos);
    lj->setContentsMargins(8, 4, 8, 4);
    lj->addStretch();
    lj->addWidget(RzBitBtn1);
    lj->addWidget(RzBitBtn2);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(sus);
    l->addWidget(G, 1);
    l->addWidget(jos);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TExcelSelectieColoana::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TExcelSelectieColoana::RzBitBtn2Click);

    G->OnGetCellValue = [this](TKelVirtualGridLine *Obj, int Coloana, TKelValoareDate &V) {
        const auto *linie = static_cast<TLinieGrid *>(Obj);
        if (ColoaneExcel && Coloana < ColoaneExcel->Count())
            V.SetString(ColoaneExcel->Item(Coloana).value(linie->Index));
    };
    G->OnPotEdita = [](TKelVirtualGridLine *, int, bool &PotEdita) { PotEdita = false; };
    G->OnFormatCell = [this](TKelVirtualGridLine *, int Coloana, QColor &BkColor, QFont &, QColor &CuloareFont) {
        const bool aleasa = ColoaneExcel && Coloana < ColoaneExcel->Count()
                            && !ColoanaSelectata.isEmpty() && ColoaneExcel->Item(Coloana).Litere == ColoanaSelectata;
        BkColor = palette().color(aleasa ? QPalette::Highlight : QPalette::Base);
        CuloareFont = palette().color(aleasa ? QPalette::HighlightedText : QPalette::Text);
    };
    G->OnSelectCell = [this](QObject *Sender, int ACol, int ARow, bool &CanSelect) {
        GSelectCell(Sender, ACol, ARow, CanSelect);
    };
    // The current cell does not move when the cell under the click is current already
    // (the first cell, when the picker opens), yet that click picks its column too.
    connect(G, &TKelVirtualGrid::CelulaApasata, this, [this](int Col, int) { AlegeColoana(Col); });

    FormCreate();
}

void TExcelSelectieColoana::FormCreate() { CentreazaForm(this); }

int TExcelSelectieColoana::LatimeColoana(const QStringList &texte) const
{
    const QFontMetrics fm(Label1->font());
    int latime = 0;
    for (const QString &t : texte)
        latime = std::max(latime, fm.horizontalAdvance(t));
    return std::min(latime, 300) + 12;
}

void TExcelSelectieColoana::Incarca(const TListaColoaneExcel *coloaneExcel)
{
    ColoaneExcel = coloaneExcel;
    G->BeginUpdate();
    G->ListaLinii()->Clear();
    G->Coloane()->Clear();
    for (int i = 0; i < ColoaneExcel->Count(); ++i) {
        TKelVirtualGridColumn *c = G->Coloane()->Add();
        c->SetWidth(LatimeColoana(ColoaneExcel->Item(i)));
        c->SetNumeColoana(ColoaneExcel->Item(i).Litere);
    }
    if (ColoaneExcel->Count() > 0)
        for (int r = 0; r < ColoaneExcel->Item(0).size(); ++r)
            G->ListaLinii()->AdaugaLinie(new TLinieGrid(r));
    G->EndUpdate();
}

void TExcelSelectieColoana::GSelectCell(QObject *, int ACol, int ARow, bool &CanSelect)
{
    CanSelect = true;
    if (ARow >= 1)
        AlegeColoana(ACol);
}

void TExcelSelectieColoana::AlegeColoana(int ACol)
{
    if (!ColoaneExcel || ACol < 0 || ACol >= ColoaneExcel->Count())
        return;
    const QString &litere = ColoaneExcel->Item(ACol).Litere;
    if (litere == ColoanaSelectata)
        return;
    ColoanaSelectata = litere;
    G->RepaintGrid();
    Label2->setText(QStringLiteral("Ati selectat coloana ") + litere);
    Label2->show();
}

void TExcelSelectieColoana::RzBitBtn1Click()
{
    if (!ColoanaSelectata.isEmpty())
        done(UI::RezultatOk);
}

void TExcelSelectieColoana::RzBitBtn2Click() { done(UI::RezultatRenunt); }
