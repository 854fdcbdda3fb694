#pragma once
#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

class TQuery;

// Columns of a row of "DATE" and the values a write gives them.
using TColoaneValoare = QList<std::pair<QString, QVariant>>;

// The unique index of "DATE" on the field code and every owner column, made by the start-up.
inline QString IndexValoare() { return QStringLiteral("UQ_DATE_CAMP_PROPRIETAR"); }

// The value of an id column that a write empties.
inline QVariant IdNul() { return QVariant(QMetaType(QMetaType::Int)); }

// The one way a field's value is written: the row of "DATE" for the field (Formular, Pagina,
// Camp) and its owner (the column "ID_" + Tabel = Id) gets Coloane, inside the caller's
// transaction; when the owner has no such row yet it is inserted with Coloane and
// LaInserare. Two workstations inserting the same row at once meet at the unique index on
// the field and owner; the loser's writer (ScrieInTranzactie) runs again and updates it.
void ScrieValoare(TQuery &q, const QString &tabel, int id, const QString &formular, const QString &pagina,
                  const QString &camp, const TColoaneValoare &coloane, const TColoaneValoare &laInserare = {});
