#include "QFormularTextArea.h"
#include "UPrompter.h"
#include "FormularDePrintat.h"

#include "UCapabilitatiImprimanta.h"
#include "UDirectorProgram.h"
#include "UEroare.h"
#include "UFluxEtichetat.h"

#include <QEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>
#include <memory>

// ---------------------------------------------------------------- text area

TFormularTextArea::TFormularTextArea(QWidget *parent, QObject *owner) : QWidget(parent), m_owner(owner)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

TFormularTextArea::~TFormularTextArea()
{
    if (m_font)
        m_font->RemoveUser(this);
}

TFormularDePrintat *TFormularTextArea::Surface() const { return qobject_cast<TFormularDePrintat *>(parentWidget()); }

QObject *TFormularTextArea::Owner() const { return m_owner ? m_owner.data() : static_cast<QObject *>(window()); }

QString TFormularTextArea::NumeFereastra() const
{
    const QObject *o = Owner();
    return o ? o->objectName() : QString();
}

double TFormularTextArea::p_zoom() const
{
    const TFormularDePrintat *s = Surface();
    return s ? s->Zoom() : 100.0;
}

void TFormularTextArea::Set_p_zoom(double v)
{
    if (TFormularDePrintat *s = Surface())
        s->SetZoom(v);
}

double TFormularTextArea::p_dpi() const
{
    const TFormularDePrintat *s = Surface();
    return s ? s->ScreenDpi() : 96.0;
}

void TFormularTextArea::SeteazaMm(double &camp, double v)
{
    // While the millimetres are being captured from the pixels, nothing else writes them.
    if (!m_fisSizing)
        camp = v;
}

void TFormularTextArea::SetText(const QString &v)
{
    m_text = v;
    update();
}

void TFormularTextArea::SetFont(TFontFormular *v)
{
    if (m_font)
        m_font->RemoveUser(this);
    m_font = v;
    if (m_font)
        m_font->AddUser(this);
    update();
}

void TFormularTextArea::FontChanged() { update(); }

void TFormularTextArea::FontDestroyed()
{
    m_font = nullptr;
    update();
}

void TFormularTextArea::ZoomChanged()
{
    UpdatePixelBounds();
    update();
}

void TFormularTextArea::UpdatePixelBounds()
{
    struct TStergeLaIesire
    {
        bool &f;
        ~TStergeLaIesire() { f = false; }
    } sterge{m_fisZooming};
    m_fisZooming = true;
    const double dpi = p_dpi();
    m_limiteCalculate = QRect(TFormularDePrintat::MmToPixels(dpi, m_left), TFormularDePrintat::MmToPixels(dpi, m_top),
                              TFormularDePrintat::MmToPixels(dpi, m_width), TFormularDePrintat::MmToPixels(dpi, m_height));
    setGeometry(m_limiteCalculate);
}

void TFormularTextArea::TerminaIncarcarea()
{
    m_seIncarca = false;
    UpdatePixelBounds();
}

void TFormularTextArea::moveEvent(QMoveEvent *e)
{
    QWidget::moveEvent(e);
    LimiteSchimbate();
}

void TFormularTextArea::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    LimiteSchimbate();
}

void TFormularTextArea::LimiteSchimbate()
{
    // Events of a hidden widget arrive late; bounds we set ourselves are no edit.
    if (m_fisZooming || m_seIncarca || geometry() == m_limiteCalculate)
        return;
    const double zoom = p_zoom();
    if (m_zoomLock != 0 && zoom != m_zoomLock) {
        // Pixel edits at another zoom never alter the millimetres.
        UpdatePixelBounds();
    } else {
        m_fisSizing = true;
        const double dpi = p_dpi();
        m_top = TFormularDePrintat::PixelsToMm(y(), dpi);
        m_left = TFormularDePrintat::PixelsToMm(x(), dpi);
        m_width = TFormularDePrintat::PixelsToMm(width(), dpi);
        m_height = TFormularDePrintat::PixelsToMm(height(), dpi);
        m_fisSizing = false;
        m_zoomLock = zoom;
        m_limiteCalculate = geometry();
    }
    update();
}

void TFormularTextArea::SalveazaGeometriaInitiala()
{
    if (m_geometrieSalvata)
        return;
    m_topInitial = m_top;
    m_leftInitial = m_left;
    m_widthInitial = m_width;
    m_geometrieSalvata = true;
}

QString TFormularTextArea::EffectiveText() const
{
    const TParticularizareTextArea *p = TListaParticularizareTextArea::Instanta().FindCustomization(this, false);
    // Single-character areas (the boxes of a CNP) keep their own text.
    if (p && !p->TextRedefinit.isEmpty() && (m_text.isEmpty() || m_text.size() > 1))
        return p->TextRedefinit;
    return m_text;
}

TFormularTextArea::TParametriDesen TFormularTextArea::ParametriDesen() const
{
    const TParticularizareTextArea *p = TListaParticularizareTextArea::Instanta().FindCustomization(this, false);
    TParametriDesen r;
    r.Text = EffectiveText();
    r.Font = (p && p->FontRezolvat) ? p->FontRezolvat.data() : m_font;
    r.Aliniere = m_alignment;
    if (p) {
        switch (p->Aliniere) {
        case 1: r.Aliniere = taLeftJustify; break;
        case 2: r.Aliniere = taCenter; break;
        case 3: r.Aliniere = taRightJustify; break;
        default: break;
        }
    }
    if (r.Font) {
        r.Bold = r.Font->Bold();
        r.Italic = r.Font->Italic();
        r.FaceName = r.Font->FontName();
    }
    if (p) {
        if (p->StilBold == 1 || p->StilBold == 2)
            r.Bold = p->StilBold == 1;
        if (p->StilItalic == 1 || p->StilItalic == 2)
            r.Italic = p->StilItalic == 1;
        if (!p->FontSpecificat.isEmpty())
            r.FaceName = p->FontSpecificat;
    }
    return r;
}

QFont TFormularTextArea::FontCelula(const TParametriDesen &p, int inaltime, QPaintDevice *device)
{
    QFont f(p.FaceName);
    f.setWeight(p.Bold ? QFont::Bold : QFont::Normal);
    f.setItalic(p.Italic);
    inaltime = std::max(1, inaltime);
    // The search asks the font system for several sizes; a page of boxes asks the same few
    // questions again and again, so each answer is kept, bound to the device's resolution so
    // that the font it holds stays loaded.
    static QHash<QString, QFont> fonturi;
    const QString cheie = QStringLiteral("%1|%2|%3|%4|%5")
                              .arg(p.FaceName)
                              .arg(int(p.Bold) * 2 + int(p.Italic))
                              .arg(inaltime)
                              .arg(device ? device->logicalDpiX() : 0)
                              .arg(device ? device->logicalDpiY() : 0);
    if (const auto it = fonturi.constFind(cheie); it != fonturi.constEnd())
        return *it;
    f.setPixelSize(inaltime);
    // Qt sizes the em square; the definition gives the whole cell (ascent + descent).
    const int celula = QFontMetrics(f, device).height();
    if (celula > inaltime) {
        int px = std::max(1, int(qint64(inaltime) * inaltime / celula));
        f.setPixelSize(px);
        while (px > 1 && QFontMetrics(f, device).height() > inaltime)
            f.setPixelSize(--px);
    }
    const QFont legat = device ? QFont(f, device) : f;
    fonturi.insert(cheie, legat);
    return legat;
}

QFont TFormularTextArea::FontCareIncape(const TParametriDesen &p, int &inaltime, int latime, QPaintDevice *device)
{
    int &h = inaltime;
    h = std::max(1, h);
    QFont f = FontCelula(p, h, device);
    while (QFontMetrics(f, device).horizontalAdvance(p.Text) > latime) {
        if (h - 1 < 2)
            break;
        f = FontCelula(p, --h, device);
    }
    return f;
}

bool TFormularTextArea::FondAlb() const
{
    const TFormularDePrintat *s = Surface();
    return !s || !s->TextAreaTransparent();
}

void TFormularTextArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const TFormularDePrintat *s = Surface();
    if (FondAlb())
        p.fillRect(rect(), Qt::white);
    if (m_hover)
        p.fillRect(rect(), palette().color(QPalette::Highlight));
    const TParametriDesen d = ParametriDesen();
    QFontMetrics fm = fontMetrics();
    if (d.Font) {
        int h = std::max(1, TFormularDePrintat::MmToPixels(p_dpi(), d.Font->Size()));
        const QFont f = FontCareIncape(d, h, width(), this);
        p.setFont(f);
        fm = QFontMetrics(f, this);
        p.setPen(m_hover ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
        const int latimeText = fm.horizontalAdvance(d.Text);
        int x = 0;
        if (d.Aliniere == taRightJustify)
            x = width() - latimeText;
        else if (d.Aliniere == taCenter)
            x = (width() - latimeText) / 2;
        const int top = height() - fm.height();
        p.save();
        p.setClipRect(rect());
        p.drawText(x, top + fm.ascent(), d.Text);
        p.restore();
    }
    p.setPen(Qt::black);
    if (s && s->TextAreaWithBorder())
        p.drawPolyline(QPolygon({{0, 0}, {width() - 1, 0}, {width() - 1, height() - 1}, {0, height() - 1}, {0, 0}}));
    if (s) {
        const int y0 = height() - fm.descent();
        if (s->TextAreaBaseLine1()) {
            p.setPen(s->TextAreaBaseLine1_color());
            p.drawLine(0, y0, width() - 1, y0);
        }
        if (s->TextAreaBaseLine2()) {
            const int y = y0 + TFormularDePrintat::MmToPixels(s->ScreenDpi(), s->TextAreaBaseLine2_delta());
            p.setPen(s->TextAreaBaseLine2_color());
            p.drawLine(0, y, width() - 1, y);
        }
    }
}

void TFormularTextArea::enterEvent(QEnterEvent *e)
{
    QWidget::enterEvent(e);
    m_hover = true;
    update();
}

void TFormularTextArea::leaveEvent(QEvent *e)
{
    QWidget::leaveEvent(e);
    m_hover = false;
    update();
}

void TFormularTextArea::mouseReleaseEvent(QMouseEvent *e)
{
    QWidget::mouseReleaseEvent(e);
    if (rect().contains(e->position().toPoint()))
        Q_EMIT Apasat(this);
}

TDirectorModificari *DirectorModificariImplicit()
{
    static TDirectorModificariGeneric generic;
    return &generic;
}

void TFormularTextArea::Print(TContextImprimanta &dc, bool Mirror, TDirectorModificari *, double, double,
                              double OffsetTop, double OffsetLeft)
{
    const TParametriDesen d = ParametriDesen();
    // Without a font definition the screen draws no text either.
    if (!d.Font)
        return;
    const TParticularizareTextArea *c = TListaParticularizareTextArea::Instanta().FindCustomization(this, false);
    const double sx = c ? 0.5 * c->PozitieOrizontala : 0.0;
    const double sy = c ? 0.5 * c->PozitieVerticala : 0.0;
    const TCapabilitatiImprimanta &cap = dc.Cap;
    TDreptunghiDispozitiv r = cap.Dreptunghi(m_left + OffsetLeft + sx, m_top + OffsetTop + sy, m_width, m_height);
    const int w = r.Right - r.Left + 1;
    const int v = r.Bottom - r.Top + 1;
    // The print run sets up A4 landscape, so the paper is 210 mm high.
    const double p = cap.PHYSICALHEIGHT;
    int h = std::min(std::max(1, int(d.Font->Size() * p / 210)), int(m_height * p / 210));

    QPainter &pt = dc.Painter;
    QPaintDevice *dispozitiv = pt.device();
    const QFont f = FontCareIncape(d, h, w, dispozitiv);
    const QFontMetrics fm(f, dispozitiv);
    const int latimeText = fm.horizontalAdvance(d.Text);
    QPoint o(r.Left, r.Top + v - fm.height());
    if (d.Aliniere == taRightJustify)
        o.setX(r.Left + w - latimeText);
    else if (d.Aliniere == taCenter)
        o.setX(r.Left + (w - latimeText) / 2);
    if (Mirror) {
        o = cap.Oglindit(o);
        r = cap.Oglindit(r);
    }

    TZonaImprimabila zona(dc);
    pt.setClipRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right, r.Bottom)));
    pt.setFont(f);
    pt.setPen(Qt::black);
    pt.setBrush(Qt::NoBrush);
    pt.translate(o);
    // The turned font runs leftwards and upwards from the reflected origin.
    if (Mirror)
        pt.rotate(180);
    pt.drawText(0, fm.ascent(), d.Text);
}

// ---------------------------------------------------------------- graphic mark

TFormularGraphic::TFormularGraphic(QWidget *parent, QObject *owner) : TFormularTextArea(parent, owner) {}

void TFormularGraphic::SetShape(EFormularGraphic v)
{
    m_shape = v;
    update();
}

QList<QPoint> TFormularGraphic::Traseu(EFormularGraphic shape, int w, int h)
{
    const int r = w - 1, b = h - 1;
    switch (shape) {
    case fgCutie: return {{0, 0}, {r, 0}, {r, b}, {0, b}, {0, 0}};
    case fgLinieSus: return {{0, 0}, {r, 0}};
    case fgLinieStanga: return {{0, 0}, {0, b}};
    case fgStangaSusDreaptaJos: return {{0, 0}, {r, b}};
    case fgStangaJosDreaptaSus: return {{r, 0}, {0, b}};
    case fgZoroSign: return {{0, 0}, {r, 0}, {0, b}, {r, b}};
    case fgNimic: break;
    }
    return {};
}

QList<QPoint> TFormularGraphic::TraseuTiparit(EFormularGraphic shape, int L, int T, int R, int B, bool Mirror)
{
    if (Mirror && shape == fgLinieSus)
        return {{L, B - 1}, {R - 1, B - 1}};
    if (Mirror && shape == fgLinieStanga)
        return {{R - 1, T}, {R - 1, B - 1}};
    QList<QPoint> t = Traseu(shape, R - L, B - T);
    for (QPoint &p : t)
        p += QPoint(L, T);
    return t;
}

void TFormularGraphic::Print(TContextImprimanta &dc, bool Mirror, TDirectorModificari *, double, double,
                             double OffsetTop, double OffsetLeft)
{
    // A mark has no customization, so no half-millimetre shifts either.
    TDreptunghiDispozitiv r = dc.Cap.Dreptunghi(_Left() + OffsetLeft, _Top() + OffsetTop, _Width(), _Height());
    if (Mirror)
        r = dc.Cap.Oglindit(r);
    const QList<QPoint> t = TraseuTiparit(m_shape, r.Left, r.Top, r.Right, r.Bottom, Mirror);
    if (t.size() < 2)
        return;
    TZonaImprimabila zona(dc);
    // Black and 4 device pixels wide whatever the screen colour, with the round ends of a printer pen.
    dc.Painter.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    dc.Painter.setBrush(Qt::NoBrush);
    dc.Painter.drawPolyline(QPolygon(t));
}

void TFormularGraphic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (FondAlb())
        p.fillRect(rect(), Qt::white);
    QPen pen(LineColor());
    pen.setWidth(m_shape == fgZoroSign ? 2 : 1);
    p.setPen(pen);
    const QList<QPoint> t = Traseu(m_shape, width(), height());
    if (t.size() > 1)
        p.drawPolyline(QPolygon(t));
}

// ---------------------------------------------------------------- customizations

namespace {
std::unique_ptr<TListaParticularizareTextArea> g_lista;
constexpr int VersiuneInregistrare = 2;
// The smallest record: a version, two texts, three integers and one more text.
constexpr qsizetype OctetiMinimInregistrare = 2 + 2 + 2 + 3 * 2 + 2;

[[noreturn]] void FormatInvalid() { throw EEroare(QStringLiteral("Invalid format")); }
} // namespace

bool TParticularizareTextArea::operator==(const TParticularizareTextArea &o) const
{
    return NumeFereastra == o.NumeFereastra && NumeCamp == o.NumeCamp && Aliniere == o.Aliniere
           && PozitieOrizontala == o.PozitieOrizontala && PozitieVerticala == o.PozitieVerticala
           && NumeFontFormular == o.NumeFontFormular && TextRedefinit == o.TextRedefinit
           && StilItalic == o.StilItalic && StilBold == o.StilBold && FontSpecificat == o.FontSpecificat;
}

TListaParticularizareTextArea::TListaParticularizareTextArea()
{
    QFile f(NumeFisier());
    if (!f.exists())
        return;
    try {
        if (!f.open(QIODevice::ReadOnly))
            throw EEroare(QStringLiteral("Nu pot citi din fisierul %1").arg(NumeFisier()));
        const QList<TParticularizareTextArea> citite = Citeste(f.readAll());
        m_lista.assign(citite.begin(), citite.end());
    } catch (const EEroare &e) {
        // Said once; the previews go on without customizations, and the damaged file is put
        // aside rather than overwritten by the next save, so nothing is silently lost.
        f.close();
        QString deoparte = NumeFisier() + QStringLiteral(".deteriorat");
        for (int i = 2; QFile::exists(deoparte); ++i)
            deoparte = NumeFisier() + QStringLiteral(".deteriorat%1").arg(i);
        const bool mutat = QFile::rename(NumeFisier(), deoparte);
        m_lista.clear();
        UI::Eroare(mutat ? e.Mesaj() + QStringLiteral("\nFisierul a fost pastrat sub numele %1.").arg(deoparte) : e.Mesaj());
    }
}

TListaParticularizareTextArea &TListaParticularizareTextArea::Instanta()
{
    if (!g_lista)
        g_lista.reset(new TListaParticularizareTextArea);
    return *g_lista;
}

void TListaParticularizareTextArea::Uita() { g_lista.reset(); }

QString TListaParticularizareTextArea::NumeFisier() { return FisierProgram(QStringLiteral("licenta.lic")); }

QList<TParticularizareTextArea> TListaParticularizareTextArea::Citeste(const QByteArray &date)
{
    TCititorFlux r(date);
    if (r.CitesteInt() != 0)
        FormatInvalid();
    const int32_t n = r.CitesteInt();
    if (n < 0 || n > r.Ramas() / OctetiMinimInregistrare)
        throw EEroare(QStringLiteral("Fisierul de particularizari este deteriorat: %1 inregistrari nu incap in "
                                     "restul de %2 octeti.").arg(n).arg(r.Ramas()));
    QList<TParticularizareTextArea> lista;
    lista.reserve(n);
    for (int32_t i = 0; i < n; ++i) {
        TParticularizareTextArea p;
        const int32_t versiune = r.CitesteInt();
        if (versiune > VersiuneInregistrare)
            FormatInvalid();
        p.NumeFereastra = r.CitesteText();
        p.NumeCamp = r.CitesteText();
        p.Aliniere = r.CitesteInt();
        p.PozitieOrizontala = r.CitesteInt();
        p.PozitieVerticala = r.CitesteInt();
        p.NumeFontFormular = r.CitesteText();
        if (versiune >= 1)
            p.TextRedefinit = r.CitesteText();
        if (versiune >= 2) {
            p.StilItalic = r.CitesteInt();
            p.StilBold = r.CitesteInt();
            p.FontSpecificat = r.CitesteText();
        }
        lista.append(p);
    }
    return lista;
}

QByteArray TListaParticularizareTextArea::Scrie(const QList<TParticularizareTextArea> &lista)
{
    TScriitorFlux w;
    w.ScrieInt(0);
    w.ScrieInt(int32_t(lista.size()));
    for (const TParticularizareTextArea &p : lista) {
        w.ScrieInt(VersiuneInregistrare);
        w.ScrieTextAsciiSauUtf8(p.NumeFereastra);
        w.ScrieTextAsciiSauUtf8(p.NumeCamp);
        w.ScrieInt(p.Aliniere);
        w.ScrieInt(p.PozitieOrizontala);
        w.ScrieInt(p.PozitieVerticala);
        w.ScrieTextAsciiSauUtf8(p.NumeFontFormular);
        w.ScrieTextAsciiSauUtf8(p.TextRedefinit);
        w.ScrieInt(p.StilItalic);
        w.ScrieInt(p.StilBold);
        w.ScrieTextAsciiSauUtf8(p.FontSpecificat);
    }
    return w.Date();
}

void TListaParticularizareTextArea::Salveaza() const
{
    const QByteArray date = Scrie(QList<TParticularizareTextArea>(m_lista.begin(), m_lista.end()));
    QSaveFile f(NumeFisier());
    if (!f.open(QIODevice::WriteOnly) || f.write(date) != date.size() || !f.commit())
        throw EEroare(QStringLiteral("Nu pot scrie in fisierul %1").arg(NumeFisier()));
}

TParticularizareTextArea *TListaParticularizareTextArea::FindCustomization(const TFormularTextArea *area, bool create)
{
    if (!area)
        return nullptr;
    const QString fereastra = area->NumeFereastra();
    const QString camp = area->objectName();
    TParticularizareTextArea *gasit = nullptr;
    for (auto it = m_lista.rbegin(); it != m_lista.rend(); ++it)
        if (it->NumeFereastra == fereastra && it->NumeCamp == camp) {
            gasit = &*it;
            break;
        }
    if (!gasit && create) {
        TParticularizareTextArea nou;
        nou.NumeFereastra = fereastra;
        nou.NumeCamp = camp;
        m_lista.push_back(nou);
        gasit = &m_lista.back();
        Salveaza();
    }
    if (gasit) {
        // A definition no longer on the window counts as none.
        const QObject *owner = area->Owner();
        gasit->FontRezolvat = (!gasit->NumeFontFormular.isEmpty() && owner)
                                  ? owner->findChild<TFontFormular *>(gasit->NumeFontFormular, Qt::FindDirectChildrenOnly)
                                  : nullptr;
    }
    return gasit;
}
