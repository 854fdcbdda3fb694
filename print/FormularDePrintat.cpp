#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "UCapabilitatiImprimanta.h"

#include "UDirectorProgram.h"
#include "UEroare.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>
#include <cmath>

namespace {
const QString PrefixArie = QStringLiteral("FormularTextArea");

// A drive path ("C:\\...") or, on this platform, an absolute path that is not a network one.
bool EsteNumeLocal(const QString &nume)
{
    if (nume.mid(1, 2) == QLatin1String(":\\"))
        return true;
    return nume.startsWith(QLatin1Char('/')) && !nume.startsWith(QLatin1String("//"));
}
}

QByteArray FisierFundal::Codeaza(QByteArray date)
{
    char *p = date.data();
    for (qsizetype i = 0, n = date.size(); i < n; ++i)
        p[i] = char(quint8(p[i]) ^ Cheie);
    return date;
}

QImage FisierFundal::Decodeaza(const QByteArray &jpeg, const QString &cale)
{
    QBuffer buf;
    buf.setData(jpeg);
    buf.open(QIODevice::ReadOnly);
    QImageReader r(&buf, "jpeg");
    QImage img = r.read();
    if (img.isNull())
        throw EEroare(QStringLiteral("Fisierul %1 nu contine o imagine de fundal valida (%2)")
                          .arg(cale, r.errorString()));
    return img;
}

TFormularDePrintat::TFormularDePrintat(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdatePixelSize();
}

double TFormularDePrintat::ScreenDpi(double zoom) { return 96.0 * zoom / 100.0 * 1.051403996; }

double TFormularDePrintat::ScreenDpi() const { return ScreenDpi(m_zoom); }

int TFormularDePrintat::MmToPixels(double dpi, double mm) { return int(std::trunc(mm * dpi / 25.4)); }

double TFormularDePrintat::PixelsToMm(int px, double dpi) { return px * 25.4 / dpi; }

void TFormularDePrintat::UpdatePixelSize()
{
    const double dpi = ScreenDpi();
    setFixedSize(MmToPixels(dpi, m_latime), MmToPixels(dpi, m_inaltime));
}

void TFormularDePrintat::SetZoom(double v)
{
    if (v == m_zoom)
        return;
    m_zoom = v;
    UpdatePixelSize();
    for (TFormularTextArea *a : TextAreas())
        a->ZoomChanged();
    update();
}

void TFormularDePrintat::SetLatime(double v)
{
    m_latime = v;
    UpdatePixelSize();
}

void TFormularDePrintat::SetInaltime(double v)
{
    m_inaltime = v;
    UpdatePixelSize();
}

void TFormularDePrintat::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    // The pixel size always follows the millimetres.
    UpdatePixelSize();
}

void TFormularDePrintat::PrintOnPrinter(TContextImprimanta &dc, bool Mirror, TDirectorModificari *Adjustments,
                                        double OffsetLeft, double OffsetTop)
{
    const double left = OffsetLeft + m_deltaStanga;
    const double top = OffsetTop + m_deltaSus;
    for (TFormularTextArea *a : TextAreas())
        a->Print(dc, Mirror, Adjustments, m_latime, m_inaltime, top, left);
}

void TFormularDePrintat::PrintBkImage(TContextImprimanta &dc, bool Mirror) const
{
    if (m_bk.Gol())
        return;
    TDreptunghiDispozitiv r = dc.Cap.Dreptunghi(0, 0, m_latime, m_inaltime);
    if (Mirror)
        r = dc.Cap.Oglindit(r);
    TZonaImprimabila zona(dc);
    QPainter &p = dc.Painter;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (Mirror) {
        // Turned about the rectangle's centre: x becomes Left + Right - x.
        p.translate(r.Left + r.Right, r.Top + r.Bottom);
        p.rotate(180);
    }
    p.drawImage(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), m_bk.Imagine);
}

QList<TFormularTextArea *> TFormularDePrintat::TextAreas() const
{
    return findChildren<TFormularTextArea *>(QString(), Qt::FindDirectChildrenOnly);
}

TFormularTextArea *TFormularDePrintat::FindTextArea(int n) const
{
    const QString nume = PrefixArie + QString::number(n);
    for (QObject *c : children())
        if (c->isWidgetType() && c->objectName() == nume)
            return qobject_cast<TFormularTextArea *>(c);
    return nullptr;
}

int TFormularDePrintat::HighestTextAreaNumber() const
{
    int maxim = 0;
    for (QObject *c : children()) {
        if (!c->isWidgetType())
            continue;
        const QString nume = c->objectName();
        if (nume.size() <= PrefixArie.size() || !nume.startsWith(PrefixArie))
            continue;
        QString cifre;
        for (QChar ch : QStringView(nume).mid(PrefixArie.size()))
            if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
                cifre += ch;
        bool ok = false;
        const int n = cifre.toInt(&ok);
        if (ok)
            maxim = std::max(maxim, n);
    }
    return maxim;
}

void TFormularDePrintat::SetBkImage(const TImagine &v)
{
    m_cache = QImage();
    m_bk = v;
    update();
    if (!m_bkFileName.isEmpty() && !m_seIncarca)
        SaveBkImageToFile(m_bkFileName);
}

void TFormularDePrintat::RefreshBkCache()
{
    if (m_cache.size() == size())
        return;
    m_cache = QImage(size(), QImage::Format_RGB32);
    m_cache.fill(Qt::white);
    if (m_bk.Gol())
        return;
    QPainter p(&m_cache);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Stretched to (0, 0)-(Width - 1, Height - 1), the right and bottom edges exclusive.
    p.drawImage(QRect(0, 0, width() - 1, height() - 1), m_bk.Imagine);
}

void TFormularDePrintat::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    if (m_bk.Gol()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    RefreshBkCache();
    p.drawImage(e->rect(), m_cache, e->rect());
}

void TFormularDePrintat::LoadBkImageFromFile(const QString &path)
{
    QString cale = path;
    if (!QFileInfo(cale).isFile()) {
        // Layouts carry absolute paths of another machine; the files lie beside the program.
        const QString nume = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')).section(QLatin1Char('/'), -1);
        cale = FisierProgram(nume);
    }
    QFile f(cale);
    if (!QFileInfo(cale).isFile() || !f.open(QIODevice::ReadOnly))
        throw EEroare(QStringLiteral("Nu pot citi din fisierul %1").arg(cale));
    const QByteArray jpeg = FisierFundal::Codeaza(f.readAll());
    QImage img = FisierFundal::Decodeaza(jpeg, cale);
    m_cache = QImage();
    m_bk = {img, jpeg};
    update();
}

void TFormularDePrintat::SaveBkImageToFile(const QString &path) const
{
    if (!m_bk.EsteJpeg())
        return;
    const QString cale = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir().mkpath(QFileInfo(cale).absolutePath());
    QSaveFile f(cale);
    if (!f.open(QIODevice::WriteOnly) || f.write(FisierFundal::Codeaza(m_bk.Jpeg)) != m_bk.Jpeg.size() || !f.commit())
        throw EEroare(QStringLiteral("Nu pot scrie in fisierul %1").arg(path));
}

void TFormularDePrintat::AppendTrace(const QString &cuvant)
{
    m_dummyMsg = m_dummyMsg.isEmpty() ? cuvant : m_dummyMsg + QLatin1Char('-') + cuvant;
}

void TFormularDePrintat::SetBkImage_FileName(const QString &v)
{
    ++m_atribuiri;
    m_dummyMsg.clear();
    QString nume = v;
    if (nume.isEmpty()) {
        AppendTrace(QStringLiteral("reset"));
    } else {
        AppendTrace(QStringLiteral("nonvid"));
        if (nume.size() < 3)
            throw EEroare(QStringLiteral("%1 nu este un nume valid").arg(nume));
        if (!EsteNumeLocal(nume))
            throw EEroare(QStringLiteral("%1 nu este un nume valid, vrea sa am un nume LOCAL (nu de pe retea)").arg(nume));
        if (m_seIncarca || (QFileInfo(nume).isFile() && m_bk.Gol())) {
            AppendTrace(QStringLiteral("loadfn"));
            try {
                LoadBkImageFromFile(nume);
            } catch (const EEroare &) {
                // A page without its scan simply shows no background.
                nume.clear();
            }
        } else if (m_bk.EsteJpeg()) {
            AppendTrace(QStringLiteral("savefn"));
            SaveBkImageToFile(nume);
        } else {
            AppendTrace(m_bk.Gol() ? QStringLiteral("nographic") : QStringLiteral("QImage"));
            nume.clear();
        }
    }
    m_bkFileName = nume;
    m_dummyMsg = QString::number(m_atribuiri) + QStringLiteral(": ") + m_dummyMsg;
}
