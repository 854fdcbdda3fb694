#include "UPrintCertificatCalificareProfesionalaNivel1.h"

TPrintCertificatCalificareProfesionalaNivel1::TPrintCertificatCalificareProfesionalaNivel1(QWidget *owner) : TTemplate(Machete::CCPN1, owner)
{
    setObjectName(QStringLiteral("PrintCertificatCalificareProfesionalaNivel1"));
}

