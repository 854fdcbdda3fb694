#include "UEditeaza.h"
#include "UAfisareErori.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UDm.h"
#include "UEditorGenericComplex.h"
#include "UPrompter.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TEditeaza::TEditeaza(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Editeaza"));
    setWindowTitle(QStringLiteral("Editeaza"));
    resize(640, 480);
    auto *dreapta = new QWidget(this);
    dreapta->setObjectName(QStringLiteral("RzPanel1"));
    dreapta->setFixedWidth(79);
    RzBitBtn1 = ButonComanda(QStringLiteral("RzBitBtn1"), QStringLiteral("Ok"), dreapta);
    RzBitBtn2 = ButonComanda(QStringLiteral("RzBitBtn2"), QStringLiteral("Renunt"), dreapta);
    auto *coloana = new QVBoxLayout(dreapta);
    coloana->setContentsMargins(2, 8, 2, 4);
    coloana->addWidget(RzBitBtn1);
    coloana->addWidget(RzBitBtn2);
    coloana->addStretch();
    connect(RzBitBtn1, &QPushButton::clicked, this, &TEditeaza::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { done(UI::RezultatRenunt); });

    CentreazaForm(this);
    Editor = new TEditorGenericComplex(this);
    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Editor, 1);
    l->addWidget(dreapta);
}

void TEditeaza::PregatesteAdaugare() { Editor->Configureaza(-1, -1, Tabel); }

void TEditeaza::PregatesteModificare(int id)
{
    IdInregistrare = id;
    Editor->Configureaza(-1, id, Tabel);
}

void TEditeaza::RzBitBtn1Click()
{
    if (!Editor->PotSalvaToate())
        return;
    const bool salvat = IncearcaSiArata([this] {
        ScrieInTranzactie(DM->Tr, [this] {
            const int id = IdInregistrare == -1 ? DM->InregistrareNoua(Tabel) : IdInregistrare;
            Editor->SalveazaToate(-1, id, Tabel);
        });
    });
    if (salvat)
        done(UI::RezultatOk);
}
