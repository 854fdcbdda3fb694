#include "UGenericSplashForm.h"

#include "CEVersionInfo.h"
#include "UErImage.h"
#include "UEroare.h"
#include "UCentreazaForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScopeGuard>
#include <QScreen>

namespace {

constexpr int PragOpac = 5;

std::optional<bool> g_ferestreCompuse;

// Taken by the first window of the run and reused: later windows would otherwise
// capture the earlier ones.
struct TInstantaneu
{
    QImage Imagine;
    QPoint Origine;
    bool Luat = false;
};
TInstantaneu &Instantaneu()
{
    static TInstantaneu s;
    if (!s.Luat) {
        s.Luat = true;
        if (QScreen *ecran = QGuiApplication::primaryScreen()) {
            s.Imagine = ecran->grabWindow(0).toImage();
            s.Origine = ecran->virtualGeometry().topLeft();
        }
    }
    return s;
}

bool Opac(const QRgb *rand, int x) { return qAlpha(rand[x]) >= PragOpac; }

// Trims the transparent ends of column x within rows [sus, jos); true when what is
// left is one non-empty opaque stretch, which then replaces [sus, jos).
bool ColoanaContigua(const QImage &img, int x, int &sus, int &jos)
{
    int s = sus, j = jos;
    while (s < j && qAlpha(reinterpret_cast<const QRgb *>(img.constScanLine(s))[x]) < PragOpac)
        ++s;
    while (j > s && qAlpha(reinterpret_cast<const QRgb *>(img.constScanLine(j - 1))[x]) < PragOpac)
        --j;
    if (s >= j)
        return false;
    for (int y = s; y < j; ++y)
        if (qAlpha(reinterpret_cast<const QRgb *>(img.constScanLine(y))[x]) < PragOpac)
            return false;
    sus = s;
    jos = j;
    return true;
}

} // namespace

QList<QRect> RegiuneDinAlfa(const QImage &png)
{
    const QRect intreg(0, 0, png.width() + 1, png.height() + 1);
    if (png.isNull() || !png.hasAlphaChannel())
        return {intreg};
    const QImage img = png.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();

    // Central rectangle: the first longest run of the first row with an opaque pixel,
    // grown downward while every row is opaque over the whole run.
    int y0 = -1, x0 = 0, x1 = 0;
    for (int y = 0; y < h && y0 < 0; ++y) {
        const auto *r = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w;) {
            if (!Opac(r, x)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w && Opac(r, x))
                ++x;
            if (x - start > x1 - x0) {
                x0 = start;
                x1 = x;
                y0 = y;
            }
        }
    }
    if (y0 < 0)
        return {intreg};
    int y1 = y0 + 1;
    for (; y1 < h; ++y1) {
        const auto *r = reinterpret_cast<const QRgb *>(img.constScanLine(y1));
        bool plin = true;
        for (int x = x0; x < x1 && plin; ++x)
            plin = Opac(r, x);
        if (!plin)
            break;
    }
    const QRect central(x0, y0, x1 - x0, y1 - y0);

    // Side rectangles, column by column; a column may narrow the height.
    auto creste = [&](int start, int pas) {
        int sus = y0, jos = y1, x = start, ultim = start - pas;
        for (; x >= 0 && x < w; x += pas) {
            int s = sus, j = jos;
            if (!ColoanaContigua(img, x, s, j))
                break;
            sus = s;
            jos = j;
            ultim = x;
        }
        if (ultim == start - pas)
            return QRect();
        const int stanga = std::min(start, ultim), dreapta = std::max(start, ultim);
        return QRect(stanga, sus, dreapta - stanga + 1, jos - sus);
    };
    const QRect stanga = creste(x0 - 1, -1);
    const QRect dreapta = creste(x1, +1);

    QList<QRect> rez{central};
    if (!stanga.isNull())
        rez << stanga;
    if (!dreapta.isNull())
        rez << dreapta;
    const QList<QRect> mari = rez;
    auto acoperit = [&](int x, int y) {
        for (const QRect &r : mari)
            if (r.contains(x, y))
                return true;
        return false;
    };
    for (int y = 0; y < h; ++y) {
        const auto *r = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w;) {
            if (!Opac(r, x) || acoperit(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w && Opac(r, x) && !acoperit(x, y))
                ++x;
            rez << QRect(start, y, x - start, 1);
        }
    }
    return rez;
}

bool TGenericSplashForm::FerestreCompuse()
{
    if (g_ferestreCompuse)
        return *g_ferestreCompuse;
    // Platforms that always compose top-level windows with their alpha.
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("windows") || p == QLatin1String("cocoa") || p.startsWith(QLatin1String("wayland"));
}

void TGenericSplashForm::SeteazaFerestreCompuse(std::optional<bool> v) { g_ferestreCompuse = v; }

TGenericSplashForm::TGenericSplashForm(QWidget *parent) : TGenericSplashForm(parent, TDoarProiect{})
{
    FormCreate();
}

TGenericSplashForm::TGenericSplashForm(QWidget *parent, TDoarProiect) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    Proiecteaza();
}

void TGenericSplashForm::Proiecteaza()
{
    setObjectName(QStringLiteral("GenericSplashForm"));
    Image1 = new TERImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(0, 0);
    Image1->SetAutoSize(true);

    HidePanel_VerBox = new QFrame(this);
    HidePanel_VerBox->setObjectName(QStringLiteral("HidePanel_VerBox"));
    HidePanel_VerBox->setGeometry(16, 280, 289, 25);
    HidePanel_VerBox->setFrameShape(QFrame::Panel);
    HidePanel_VerBox->setAutoFillBackground(true);
    QPalette pal = HidePanel_VerBox->palette();
    pal.setColor(QPalette::Window, QColor(128, 64, 64));
    HidePanel_VerBox->setPalette(pal);

    RzLabel1 = new QLabel(HidePanel_VerBox);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->move(5, 4);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    RzLabel1->setFont(f);
    QPalette lp = RzLabel1->palette();
    lp.setColor(QPalette::WindowText, QColor(236, 236, 236));
    RzLabel1->setPalette(lp);
    // Recessed look: the highlight shows below-right of the light text.
    auto *umbra = new QGraphicsDropShadowEffect(RzLabel1);
    umbra->setBlurRadius(0);
    umbra->setOffset(1, 1);
    umbra->setColor(QColor(252, 174, 160));
    RzLabel1->setGraphicsEffect(umbra);

    Image1->SetIndicativER(QStringLiteral("GenericSplashForm.re:login"));
}

QImage TGenericSplashForm::CompuneImagine(const QImage &png) const
{
    QImage rez(png.size(), QImage::Format_ARGB32_Premultiplied);
    rez.fill(Qt::transparent);
    QPainter p(&rez);
    if (!m_stratificat) {
        // No composition: the desktop as it was shows through the transparent parts.
        p.fillRect(rez.rect(), palette().color(QPalette::Window));
        const TInstantaneu &s = Instantaneu();
        if (!s.Imagine.isNull())
            p.drawImage(QPoint(0, 0), s.Imagine, QRect(pos() - s.Origine, rez.size()));
    }
    p.drawImage(0, 0, png);
    return rez;
}

void TGenericSplashForm::FormCreate()
{
    try {
        RzLabel1->setText(QStringLiteral("Ver ") + TextVersiune());
    } catch (const std::exception &) {
        RzLabel1->clear();
    }
    RzLabel1->adjustSize();

    Image1->installEventFilter(this);
    for (QWidget *w : findChildren<QWidget *>())
        if (qobject_cast<QLabel *>(w) || qobject_cast<QFrame *>(w) || qobject_cast<TERImage *>(w))
            w->installEventFilter(this);

    m_stratificat = FerestreCompuse();

    const QImage png = Image1->Picture().convertToFormat(QImage::Format_ARGB32);
    if (!png.isNull()) {
        resize(png.size());
        CentreazaForm(this);
    }
    const QImage compus = png.isNull() ? QImage() : CompuneImagine(png);
    if (!compus.isNull())
        Image1->SetPicture(compus);

    for (QFrame *panou : findChildren<QFrame *>()) {
        if (panou->isHidden() ||
            panou->objectName().left(9).compare(QLatin1String("hidepanel"), Qt::CaseInsensitive) != 0)
            continue;
        const QPoint poz = panou->mapTo(this, QPoint(0, 0));
        m_suporturi << panou;
        m_pozitii << poz;
        panou->setFrameShape(QFrame::NoFrame);
        if (compus.isNull())
            continue;
        panou->setAutoFillBackground(false);
        auto *fundal = new QLabel(panou);
        fundal->setObjectName(QStringLiteral("ImagineSuport"));
        fundal->setGeometry(panou->rect());
        fundal->setPixmap(QPixmap::fromImage(compus.copy(QRect(poz, panou->size()))));
        fundal->lower();
    }

    QRegion regiune;
    for (const QRect &r : RegiuneDinAlfa(png))
        regiune += r;
    if (m_stratificat) {
        // The panels stay inside the composed window, so they must stay in its shape.
        for (qsizetype i = 0; i < m_suporturi.size(); ++i)
            regiune += QRect(m_pozitii[i], m_suporturi[i]->size());
        setAttribute(Qt::WA_TranslucentBackground);
    }
    if (!png.isNull())
        setMask(regiune);

    Image1->move(0, 0);
    resize(Image1->size());
    CentreazaForm(this);
}

int TGenericSplashForm::ShowModal()
{
    show();
    m_modalResult = 0;
    const auto ascunde = qScopeGuard([this] { hide(); });
    while (m_modalResult == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return m_modalResult;
}

void TGenericSplashForm::closeEvent(QCloseEvent *e)
{
    m_modalResult = 3;
    QWidget::closeEvent(e);
}

void TGenericSplashForm::MutaCuSuporturi(QPoint deplasare) { move(pos() + deplasare); }

bool TGenericSplashForm::eventFilter(QObject *o, QEvent *e)
{
    if (!m_stratificat)
        return QWidget::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() == Qt::LeftButton) {
            m_ultimulMouse = m->globalPosition().toPoint();
            m_trage = true;
        }
        break;
    }
    case QEvent::MouseMove: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m_trage && (m->buttons() & Qt::LeftButton)) {
            const QPoint acum = m->globalPosition().toPoint();
            const QPoint deplasare = acum - m_ultimulMouse;
            m_ultimulMouse = acum;
            MutaCuSuporturi(deplasare);
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_trage = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(o, e);
}
