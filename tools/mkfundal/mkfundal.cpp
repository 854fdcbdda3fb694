// Draws the scans of the blank certificates from the layouts:
//   certavo_mkfundal outdir layout.json...   ->  one keyed JPEG (.BIN) per page
// A cream sheet with a double frame, the printed captions, a dotted line under every
// field, boxes for the character-by-character fields and the counterfoil's cut line.
#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "UEroare.h"
#include "UIncarcaMachete.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <cstdio>

namespace {

constexpr double Dpi = 150.0;
const QColor Hartie(250, 246, 232);
const QColor Tus(40, 52, 96);
const QColor Chenar(120, 90, 40);

double Px(double mm) { return mm * Dpi / 25.4; }
QPointF Pt(double x, double y) { return {Px(x), Px(y)}; }

QFont Font(double mm, bool bold = false, bool italic = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, int(Px(mm))));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// The field name without its part prefix and line number: "A_CALIFICARE_L1" -> "CALIFICARE", line 1.
QString Radacina(const QString &camp, int *linie)
{
    static const QRegularExpression re(QStringLiteral("^[AC]_(.*?)(?:_L(\\d+))?$"));
    const auto m = re.match(camp);
    *linie = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
    return m.hasMatch() ? m.captured(1) : camp;
}

const QHash<QString, QString> &Etichete()
{
    static const QHash<QString, QString> e{
        {"ABREVIERE", "Se certifică că"},
        {"NUME", "Numele şi prenumele"},
        {"DOMENIU", "domeniul"},
        {"CALIFICARE", "calificarea"},
        {"UNITATEA", "unitatea de învăţământ"},
        {"COD_SIRUES", "cod SIRUES"},
        {"LOCALITATEA", "localitatea"},
        {"JUDETUL", "judeţul"},
        {"CNP", "CNP"},
        {"DIRECTOR", "Director,"},
        {"SECRETAR", "Secretar,"},
        {"PRESEDINTE", "Preşedinte,"},
        {"REG_NR", "Nr."},
        {"REG_LUNA", "luna"},
        {"REG_ZIUA", "ziua"},
        {"SESIUNEA", "sesiunea"},
        {"UNITATE_ORG", "centrul de examinare"},
        {"UNITATEA_ORG", "centrul de examinare"},
        {"LOCALITATEA_ORG", "localitatea"},
        {"JUDETUL_ORG", "judeţul"},
        {"PROBA", "Proba"},
        {"COMPETENTA", "Competenţe"},
        {"REZULTAT", "Media"},
    };
    return e;
}

struct TDesen
{
    QPainter &p;
    const TFormularDePrintat &s;
    double taiere;       // x of the counterfoil's cut line in mm, 0 when none
    QSet<QString> etichetate;     // fields already captioned (a grade pair gets one caption)
};

void Cadru(TDesen &d)
{
    QPainter &p = d.p;
    const double w = d.s.Latime(), h = d.s.Inaltime();
    p.fillRect(QRectF(0, 0, Px(w), Px(h)), Hartie);
    p.setPen(QPen(Chenar, Px(0.8)));
    p.drawRect(QRectF(Pt(6, 6), Pt(w - 6, h - 6)));
    p.setPen(QPen(Chenar, Px(0.3)));
    p.drawRect(QRectF(Pt(8, 8), Pt(w - 8, h - 8)));
    for (double x : {8.0, w - 8}) {
        for (double y : {8.0, h - 8}) {
            p.drawEllipse(Pt(x, y), Px(2.5), Px(2.5));
        }
    }
    if (d.taiere > 0) {
        QPen pen(Tus, Px(0.25), Qt::DashLine);
        p.setPen(pen);
        p.drawLine(Pt(d.taiere, 8), Pt(d.taiere, h - 8));
    }
}

void Centrat(QPainter &p, double x0, double x1, double y, const QString &text, const QFont &f)
{
    p.setFont(f);
    p.setPen(Tus);
    p.drawText(QRectF(Pt(x0, y - 8), Pt(x1, y)), Qt::AlignHCenter | Qt::AlignBottom, text);
}

void Titluri(TDesen &d, bool zez, bool fata)
{
    const double w = d.s.Latime();
    const double x0 = d.taiere > 0 ? d.taiere : 8;
    if (fata) {
        Centrat(d.p, x0, w - 8, 24, QStringLiteral("ROMÂNIA"), Font(4.5, true));
        Centrat(d.p, x0, w - 8, 31, QStringLiteral("MINISTERUL EDUCAŢIEI, CERCETĂRII ŞI TINERETULUI"), Font(3.2));
        Centrat(d.p, x0, w - 8, 48, zez ? QStringLiteral("CERTIFICAT DE ABSOLVIRE") : QStringLiteral("CERTIFICAT DE CALIFICARE PROFESIONALĂ"),
                Font(7.5, true));
        Centrat(d.p, x0, w - 8, 57, zez ? QStringLiteral("a şcolii de arte şi meserii") : QStringLiteral("NIVELUL 1"), Font(4.5, false, true));
        Centrat(d.p, w - 70, w - 12, 18, QStringLiteral("Seria ....... Nr. ..........."), Font(3));
        if (d.taiere > 0) {
            Centrat(d.p, 8, d.taiere, 40, QStringLiteral("COTOR"), Font(5, true));
            Centrat(d.p, 8, d.taiere, 48, zez ? QStringLiteral("certificat de absolvire") : QStringLiteral("certificat de calificare"),
                    Font(3.2, false, true));
            Centrat(d.p, 8, d.taiere, 56, QStringLiteral("Seria ....... Nr. ..........."), Font(3));
        }
    } else {
        Centrat(d.p, 8, d.taiere > 0 ? d.taiere : w - 8, 38, QStringLiteral("REZULTATELE EXAMENULUI DE CERTIFICARE"), Font(3.6, true));
    }
}

// Space free to the left of an area on its own line, in mm.
double LiberLaStanga(const TFormularDePrintat &s, const TFormularTextArea *a, double margine)
{
    double stanga = margine;
    for (const TFormularTextArea *b : s.TextAreas()) {
        const double dreapta = b->_Left() + b->_Width();
        const bool peLinie = b->_Top() < a->_Top() + a->_Height() && a->_Top() < b->_Top() + b->_Height();
        if (b != a && peLinie && dreapta <= a->_Left() + 0.01)
            stanga = std::max(stanga, dreapta);
    }
    return a->_Left() - stanga;
}

void Camp(TDesen &d, const TFormularTextArea *a, bool cutie)
{
    QPainter &p = d.p;
    const double l = a->_Left(), t = a->_Top(), w = a->_Width(), h = a->_Height();
    if (cutie) {
        p.setPen(QPen(Tus, Px(0.2)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(Pt(l - 0.4, t - 0.2), Pt(l + w + 0.4, t + h + 0.3)));
    } else {
        p.setPen(QPen(Tus, Px(0.25), Qt::DotLine));
        p.drawLine(Pt(l, t + h + 0.2), Pt(l + w, t + h + 0.2));
    }
    const QString camp = a->Denumire1().section(QLatin1Char('.'), 2);
    int linie = 1;
    const QString radacina = Radacina(camp, &linie);
    // A year box shows its last digit only: the rest is printed on the form.
    if (a->Denumire2() == QLatin1String("4") && radacina.contains(QLatin1String("AN"))) {
        p.setFont(Font(std::min(3.5, h * 0.8)));
        p.setPen(Tus);
        p.drawText(QRectF(Pt(l - 12, t), Pt(l, t + h)), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("anul 200"));
        return;
    }
    const bool primaCutie = !cutie || a->Denumire2() == QLatin1String("1");
    const QString eticheta = Etichete().value(radacina);
    if (eticheta.isEmpty() || linie != 1 || !primaCutie || d.etichetate.contains(a->Denumire1()))
        return;
    const QFont f = Font(std::min(3.2, h * 0.75), false, true);
    const double latime = QFontMetricsF(f).horizontalAdvance(eticheta) * 25.4 / Dpi + 1.5;
    const double margine = (d.taiere > 0 && l > d.taiere) ? d.taiere : 8;
    if (LiberLaStanga(d.s, a, margine) < latime)
        return;
    d.etichetate.insert(a->Denumire1());
    p.setFont(f);
    p.setPen(Tus);
    p.drawText(QRectF(Pt(l - latime, t - 1), Pt(l - 1, t + h)), Qt::AlignRight | Qt::AlignBottom, eticheta);
}

QByteArray Deseneaza(const TFormularDePrintat &s, bool zez, bool fata)
{
    QImage img(int(Px(s.Latime())), int(Px(s.Inaltime())), QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The counterfoil lies on one side of the sheet, the certificate on the other.
    double cStanga = 1e9, cDreapta = 0, aStanga = 1e9, aDreapta = 0;
    QHash<QString, int> grupuri;
    for (const TFormularTextArea *a : s.TextAreas()) {
        const bool cotor = a->Denumire1().section(QLatin1Char('.'), 2).startsWith(QLatin1String("C_"));
        (cotor ? cStanga : aStanga) = std::min(cotor ? cStanga : aStanga, a->_Left());
        (cotor ? cDreapta : aDreapta) = std::max(cotor ? cDreapta : aDreapta, a->_Left() + a->_Width());
        if (!a->Denumire2().isEmpty())
            ++grupuri[a->Denumire1()];
    }
    double taiere = 0;
    if (cDreapta <= aStanga)
        taiere = (cDreapta + aStanga) / 2;
    else if (aDreapta <= cStanga)
        taiere = (aDreapta + cStanga) / 2;

    TDesen d{p, s, taiere, {}};
    Cadru(d);
    Titluri(d, zez, fata);
    for (const TFormularTextArea *a : s.TextAreas())
        Camp(d, a, grupuri.value(a->Denumire1()) > 1);
    p.end();

    QByteArray jpeg;
    QBuffer buf(&jpeg);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPEG", 82);
    return jpeg;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: certavo_mkfundal outdir layout.json...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    try {
        for (int i = 2; i < argc; ++i) {
            QWidget fereastra;
            const TMacheta m = IncarcaMacheta(QString::fromLocal8Bit(argv[i]), &fereastra);
            const bool zez = fereastra.objectName().contains(QLatin1String("ZEZ"));
            for (const TPaginaMacheta &pg : m.Pagini) {
                const QString nume = QString(pg.FisierFundal).replace(QLatin1Char('\\'), QLatin1Char('/')).section(QLatin1Char('/'), -1);
                QSaveFile f(out + nume);
                const QByteArray date = FisierFundal::Codeaza(Deseneaza(*pg.Suprafata, zez, pg.Titlu == QLatin1String("Fata")));
                if (nume.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(date) != date.size() || !f.commit()) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(out + nume));
                    return 1;
                }
            }
        }
    } catch (const EEroare &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
