#include "TCititorPdf.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {
constexpr double MmPePunct = 25.4 / 72;

QByteArray Ruleaza(const QString &program, const QStringList &argumente)
{
    QProcess p;
    p.start(program, argumente);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qWarning() << program << argumente << p.readAllStandardError();
    return p.readAllStandardOutput();
}
} // namespace

const TCuvantPdf *TPaginaPdf::Cauta(const QString &text) const
{
    for (const TCuvantPdf &c : Cuvinte)
        if (c.Text == text)
            return &c;
    return nullptr;
}

namespace {
QList<TPaginaPdf> Citeste(const QStringList &argumente)
{
    const QString html = QString::fromUtf8(Ruleaza(QStringLiteral("pdftotext"), argumente));
    QList<TPaginaPdf> r;
    const QRegularExpression pagina(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    const QRegularExpression cuvant(QStringLiteral(
        "<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    for (const QString &bucata : html.split(QStringLiteral("</page>"))) {
        const auto mp = pagina.match(bucata);
        if (!mp.hasMatch())
            continue;
        TPaginaPdf p;
        p.Mm = QSizeF(mp.captured(1).toDouble() * MmPePunct, mp.captured(2).toDouble() * MmPePunct);
        for (auto it = cuvant.globalMatch(bucata); it.hasNext();) {
            const auto m = it.next();
            p.Cuvinte << TCuvantPdf{m.captured(5),
                                    QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * MmPePunct,
                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * MmPePunct)};
        }
        r << p;
    }
    return r;
}
} // namespace

TPaginaPdf CitestePdf(const QString &fisier)
{
    return Citeste({QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                    QStringLiteral("1"), fisier, QStringLiteral("-")})
        .value(0);
}

QList<TPaginaPdf> CitestePaginiPdf(const QString &fisier)
{
    return Citeste({QStringLiteral("-bbox"), fisier, QStringLiteral("-")});
}

QString TitluPdf(const QString &fisier)
{
    const QString info = QString::fromUtf8(Ruleaza(QStringLiteral("pdfinfo"), {fisier}));
    const auto m = QRegularExpression(QStringLiteral("^Title:\\s*(.*)$"), QRegularExpression::MultilineOption)
                       .match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

QString RandeazaPdf(const QString &fisier, int dpi)
{
    const QString baza = fisier.chopped(4);
    Ruleaza(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                         QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                                         fisier, baza});
    return baza + QStringLiteral(".png");
}
