#include "USalveazaPdf.h"
#include "TemplateForm.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UExportPdf.h"
#include "UPrompter.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QRadioButton *Optiune(const char *nume, const QString &text, QWidget *grup, QVBoxLayout *l)
{
    auto *r = new QRadioButton(text, grup);
    r->setObjectName(QString::fromLatin1(nume));
    l->addWidget(r);
    return r;
}
} // namespace

TSalveazaPdf::TSalveazaPdf(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SalveazaPdf"));
    setWindowTitle(QStringLiteral("Salveaza PDF"));
    auto *pagini = new QGroupBox(QStringLiteral("Pagini"), this);
    auto *lp = new QVBoxLayout(pagini);
    RadioPaginaCurenta = Optiune("RadioPaginaCurenta", QStringLiteral("Pagina curenta"), pagini, lp);
    RadioToatePaginile = Optiune("RadioToatePaginile", QStringLiteral("Toate paginile"), pagini, lp);
    auto *fel = new QGroupBox(QStringLiteral("Continut"), this);
    auto *lf = new QVBoxLayout(fel);
    RadioTiparire = Optiune("RadioTiparire", QStringLiteral("Exact ca la tiparire (fara imaginea formularului)"), fel, lf);
    RadioProba = Optiune("RadioProba", QStringLiteral("Proba, cu imaginea formularului sub text"), fel, lf);
    RadioPaginaCurenta->setChecked(true);
    RadioTiparire->setChecked(true);

    QPushButton *ok = nullptr;
    auto *l = new QVBoxLayout(this);
    l->addWidget(pagini);
    l->addWidget(fel);
    l->addLayout(RandOkRenunt(this, ok));
    connect(ok, &QPushButton::clicked, this, [this] { done(UI::RezultatOk); });
    CentreazaForm(this);
}

void SalveazaPdf(TTemplate *fereastra)
{
    TSalveazaPdf alegere(fereastra);
    if (UI::Modal(&alegere) != UI::RezultatOk)
        return;
    QList<int> pagini;
    if (alegere.RadioToatePaginile->isChecked())
        for (int i = 0; i < fereastra->Suprafete().size(); ++i)
            pagini << i;
    else
        pagini << fereastra->PaginaActiva();
    const bool proba = alegere.RadioProba->isChecked();
    QString fisier = UI::FisierDeSalvat(QStringLiteral("Salveaza PDF"), QStringLiteral("Fisiere PDF (*.pdf)"),
                                        proba ? QStringLiteral("proba.pdf") : QStringLiteral("certificat.pdf"));
    if (fisier.isEmpty())
        return;
    if (QFileInfo(fisier).suffix().isEmpty())
        fisier += QStringLiteral(".pdf");
    ExportaPdf(fereastra, pagini, proba, fisier);
}
