#pragma once
#include "KelValoareDate.h"
#include "UKelEditors.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <functional>

class TKelVirtualGridLine;

// One cell style of a column. Colours are colour variations so system colours follow the palette.
class TKelCuloriColoana : public QObject
{
    Q_OBJECT
public:
    explicit TKelCuloriColoana(QObject *Parent = nullptr);

    TKelColorVariation *CuloareBackgroundNormal() const { return m_bkNormal; }
    TKelColorVariation *CuloareBackgroundSelectat() const { return m_bkSelectat; }
    // Qt fonts carry no colour: each font has its colour beside it.
    const QFont &FontNormal() const { return m_fontNormal; }
    void SetFontNormal(const QFont &Font);
    TKelColorVariation *CuloareFontNormal() const { return m_culoareNormal; }
    const QFont &FontSelectat() const { return m_fontSelectat; }
    void SetFontSelectat(const QFont &Font);
    TKelColorVariation *CuloareFontSelectat() const { return m_culoareSelectat; }
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int Index);
    int Indent() const { return m_indent; }
    void SetIndent(int Indent);
    Qt::Alignment Aliniere() const { return m_aliniere; }
    void SetAliniere(Qt::Alignment Aliniere);
    bool Activ() const { return m_activ; }
    void SetActiv(bool Activ);

Q_SIGNALS:
    void Changed();

private:
    void Schimbat() { Q_EMIT Changed(); }

    TKelColorVariation *m_bkNormal, *m_bkSelectat, *m_culoareNormal, *m_culoareSelectat;
    QFont m_fontNormal, m_fontSelectat;
    int m_imageIndex = -1;
    int m_indent = -1;
    Qt::Alignment m_aliniere = Qt::AlignLeft;
    bool m_activ = false;
};

// A column definition of the grid; the grid asks it how to show its cells.
class TKelVirtualGridColumn : public QObject
{
    Q_OBJECT
public:
    using TOnGetText = std::function<void(TKelVirtualGridLine *Obj, QString &CellText)>;
    using TOnGetImageIndex = std::function<void(TKelVirtualGridLine *Obj, int Coloana, int &IndexImagine)>;

    explicit TKelVirtualGridColumn(QObject *Parent = nullptr);

    int Index() const { return m_index; }
    // "[index] " and the caption, or "<fara nume>".
    QString DisplayName() const;

    const QString &NumeColoana() const { return m_nume; }
    void SetNumeColoana(const QString &Nume);
    int Width() const { return m_width; }
    void SetWidth(int Width);
    TKelTipDeDateColoana TipDeDate() const { return m_tip; }
    void SetTipDeDate(TKelTipDeDateColoana Tip);
    const QColor &CuloareHeader() const { return m_culoareHeader; }
    void SetCuloareHeader(const QColor &Culoare);
    Qt::Alignment AliniereTextInHeader() const { return m_aliniereHeader; }
    void SetAliniereTextInHeader(Qt::Alignment Aliniere);
    const QString &Umbrela1() const { return m_umbrela[0]; }
    void SetUmbrela1(const QString &Text) { SetUmbrela(0, Text); }
    const QString &Umbrela2() const { return m_umbrela[1]; }
    void SetUmbrela2(const QString &Text) { SetUmbrela(1, Text); }
    const QString &Umbrela(int Nivel) const { return m_umbrela[Nivel]; }
    const QFont &FontUmbrela(int Nivel) const { return m_fontUmbrela[Nivel]; }
    void SetFontUmbrela1(const QFont &Font) { SetFontUmbrela(0, Font); }
    void SetFontUmbrela2(const QFont &Font) { SetFontUmbrela(1, Font); }
    // The band fonts' colour (navy).
    const QColor &CuloareFontUmbrela(int Nivel) const { return m_culoareFontUmbrela[Nivel]; }
    // An invalid colour is "none": the band keeps the header colour.
    const QColor &CuloareUmbrela(int Nivel) const { return m_culoareUmbrela[Nivel]; }
    void SetCuloareUmbrela1(const QColor &Culoare) { SetCuloareUmbrela(0, Culoare); }
    void SetCuloareUmbrela2(const QColor &Culoare) { SetCuloareUmbrela(1, Culoare); }
    bool AllowMultiLineGridPrint() const { return m_multiLinie; }
    void SetAllowMultiLineGridPrint(bool Valoare);
    // Styles 1..10; any other number raises EEroare.
    TKelCuloriColoana *Stil(int Numar) const;
    TKelCuloriColoana *Stil1() const { return m_stiluri[0]; }

    TOnGetText OnGetText;
    TOnGetImageIndex OnGetImageIndex;

Q_SIGNALS:
    // Structura: the layout must be recomputed, not only repainted.
    void Changed(bool Structura);

private:
    friend class TKelVirtualGridColumns;
    friend class TKelVirtualGrid;
    void SetUmbrela(int Nivel, const QString &Text);
    void SetFontUmbrela(int Nivel, const QFont &Font);
    void SetCuloareUmbrela(int Nivel, const QColor &Culoare);
    void Repicteaza() { Q_EMIT Changed(false); }

    int m_index = 0;
    QString m_nume;
    int m_width = 128;
    TKelTipDeDateColoana m_tip = atString;
    QColor m_culoareHeader = QColor(207, 216, 247);
    Qt::Alignment m_aliniereHeader = Qt::AlignHCenter;
    QString m_umbrela[2];
    QFont m_fontUmbrela[2];
    QColor m_culoareUmbrela[2];
    QColor m_culoareFontUmbrela[2] = {QColor(0, 0, 128), QColor(0, 0, 128)};
    bool m_multiLinie = false;
    TKelCuloriColoana *m_stiluri[10];
    // Width shown by the grid (-1 before the first layout) and the design width it was laid out with.
    int m_latimeAfisata = -1;
    int m_widthAplicat = -1;
};

// The grid's columns, owned by it; adding or removing one re-lays the grid out.
class TKelVirtualGridColumns : public QObject
{
    Q_OBJECT
public:
    explicit TKelVirtualGridColumns(QObject *Parent = nullptr) : QObject(Parent) {}
    ~TKelVirtualGridColumns() override;

    int Count() const { return int(m_coloane.size()); }
    TKelVirtualGridColumn *Item(int Index) const { return m_coloane.value(Index); }
    TKelVirtualGridColumn *operator[](int Index) const { return Item(Index); }
    TKelVirtualGridColumn *Add();
    void Delete(int Index);
    void Clear();

Q_SIGNALS:
    // A column was added or removed.
    void StructuraSchimbata();
    void ColoanaSchimbata(bool Structura);

private:
    void Renumeroteaza();

    QList<TKelVirtualGridColumn *> m_coloane;
};
