#include "UFisierRegistru.h"

#include "UEroare.h"

#include <QFile>

QString MesajNuPotDeschide(const QString &cale)
{
    return QStringLiteral("Fisierul \"%1\" nu poate fi deschis").arg(cale);
}

QByteArray CitesteFisierRegistru(const QString &cale, qint64 cati)
{
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly))
        throw EEroare(MesajNuPotDeschide(cale));
    if (f.size() > LimitaFisierRegistru)
        throw EEroare(QStringLiteral("Fisierul \"%1\" este prea mare pentru import (peste %2 MiB)")
                          .arg(cale)
                          .arg(LimitaFisierRegistru / (1024 * 1024)));
    return f.read(cati < 0 ? LimitaFisierRegistru : cati);
}
