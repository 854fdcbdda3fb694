// The field profile file (DOZ2009.binprof): a title, then the tagged value stream of the profile.
#include "TFuzz.h"
#include "UProfilDiploma.h"

void Fuzz(const QByteArray &date)
{
    TListaLiniiProfilDiploma p;
    p.IncarcaDinDate(date);
}
