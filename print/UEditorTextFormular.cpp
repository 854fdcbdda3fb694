#include "UEditorTextFormular.h"
#include "FontFormular.h"
#include "QFormularTextArea.h"
#include "TemplateForm.h"
#include "UAfisareErori.h"
#include "UButonComanda.h"
#include "UCentreazaForm.h"
#include "UDm.h"
#include "UEditorGenericComplex.h"
#include "UHandlerFormular.h"
#include "UPrompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

THookInformatiiCamp BeforeFieldInfo, AfterFieldInfo;

namespace {

QLabel *Eticheta(const QString &text, QWidget *parinte, bool titlu = false)
{
    auto *l = new QLabel(text, parinte);
    l->setWordWrap(true);
    if (titlu) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

// A frame of exclusive options; each option's id is the value it stands for.
QButtonGroup *Optiuni(const QString &titlu, const QList<std::pair<int, QString>> &optiuni, QWidget *parinte,
                      QVBoxLayout *unde, const QString &nume)
{
    auto *g = new QGroupBox(titlu, parinte);
    auto *l = new QVBoxLayout(g);
    auto *grup = new QButtonGroup(parinte);
    grup->setObjectName(nume);
    for (const auto &[id, text] : optiuni) {
        auto *r = new QRadioButton(text, g);
        grup->addButton(r, id);
        l->addWidget(r);
    }
    unde->addWidget(g);
    return grup;
}

QPlainTextEdit *Memo(const QString &nume, QWidget *parinte)
{
    auto *m = new QPlainTextEdit(parinte);
    m->setObjectName(nume);
    m->setReadOnly(true);
    return m;
}

QComboBox *Alegere(const QString &nume, const QStringList &optiuni, QWidget *parinte)
{
    auto *c = new QComboBox(parinte);
    c->setObjectName(nume);
    c->addItems(optiuni);
    return c;
}

} // namespace

TEditorTextFormular::TEditorTextFormular(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("EditorTextFormular"));
    setWindowTitle(QStringLiteral("Informatii camp"));
    resize(560, 470);
    PC = new QTabWidget(this);

    auto *info = new QWidget;
    auto *li = new QVBoxLayout(info);
    li->addWidget(Eticheta(QStringLiteral("De unde preia acest camp datele:"), info, true));
    MemoSursa = Memo(QStringLiteral("MemoSursa"), info);
    li->addWidget(MemoSursa, 1);
    li->addWidget(Eticheta(QStringLiteral("Fontul utilizat pentru acest formular"), info, true));
    ListaFonturi = new QListWidget(info);
    ListaFonturi->setObjectName(QStringLiteral("ListaFonturi"));
    ListaFonturi->setMaximumHeight(90);
    li->addWidget(ListaFonturi);
    auto *stil = new QHBoxLayout;
    stil->addWidget(Eticheta(QStringLiteral("Italic"), info));
    Italic = Alegere(QStringLiteral("Italic"), {QStringLiteral("Implicit"), QStringLiteral("Italic"), QStringLiteral("non-Italic")}, info);
    stil->addWidget(Italic);
    stil->addWidget(Eticheta(QStringLiteral("Bold"), info));
    Bold = Alegere(QStringLiteral("Bold"), {QStringLiteral("Implicit"), QStringLiteral("Bold"), QStringLiteral("non-Bold")}, info);
    stil->addWidget(Bold);
    li->addLayout(stil);
    FontImplicit = new QRadioButton(QStringLiteral("Folosesc fontul implicit"), info);
    FontImplicit->setObjectName(QStringLiteral("FontImplicit"));
    FontAles = new QRadioButton(QStringLiteral("Folosesc fontul specificat mai jos"), info);
    FontAles->setObjectName(QStringLiteral("FontAles"));
    ListaFete = new QFontComboBox(info);
    ListaFete->setObjectName(QStringLiteral("ListaFete"));
    auto *mostra = Eticheta(QStringLiteral("Text informativ pentru aspectul fontului"), info);
    connect(ListaFete, &QFontComboBox::currentFontChanged, mostra, [mostra](const QFont &f) {
        QFont m = f;
        m.setPointSize(mostra->font().pointSize());
        mostra->setFont(m);
    });
    li->addWidget(FontImplicit);
    li->addWidget(FontAles);
    li->addWidget(ListaFete);
    li->addWidget(mostra);
    PC->addTab(info, QStringLiteral("Informatii despre acest camp"));

    auto *redefinire = new QWidget;
    auto *lr = new QVBoxLayout(redefinire);
    lr->addWidget(Eticheta(QStringLiteral("Redefinire text"), redefinire, true));
    lr->addWidget(Eticheta(QStringLiteral("Daca nu sunteti multumiti cu textul care apare in acest camp puteti stabili aici, "
                                          "MANUAL, un alt text:"),
                           redefinire));
    TextRedefinit = new QLineEdit(redefinire);
    TextRedefinit->setObjectName(QStringLiteral("TextRedefinit"));
    lr->addWidget(TextRedefinit);
    lr->addWidget(Eticheta(QStringLiteral("Atentie"), redefinire, true));
    lr->addWidget(Eticheta(QStringLiteral("Textul definit aici manual o sa apara pe absolut toate diplomele, indiferent de "
                                          "levul selectat, scoala selectata, etc."),
                           redefinire));
    lr->addWidget(Eticheta(QStringLiteral("Va rugam utilizati aceasta metoda de modificare a textului cu foarte mare atentie!"),
                           redefinire));
    lr->addStretch();
    PC->addTab(redefinire, QStringLiteral("Redefinire text"));

    auto *asociere = new QWidget;
    auto *la = new QVBoxLayout(asociere);
    la->addWidget(Eticheta(QStringLiteral("Asociere text"), asociere, true));
    RespectAsocierea = new QCheckBox(QStringLiteral("Respect asocierea textului"), asociere);
    RespectAsocierea->setObjectName(QStringLiteral("RespectAsocierea"));
    RespectAsocierea->hide();
    la->addWidget(RespectAsocierea);
    MemoAsociere = Memo(QStringLiteral("MemoAsociere"), asociere);
    MemoAsociere->setPlainText(QStringLiteral("Acest camp nu este asociat cu nici un alt camp."));
    la->addWidget(MemoAsociere, 1);
    PC->addTab(asociere, QStringLiteral("Asociere"));

    auto *asezare = new QWidget;
    auto *lp = new QVBoxLayout(asezare);
    lp->addWidget(Eticheta(QStringLiteral("Indicatii privind alinierea orizontala / verticala"), asezare, true));
    Aliniere = Optiuni(QStringLiteral("Aliniere orizontala:"),
                       {{0, QStringLiteral("Implicit")}, {1, QStringLiteral("Aliniere la stanga")}, {2, QStringLiteral("Centru")},
                        {3, QStringLiteral("Dreapta")}},
                       asezare, lp, QStringLiteral("Aliniere"));
    lp->addWidget(Eticheta(QStringLiteral("Indicatii privind pozitionarea verticala si orizontala"), asezare, true));
    auto *poz = new QHBoxLayout;
    auto *stanga = new QVBoxLayout, *dreapta = new QVBoxLayout;
    Verticala = Optiuni(QStringLiteral("Pozitionarea verticala"),
                        {{0, QStringLiteral("Implicit")}, {-1, QStringLiteral("Mai sus cu 0,5 mm")}, {1, QStringLiteral("Mai jos cu 0,5 mm")}},
                        asezare, stanga, QStringLiteral("Verticala"));
    Orizontala = Optiuni(QStringLiteral("Pozitionarea orizontala"),
                         {{0, QStringLiteral("Implicit")}, {-1, QStringLiteral("Mai la stanga cu 0,5 mm")},
                          {1, QStringLiteral("Mai la dreapta cu 0,5 mm")}},
                         asezare, dreapta, QStringLiteral("Orizontala"));
    poz->addLayout(stanga);
    poz->addLayout(dreapta);
    lp->addLayout(poz);
    lp->addStretch();
    PC->addTab(asezare, QStringLiteral("Asezare in pagina"));

    Ok = ButonComanda(QStringLiteral("Ok"), QStringLiteral("Ok"), this);
    Ok->setDefault(true);
    Renunt = ButonComanda(QStringLiteral("Renunt"), QStringLiteral("Renunt"), this);
    connect(Ok, &QPushButton::clicked, this, &TEditorTextFormular::OkClick);
    connect(Renunt, &QPushButton::clicked, this, [this] { done(UI::RezultatRenunt); });
    auto *butoane = new QHBoxLayout;
    butoane->addStretch();
    butoane->addWidget(Ok);
    butoane->addWidget(Renunt);
    auto *l = new QVBoxLayout(this);
    l->addWidget(PC, 1);
    l->addLayout(butoane);
    CentreazaForm(this);
}

void TEditorTextFormular::PuneEditorul(TEditorGeneric *editor, const QString &eticheta)
{
    Editor = editor;
    editor->RzLabel1->setText(eticheta);
    auto *l = qobject_cast<QVBoxLayout *>(MemoSursa->parentWidget()->layout());
    l->insertWidget(l->indexOf(MemoSursa) + 1, editor);
}

void TEditorTextFormular::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    QTimer::singleShot(0, this, [this] {
        if (Editor) {
            Editor->DupaAfisare();
            Editor->GetControl()->setFocus();
        }
    });
}

void TEditorTextFormular::OkClick()
{
    if (Editor && !Editor->PotSalva())
        return;
    done(UI::RezultatOk);
}

void ArataInformatiiCamp(TFormularTextArea *arie)
{
    TListaParticularizareTextArea &lista = TListaParticularizareTextArea::Instanta();
    // Whatever happens, the customizations go back to their file.
    const auto scrie = qScopeGuard([&lista] { lista.Salveaza(); });
    TParticularizareTextArea *rec = lista.FindCustomization(arie, true);

    TEditorTextFormular dlg(arie);
    dlg.Italic->setCurrentIndex(rec->StilItalic);
    dlg.Bold->setCurrentIndex(rec->StilBold);
    if (rec->FontSpecificat.isEmpty()) {
        dlg.FontImplicit->setChecked(true);
    } else {
        dlg.FontAles->setChecked(true);
        dlg.ListaFete->setCurrentFont(QFont(rec->FontSpecificat));
    }
    dlg.MemoSursa->setPlainText(arie->SursaText().join(QLatin1Char('\n')));
    dlg.TextRedefinit->setText(rec->TextRedefinit);
    for (auto [grup, valoare] : {std::pair{dlg.Aliniere, rec->Aliniere}, std::pair{dlg.Orizontala, rec->PozitieOrizontala},
                                 std::pair{dlg.Verticala, rec->PozitieVerticala}})
        if (QAbstractButton *b = grup->button(valoare))
            b->setChecked(true);
    int ales = -1;
    for (TFontFormular *f : arie->window()->findChildren<TFontFormular *>()) {
        dlg.ListaFonturi->addItem(f->DescrierePentruEditor().isEmpty() ? f->objectName() : f->DescrierePentruEditor());
        if (f == arie->Font() || f == rec->FontRezolvat)
            ales = int(dlg.Fonturi.size());
        dlg.Fonturi << f;
    }
    dlg.ListaFonturi->setCurrentRow(ales);
    arie->update();

    if (BeforeFieldInfo)
        BeforeFieldInfo(dlg, *arie);
    if (UI::Modal(&dlg) != UI::RezultatOk)
        return;

    // The record may have moved: the list is a deque, so the pointer stays valid.
    rec->Aliniere = dlg.Aliniere->checkedId() < 0 ? 0 : dlg.Aliniere->checkedId();
    rec->PozitieOrizontala = dlg.Orizontala->checkedId() < -1 ? 0 : dlg.Orizontala->checkedId();
    rec->PozitieVerticala = dlg.Verticala->checkedId() < -1 ? 0 : dlg.Verticala->checkedId();
    TFontFormular *font = dlg.Fonturi.value(dlg.ListaFonturi->currentRow());
    rec->FontRezolvat = font;
    rec->NumeFontFormular = font ? font->objectName() : QString();
    rec->TextRedefinit = dlg.TextRedefinit->text();
    rec->StilItalic = dlg.Italic->currentIndex();
    rec->StilBold = dlg.Bold->currentIndex();
    rec->FontSpecificat = dlg.FontImplicit->isChecked() ? QString() : dlg.ListaFete->currentFont().family();
    if (AfterFieldInfo)
        AfterFieldInfo(dlg, *arie);
    arie->update();
}

namespace {

// Explains where the field's value comes from and offers the editor of that value.
void ExplicaCampul(TEditorTextFormular &dlg, TFormularTextArea &arie)
{
    TDM::DescompuneCod(arie.Denumire1(), dlg.CodFormular, dlg.CodPagina, dlg.CodCamp);
    QString f = dlg.CodFormular, p = dlg.CodPagina, c = dlg.CodCamp;
    QString tabel, tip, etichetaEditor;
    {
        TCitire citire(DM->Tr);
        TQuery &q = DM->Q1;
        // A chain of honoured links longer than this is a cycle: the dialog stays as it is.
        for (int pas = 0;; ++pas) {
            if (pas > 32)
                return;
            q.SQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                                 "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
            q.ParamCod(f, p, c);
            q.Open();
            if (q.Eof()) {
                q.Close();
                return;
            }
            const QString sim = q.Text(QStringLiteral("SIMILAR_CU"));
            const QString os = q.Text(QStringLiteral("ONOREZ_SIMILAR"));
            if (pas == 0 && !sim.isEmpty()) {
                dlg.MemoAsociere->setPlainText(QStringLiteral(
                    "Acest camp este programat sa-si preia valoarea dintr-un alt camp de date, pentru a simplifica "
                    "editarea diplomelor. Daca doriti ca acest camp sa permita introducerea directa a datelor, va rugam "
                    "eliminati bifa de la \"Respect asocierea textului\" - veti putea apoi stabili textul pentru acest camp "
                    "in mod distinct."));
                dlg.RespectAsocierea->setChecked(os == QLatin1String("DA"));
                dlg.RespectAsocierea->show();
            }
            if (!sim.isEmpty() && os == QLatin1String("DA")) {
                q.Close();
                TDM::DescompuneCod(sim, f, p, c);
                continue;
            }
            tabel = q.Text(QStringLiteral("ASOCIAT_CU"));
            tip = q.Text(QStringLiteral("TIP_DE_DATE"));
            etichetaEditor = q.Text(QStringLiteral("ETICHETA_EDITOR"));
            q.Close();
            break;
        }
    }
    // A field that belongs to no table has nowhere to keep a value.
    if (tabel.isEmpty())
        return;
    QString eticheta, grup, nota;
    TEditorGenericComplex::DescompuneEticheta(etichetaEditor, eticheta, grup, nota);
    dlg.MemoSursa->setPlainText(QStringLiteral("Datele pentru acest camp sunt preluate din formularul pentru editat %1, campul "
                                               "cu numele \"%2\" (grupul de campuri \"%3\")")
                                    .arg(tabel.toUpper(), eticheta, grup));
    delete dlg.Editor;
    dlg.Editor = nullptr;
    const TVariabileFormular *v = TVariabileFormular::Din(arie.window(), false);
    const int idElev = v ? v->IdElev : -1;
    const bool elevi = tabel == QLatin1String("ELEVI");
    int idInregistrare = -1;
    if (!elevi && idElev != -1) {
        TCitire citire(DM->Tr);
        TQuery &q = DM->Q1;
        q.SQL(QStringLiteral("SELECT DISTINCT IDF_%1 AS \"ID\" FROM \"DATE\" WHERE (ID_ELEVI=:ID) AND (NOT (IDF_%1 IS NULL))")
                  .arg(tabel));
        q.Param(QStringLiteral("ID"), idElev);
        int randuri = 0;
        for (q.Open(); !q.Eof(); q.Next()) {
            idInregistrare = q.Intreg(QStringLiteral("ID"));
            ++randuri;
        }
        q.Close();
        if (randuri != 1)
            idInregistrare = -1;
    }
    static const QStringList editabile{"TEXT", "CNP", "NOTA", "CALIFICATIV", "NOTA sau CALIFICATIV", "CF", "SIRUES"};
    if (idElev == -1 || (!elevi && idInregistrare == -1) || !editabile.contains(tip))
        return;
    TEditorGeneric *e = TEditorGenericComplex::CreeazaEditor(tip, &dlg);
    dlg.PuneEditorul(e, eticheta);
    e->SetIdInregistrare(idInregistrare);
    e->SetIdElev(idElev);
    e->SetAsociatCu(tabel);
    if (idInregistrare == -1)
        e->IncarcaCamp(f, p, c, tabel, idElev, -1);
    else
        e->IncarcaCamp(f, p, c, tabel, -1, idInregistrare);
    dlg.IdElev = idElev;
}

// Saves the corrected value and the inheritance choice, then refills the preview.
void SalveazaCampul(TEditorTextFormular &dlg, TFormularTextArea &arie)
{
    if (!dlg.Editor)
        return;
    IncearcaSiArata([&dlg] {
        ScrieInTranzactie(DM->Tr, [&dlg] {
            TEditorGeneric *e = dlg.Editor;
            if (e->GetIdInregistrare() == -1)
                e->SalveazaCamp(dlg.IdElev, -1, QStringLiteral("ELEVI"));
            else
                e->SalveazaCamp(e->GetIdElev(), e->GetIdInregistrare(), e->GetAsociatCu());
            if (!dlg.RespectAsocierea->isHidden()) {
                TQuery &q = DM->Q1;
                q.SQL(QStringLiteral("UPDATE PROFIL_DIPLOMA SET ONOREZ_SIMILAR=:OS WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                                     "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
                q.Param(QStringLiteral("OS"), dlg.RespectAsocierea->isChecked() ? QStringLiteral("DA") : QStringLiteral("NU"));
                q.ParamCod(dlg.CodFormular, dlg.CodPagina, dlg.CodCamp);
                q.ExecSQL();
            }
        });
    });
    if (auto *w = qobject_cast<TTemplate *>(arie.window()))
        IncearcaSiArata([w, &dlg] { FillPreview(w, dlg.IdElev); });
}

} // namespace

void InstaleazaInformatiiCamp()
{
    BeforeFieldInfo = ExplicaCampul;
    AfterFieldInfo = SalveazaCampul;
    TTemplate::InformatiiCamp = ArataInformatiiCamp;
}
