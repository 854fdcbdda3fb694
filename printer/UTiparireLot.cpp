#include "UTiparireLot.h"
#include "InsertPaper.h"
#include "TemplateForm.h"
#include "UAfisareErori.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UExportPdf.h"
#include "UListaElevi.h"
#include "UPrompter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TAlegereLot::TAlegereLot(TListaElevi *lista, int elevi) : QDialog(lista), m_lista(lista)
{
    setObjectName(QStringLiteral("AlegereLot"));
    setWindowTitle(QStringLiteral("Tipareste pentru elevii selectati"));
    LabelElevi = new QLabel(QStringLiteral("Elevi selectati: %1").arg(elevi), this);
    LabelElevi->setObjectName(QStringLiteral("LabelElevi"));
    ComboDocument = new QComboBox(this);
    ComboDocument->setObjectName(QStringLiteral("ComboDocument"));
    ComboPagina = new QComboBox(this);
    ComboPagina->setObjectName(QStringLiteral("ComboPagina"));
    for (const TButonFormular *b : lista->Butoane)
        ComboDocument->addItem(b->Handler->Caption);

    auto *campuri = new QFormLayout;
    campuri->addRow(QStringLiteral("Documentul:"), ComboDocument);
    campuri->addRow(QStringLiteral("Pagina:"), ComboPagina);
    QPushButton *ok = nullptr;
    auto *l = new QVBoxLayout(this);
    l->addWidget(LabelElevi);
    l->addLayout(campuri);
    l->addLayout(RandOkRenunt(this, ok));

    connect(ComboDocument, &QComboBox::currentIndexChanged, this, &TAlegereLot::DocumentAles);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (ComboPagina->currentIndex() < 0) {
            UI::Mesaj(QStringLiteral("Va rog alegeti documentul si pagina!"));
            return;
        }
        done(UI::RezultatOk);
    });
    DocumentAles();
    CentreazaForm(this);
}

TTemplate *TAlegereLot::Document() const
{
    const int i = ComboDocument->currentIndex();
    return i < 0 ? nullptr : qobject_cast<TTemplate *>(m_lista->Butoane.at(i)->Fereastra());
}

int TAlegereLot::Pagina() const { return std::max(0, ComboPagina->currentIndex()); }

void TAlegereLot::DocumentAles()
{
    ComboPagina->clear();
    // The pages are the tabs of the document's window, made here when it was never opened.
    IncearcaSiArata([this] {
        if (const TTemplate *d = Document())
            for (int i = 0; i < d->PC->count(); ++i)
                ComboPagina->addItem(d->PC->tabText(i));
    });
}

void TiparesteSelectati(TListaElevi *lista) { TiparesteSelectati(lista, ImprimantaCurenta()); }

void TiparesteSelectati(TListaElevi *lista, QPrinter &imprimanta, const std::optional<QMarginsF> &neimprimabilMm)
{
    const TListaLiniiElevi elevi = lista->EleviSelectati();
    if (elevi.empty()) {
        UI::Mesaj(QStringLiteral("Va rog selectati un elev!"));
        return;
    }
    TAlegereLot alegere(lista, int(elevi.size()));
    if (UI::Modal(&alegere) != UI::RezultatOk)
        return;
    TTemplate *document = alegere.Document();
    const int pagina = alegere.Pagina();
    if (!document)
        return;
    const std::optional<TCalibrarePagina> calibrare = PregatesteTiparirea(pagina, imprimanta);
    if (!calibrare)
        return;

    QList<int> id;
    for (const TLinieElev &e : elevi)
        id << e.IdElev;
    const int total = int(id.size());
    QProgressDialog progres(QStringLiteral("Se tipareste..."), QStringLiteral("Renunt"), 0, total, lista);
    progres.setObjectName(QStringLiteral("ProgresTiparire"));
    progres.setWindowTitle(QStringLiteral("Tipareste pentru elevii selectati"));
    progres.setWindowModality(Qt::WindowModal);
    progres.setMinimumDuration(0);
    progres.setAutoClose(false);
    progres.setAutoReset(false);
    const auto arata = [&](int gata) {
        progres.setValue(gata);
        progres.setLabelText(QStringLiteral("Tiparite: %1 din %2 elevi").arg(gata).arg(total));
        QCoreApplication::processEvents();
        return !progres.wasCanceled();
    };
    arata(0);
    TRezultatTiparire r;
    {
        TLucrareTiparire lucrare(imprimanta, false, TitluLucrare(pagina), neimprimabilMm);
        r = TiparesteElevii(document, {{pagina, *calibrare}}, id, lucrare, false, arata);
    }
    progres.close();

    if (!r.Esecuri.isEmpty()) {
        QStringList linii;
        for (const TEsecElev &e : r.Esecuri) {
            const auto linie = std::find_if(elevi.begin(), elevi.end(),
                                            [&](const TLinieElev &l) { return l.IdElev == e.IdElev; });
            linii << linie->Nume + QStringLiteral(": ") + e.Mesaj;
        }
        UI::Avertizare(QStringLiteral("Nu s-a tiparit nimic pentru %1 din %2 elevi:\n").arg(r.Esecuri.size()).arg(total)
                       + linii.join(QLatin1Char('\n')));
    }
    if (r.Oprit)
        UI::Mesaj(QStringLiteral("Tiparirea a fost oprita dupa %1 din %2 elevi.").arg(r.Elevi).arg(total));
}
