#include "UErImage.h"

#include "UAccesResursaExterna.h"
#include "UDirectorProgram.h"
#include "UEroare.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

TERImage::TERImage(QWidget *parent) : QWidget(parent)
{
    resize(105, 105);
    ActualizeazaOpac();
}

void TERImage::SetIndicativER(const QString &v)
{
    QString fisier;
    QString dinProgram;
    const qsizetype sep = v.lastIndexOf(QLatin1Char(':'));
    if (sep >= 0) {
        fisier = v.left(sep).trimmed();
        const QString nume = QString(fisier).replace(QLatin1Char('\\'), QLatin1Char('/')).section(QLatin1Char('/'), -1);
        dinProgram = QDir::cleanPath(DirectorProgram() + nume);
    }
    // Unlike OpenExternalResource, the "ER" subfolder is not looked at here.
    const bool exista = !fisier.isEmpty() && (QFileInfo(fisier).isFile() || QFileInfo(dinProgram).isFile());
    if (!v.isEmpty() && exista) {
        const TResursaExterna r = OpenExternalResource(v);
        const char *format = nullptr;
        switch (r.Tip) {
        case ResursaExterna::Bmp: format = "BMP"; break;
        case ResursaExterna::Jpeg: format = "JPEG"; break;
        case ResursaExterna::Png: format = "PNG"; break;
        default:
            throw EEroare(QStringLiteral("Resursa exista dar nu este de tip BMP, JPG sau PNG!"));
        }
        QImage imagine;
        if (!imagine.loadFromData(r.Date, format))
            throw EEroare(QStringLiteral("Imaginea din resursa externa \"%1\" nu poate fi citita!").arg(v));
        SetPicture(imagine);
    } else {
        SetPicture(QImage());
    }
    m_indicativ = v;
}

void TERImage::SetPicture(const QImage &imagine)
{
    m_imagine = imagine;
    Schimbat();
}

void TERImage::SetAutoSize(bool v)
{
    m_autoSize = v;
    if (v)
        Schimbat();
}

void TERImage::SchimbaOptiune(bool &optiune, bool v)
{
    if (optiune == v)
        return;
    optiune = v;
    ActualizeazaOpac();
    update();
}

void TERImage::SetCenter(bool v) { SchimbaOptiune(m_center, v); }
void TERImage::SetProportional(bool v) { SchimbaOptiune(m_proportional, v); }
void TERImage::SetStretch(bool v) { SchimbaOptiune(m_stretch, v); }
void TERImage::SetTransparent(bool v) { SchimbaOptiune(m_transparent, v); }
void TERImage::SetProiectare(bool v) { SchimbaOptiune(m_proiectare, v); }

void TERImage::Schimbat()
{
    if (m_autoSize && !m_imagine.isNull())
        resize(m_imagine.size());
    ActualizeazaOpac();
    update();
}

// Only a picture without transparency that covers the whole control paints every pixel.
void TERImage::ActualizeazaOpac()
{
    const bool opac = !m_imagine.isNull() && !m_transparent && !m_imagine.hasAlphaChannel() &&
                      DestRect().contains(rect());
    setAttribute(Qt::WA_OpaquePaintEvent, opac);
    setAttribute(Qt::WA_NoSystemBackground, opac);
}

void TERImage::resizeEvent(QResizeEvent *) { ActualizeazaOpac(); }

QRect TERImage::DestRect() const
{
    return DestRect(size(), m_imagine.size(), m_stretch, m_proportional, m_center);
}

QRect TERImage::DestRect(QSize client, QSize imagine, bool stretch, bool proportional, bool center)
{
    const int cw = client.width(), ch = client.height();
    int w = std::max(imagine.width(), 0), h = std::max(imagine.height(), 0);
    if (stretch || (proportional && (w > cw || h > ch))) {
        if (proportional && w > 0 && h > 0) {
            const double aspect = double(w) / h;
            if (w > h) {
                w = cw;
                h = int(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = int(ch * aspect);
                }
            } else {
                h = ch;
                w = int(aspect * ch);
                if (w > cw) {
                    w = cw;
                    h = int(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    QRect r(0, 0, w, h);
    if (center)
        r.translate((cw - w) / 2, (ch - h) / 2);
    return r;
}

void TERImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_proiectare) {
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!m_imagine.isNull())
        p.drawImage(DestRect(), m_imagine);
}
