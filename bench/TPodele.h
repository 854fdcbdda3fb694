#pragma once
#include <QString>

class TDM;

// The floors of the benchmarks: the data a step needs, read by one set-based query per table.

// Opens the database and reads the schema tables and the profile that the start-up checks.
void PodeaPornire(const QString &fisier);
// The students and every value the list expression (and what its fields inherit from) needs.
void PodeaLista(TDM &dm, const QString &expresie);
// Every value row of one student and of the records linked to it.
void PodeaElev(TDM &dm, int idElev);
// Every value row of every student and record, and the profile.
void PodeaExport(TDM &dm);
