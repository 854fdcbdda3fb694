#include "UAdaugaElev.h"
#include "UAfisareErori.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UDm.h"
#include "UEditorGenericComplex.h"
#include "UPrompter.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kGhiceste = QStringLiteral(
    "Aceasta optiune va ajuta sa scrieti foarte rapid textul atunci cand textul se repeta (ex: cand trebuie ales intre "
    "Istorie, Matematica si Geografie).\n\nDezactivati aceasta optiune atunci cand, din cauza selectiei automate, nu "
    "puteti corecta un text scris gresit.");
}

TAdaugaElev::TAdaugaElev(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("AdaugaElev"));
    setWindowTitle(QStringLiteral("Adauga elev"));
    resize(640, 480);

    auto *dreapta = new QWidget(this);
    dreapta->setObjectName(QStringLiteral("RzPanel1"));
    dreapta->setFixedWidth(81);
    RzBitBtn1 = ButonComanda(QStringLiteral("RzBitBtn1"), QStringLiteral("Ok"), dreapta);
    RzBitBtn2 = ButonComanda(QStringLiteral("RzBitBtn2"), QStringLiteral("Renunt"), dreapta);
    RzCheckBox1 = new QCheckBox(QStringLiteral("Ghiceste"), dreapta);
    RzCheckBox1->setObjectName(QStringLiteral("RzCheckBox1"));
    RzCheckBox1->setChecked(true);
    RzCheckBox1->setToolTip(kGhiceste);
    Label1 = new QLabel(QStringLiteral("text"), dreapta);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(kGhiceste);
    auto *coloana = new QVBoxLayout(dreapta);
    coloana->setContentsMargins(5, 4, 5, 4);
    coloana->addWidget(RzBitBtn1);
    coloana->addWidget(RzBitBtn2);
    coloana->addSpacing(6);
    coloana->addWidget(RzCheckBox1);
    coloana->addWidget(Label1);
    coloana->addStretch();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    Timer1->setSingleShot(true);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TAdaugaElev::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { done(UI::RezultatRenunt); });
    connect(RzCheckBox1, &QCheckBox::clicked, this, &TAdaugaElev::RzCheckBox1Click);
    connect(Timer1, &QTimer::timeout, this, &TAdaugaElev::Timer1Timer);

    // FormCreate
    CentreazaSiRedimensioneazaForm(this);
    Editor = new TEditorGenericComplex(this);
    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Editor, 1);
    l->addWidget(dreapta);
}

void TAdaugaElev::PregatesteAdaugare() { Editor->Configureaza(-1, -1, QStringLiteral("ELEVI")); }

void TAdaugaElev::PregatesteModificare(int idElev)
{
    IdElev = idElev;
    Editor->Configureaza(idElev, -1, QStringLiteral("ELEVI"));
}

void TAdaugaElev::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_aratat)
        Timer1->start();
    m_aratat = true;
}

void TAdaugaElev::Timer1Timer()
{
    Timer1->stop();
    for (TEditorGeneric *ed : Editor->Editoare)
        ed->DupaAfisare();
}

void TAdaugaElev::RzCheckBox1Click()
{
    for (TEditorGeneric *ed : Editor->Editoare)
        ed->SetGhiceste(RzCheckBox1->isChecked());
}

void TAdaugaElev::RzBitBtn1Click()
{
    if (!Editor->PotSalvaToate())
        return;
    const bool salvat = IncearcaSiArata([this] {
        ScrieInTranzactie(DM->Tr, [this] {
            const int id = IdElev == -1 ? DM->InregistrareNoua(QStringLiteral("ELEVI")) : IdElev;
            Editor->SalveazaToate(id, -1, QStringLiteral("ELEVI"));
        });
    });
    if (salvat)
        done(UI::RezultatOk);
}
