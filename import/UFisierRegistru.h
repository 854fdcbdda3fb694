#pragma once
#include <QByteArray>
#include <QString>

// Largest file the import opens.
inline constexpr qint64 LimitaFisierRegistru = 64 * 1024 * 1024;

QString MesajNuPotDeschide(const QString &cale);

// Up to `cati` bytes from the start of the file (all when negative); EEroare when the file cannot
// be opened or is larger than the bound.
QByteArray CitesteFisierRegistru(const QString &cale, qint64 cati = -1);
