// Draws the shaped pictures of the splash, about and base windows:
//   certavo_mkpictures outdir   ->  Splash.png, About.png, login.png
// Each has a transparent outside, a soft half-transparent rim and a dark band
// under the version label (and the about window's button).
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

const QColor Adanc(24, 38, 74);
const QColor Mijloc(38, 92, 140);
const QColor Auriu(232, 190, 92);
const QColor Banda(90, 42, 42);

QFont Font(int px, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// Body with gradient, a faint rim outside it and a gold outline.
void Corp(QPainter &p, const QPainterPath &forma, QSize marime)
{
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 6; i >= 1; --i) {
        p.setPen(QPen(QColor(20, 30, 60, 12 + 4 * (6 - i)), 2.0 * i));
        p.drawPath(forma);
    }
    QLinearGradient g(0, 0, marime.width(), marime.height());
    g.setColorAt(0, Adanc);
    g.setColorAt(0.55, Mijloc);
    g.setColorAt(1, Adanc);
    p.setPen(QPen(Auriu, 3));
    p.setBrush(g);
    p.drawPath(forma);
}

// A small certificate sheet with a seal.
void Certificat(QPainter &p, const QRectF &r, const QColor &hartie)
{
    p.save();
    p.setPen(QPen(QColor(120, 90, 40), 1.5));
    p.setBrush(hartie);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(QColor(120, 110, 90), 1));
    for (int i = 1; i <= 5; ++i) {
        const qreal y = r.top() + r.height() * (0.18 + 0.11 * i);
        p.drawLine(QPointF(r.left() + r.width() * 0.15, y), QPointF(r.right() - r.width() * 0.15, y));
    }
    const QPointF c(r.right() - r.width() * 0.22, r.bottom() - r.height() * 0.16);
    QRadialGradient sigiliu(c, r.width() * 0.14);
    sigiliu.setColorAt(0, QColor(220, 60, 50));
    sigiliu.setColorAt(1, QColor(140, 20, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(sigiliu);
    p.drawEllipse(c, r.width() * 0.13, r.width() * 0.13);
    p.restore();
}

void Text(QPainter &p, const QRectF &r, const QString &s, const QFont &f, const QColor &c,
          int aliniere = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(r.translated(2, 2), aliniere, s);
    p.setPen(c);
    p.drawText(r, aliniere, s);
}

void Banda_(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Auriu, 1));
    p.setBrush(Banda);
    p.drawRoundedRect(r, 6, 6);
}

QImage Nou(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

QImage Splash()
{
    QImage img = Nou(702, 413);
    QPainter p(&img);
    QPainterPath forma;
    forma.addRoundedRect(QRectF(14, 40, 674, 360), 48, 48);
    QPainterPath medalion;
    medalion.addEllipse(QPointF(600, 86), 78, 78);
    forma = forma.united(medalion);
    Corp(p, forma, img.size());
    Certificat(p, QRectF(556, 28, 88, 116), QColor(250, 244, 222));
    Text(p, QRectF(60, 70, 480, 90), QStringLiteral("Certavo"), Font(76, true), QColor(250, 240, 210));
    Text(p, QRectF(64, 160, 480, 30), QStringLiteral("Tiparirea certificatelor de absolvire"), Font(22),
         QColor(210, 225, 240));
    p.setPen(QPen(Auriu, 2));
    p.drawLine(64, 200, 520, 200);
    Text(p, QRectF(84, 220, 560, 30), QStringLiteral("\u2022  Certificat de absolvire ZEZ"), Font(21, true),
         QColor(250, 240, 210));
    Text(p, QRectF(84, 256, 560, 30), QStringLiteral("\u2022  Certificat de calificare profesionala Nivel I"),
         Font(21, true), QColor(250, 240, 210));
    Text(p, QRectF(64, 300, 580, 30), QStringLiteral("Se deschide baza de date..."), Font(16), QColor(190, 205, 225));
    Banda_(p, QRectF(300, 348, 119, 33));
    return img;
}

QImage Despre()
{
    QImage img = Nou(591, 575);
    QPainter p(&img);
    QPainterPath forma;
    forma.addRoundedRect(QRectF(12, 12, 567, 520), 40, 40);
    QPainterPath talpa;
    talpa.addRoundedRect(QRectF(0, 500, 318, 75), 10, 10);
    forma = forma.united(talpa);
    Corp(p, forma, img.size());
    Certificat(p, QRectF(430, 44, 104, 138), QColor(250, 244, 222));
    Certificat(p, QRectF(400, 70, 104, 138), QColor(236, 244, 250));
    Text(p, QRectF(44, 44, 360, 80), QStringLiteral("Certavo"), Font(64, true), QColor(250, 240, 210));
    Text(p, QRectF(48, 124, 360, 28), QStringLiteral("Despre program"), Font(22), QColor(210, 225, 240));
    p.setPen(QPen(Auriu, 2));
    p.drawLine(48, 230, 540, 230);
    const QString randuri[] = {
        QStringLiteral("Program pentru secretariatele scolilor, care"),
        QStringLiteral("completeaza si tipareste pe formularele tipizate:"),
    };
    int y = 246;
    for (const QString &r : randuri) {
        Text(p, QRectF(48, y, 500, 26), r, Font(18), QColor(225, 232, 242));
        y += 28;
    }
    y += 10;
    for (const QString &r : {QStringLiteral("\u2022  Certificat de absolvire ZEZ"),
                             QStringLiteral("\u2022  Certificat de calificare profesionala Nivel I")}) {
        Text(p, QRectF(64, y, 500, 28), r, Font(19, true), QColor(250, 240, 210));
        y += 32;
    }
    y += 14;
    for (const QString &r : {QStringLiteral("Datele elevilor se pastreaza in baza de date locala;"),
                             QStringLiteral("elevii se pot prelua dintr-un registru Excel.")}) {
        Text(p, QRectF(48, y, 500, 26), r, Font(17), QColor(200, 215, 232));
        y += 26;
    }
    Banda_(p, QRectF(4, 550, 198, 24));
    Banda_(p, QRectF(212, 524, 89, 41));
    return img;
}

QImage Baza()
{
    QImage img = Nou(420, 320);
    QPainter p(&img);
    QPainterPath forma;
    forma.addRoundedRect(QRectF(8, 8, 404, 304), 36, 36);
    Corp(p, forma, img.size());
    Certificat(p, QRectF(300, 40, 80, 106), QColor(250, 244, 222));
    Text(p, QRectF(36, 40, 260, 70), QStringLiteral("Certavo"), Font(54, true), QColor(250, 240, 210));
    Text(p, QRectF(40, 120, 340, 26), QStringLiteral("Certificat de absolvire ZEZ"), Font(16, true),
         QColor(250, 240, 210));
    Text(p, QRectF(40, 148, 360, 26), QStringLiteral("Certificat de calificare profesionala Nivel I"), Font(16, true),
         QColor(250, 240, 210));
    Banda_(p, QRectF(12, 276, 297, 33));
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: certavo_mkpictures outdir\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const bool ok = Splash().save(dir + QStringLiteral("Splash.png"), "PNG") &&
                    Despre().save(dir + QStringLiteral("About.png"), "PNG") &&
                    Baza().save(dir + QStringLiteral("login.png"), "PNG");
    if (!ok)
        std::fprintf(stderr, "cannot write pictures into %s\n", argv[1]);
    return ok ? 0 : 1;
}
