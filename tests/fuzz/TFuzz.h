#pragma once
#include <QByteArray>
#include <QString>

// What each fuzz target does with one input. Our own refusal of bad bytes (EEroare) is the
// expected outcome; anything else that escapes, crashes or trips a sanitizer is a bug.
void Fuzz(const QByteArray &date);

// The input written to this process's own temporary file, for readers that open a path.
QString FisierFuzz(const QByteArray &date, const QString &extensie);
// The input cut at its NUL bytes, for targets whose input is several parts.
QList<QByteArray> PartiFuzz(const QByteArray &date, int maxim);
