#include "UPrintCertificatAbsolvireZEZ.h"

TPrintCertificatAbsolvireZEZ::TPrintCertificatAbsolvireZEZ(QWidget *owner) : TTemplate(Machete::ZEZ, owner)
{
    setObjectName(QStringLiteral("PrintCertificatAbsolvireZEZ"));
}

