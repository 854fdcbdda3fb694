#include "KelVirtualGridColumn.h"

#include "UEroare.h"

namespace {
QFont FontArial(qreal Puncte)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(Puncte);
    return f;
}

TKelColorVariation *CuloareSistem(QObject *Parinte, QPalette::ColorRole Rol)
{
    auto *c = new TKelColorVariation(Parinte);
    c->SetBaseColor(Rol);
    return c;
}
} // namespace

// ---- TKelCuloriColoana ----

TKelCuloriColoana::TKelCuloriColoana(QObject *Parent)
    : QObject(Parent),
      m_bkNormal(CuloareSistem(this, QPalette::Base)),
      m_bkSelectat(CuloareSistem(this, QPalette::Highlight)),
      m_culoareNormal(CuloareSistem(this, QPalette::Text)),
      m_culoareSelectat(CuloareSistem(this, QPalette::HighlightedText)),
      m_fontNormal(FontArial(9)),
      m_fontSelectat(FontArial(9))
{
    for (auto *c : {m_bkNormal, m_bkSelectat, m_culoareNormal, m_culoareSelectat})
        connect(c, &TKelColorVariation::Changed, this, &TKelCuloriColoana::Changed);
}

void TKelCuloriColoana::SetFontNormal(const QFont &Font) { m_fontNormal = Font, Schimbat(); }
void TKelCuloriColoana::SetFontSelectat(const QFont &Font) { m_fontSelectat = Font, Schimbat(); }
void TKelCuloriColoana::SetImageIndex(int Index) { m_imageIndex = Index, Schimbat(); }
void TKelCuloriColoana::SetIndent(int Indent) { m_indent = Indent, Schimbat(); }
void TKelCuloriColoana::SetAliniere(Qt::Alignment Aliniere) { m_aliniere = Aliniere, Schimbat(); }
void TKelCuloriColoana::SetActiv(bool Activ) { m_activ = Activ, Schimbat(); }

// ---- TKelVirtualGridColumn ----

TKelVirtualGridColumn::TKelVirtualGridColumn(QObject *Parent) : QObject(Parent)
{
    for (int n = 0; n < 2; ++n)
        m_fontUmbrela[n] = FontArial(8);
    for (auto *&s : m_stiluri) {
        s = new TKelCuloriColoana(this);
        connect(s, &TKelCuloriColoana::Changed, this, &TKelVirtualGridColumn::Repicteaza);
    }
    m_stiluri[0]->SetActiv(true);
}

QString TKelVirtualGridColumn::DisplayName() const
{
    return QStringLiteral("[%1] ").arg(m_index) + (m_nume.isEmpty() ? QStringLiteral("<fara nume>") : m_nume);
}

TKelCuloriColoana *TKelVirtualGridColumn::Stil(int Numar) const
{
    if (Numar < 1 || Numar > 10)
        throw EEroare(QStringLiteral("Sunt definite stiluri de la 1 la 10"));
    return m_stiluri[Numar - 1];
}

void TKelVirtualGridColumn::SetNumeColoana(const QString &Nume) { m_nume = Nume, Repicteaza(); }
void TKelVirtualGridColumn::SetTipDeDate(TKelTipDeDateColoana Tip) { m_tip = Tip, Repicteaza(); }
void TKelVirtualGridColumn::SetCuloareHeader(const QColor &Culoare) { m_culoareHeader = Culoare, Repicteaza(); }
void TKelVirtualGridColumn::SetAliniereTextInHeader(Qt::Alignment A) { m_aliniereHeader = A, Repicteaza(); }
void TKelVirtualGridColumn::SetUmbrela(int Nivel, const QString &Text) { m_umbrela[Nivel] = Text, Repicteaza(); }
void TKelVirtualGridColumn::SetFontUmbrela(int Nivel, const QFont &Font) { m_fontUmbrela[Nivel] = Font, Repicteaza(); }
void TKelVirtualGridColumn::SetCuloareUmbrela(int Nivel, const QColor &C) { m_culoareUmbrela[Nivel] = C, Repicteaza(); }
void TKelVirtualGridColumn::SetAllowMultiLineGridPrint(bool Valoare) { m_multiLinie = Valoare, Repicteaza(); }

void TKelVirtualGridColumn::SetWidth(int Width)
{
    m_width = Width;
    Q_EMIT Changed(true);
}

// ---- TKelVirtualGridColumns ----

TKelVirtualGridColumns::~TKelVirtualGridColumns() { qDeleteAll(m_coloane); }

TKelVirtualGridColumn *TKelVirtualGridColumns::Add()
{
    auto *c = new TKelVirtualGridColumn;
    m_coloane << c;
    Renumeroteaza();
    connect(c, &TKelVirtualGridColumn::Changed, this, &TKelVirtualGridColumns::ColoanaSchimbata);
    Q_EMIT StructuraSchimbata();
    return c;
}

void TKelVirtualGridColumns::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    delete m_coloane.takeAt(Index);
    Renumeroteaza();
    Q_EMIT StructuraSchimbata();
}

void TKelVirtualGridColumns::Clear()
{
    if (m_coloane.isEmpty())
        return;
    qDeleteAll(m_coloane);
    m_coloane.clear();
    Q_EMIT StructuraSchimbata();
}

void TKelVirtualGridColumns::Renumeroteaza()
{
    for (int i = 0; i < Count(); ++i)
        m_coloane[i]->m_index = i;
}
