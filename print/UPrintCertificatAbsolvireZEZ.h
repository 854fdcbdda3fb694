#pragma once
#include "TemplateForm.h"

// The preview of the "Certificat de absolvire a scolii de arte si meserii".
class TPrintCertificatAbsolvireZEZ : public TTemplate
{
    Q_OBJECT
public:
    explicit TPrintCertificatAbsolvireZEZ(QWidget *owner = nullptr);
};

class THandlerCertificatAbsolvireZEZ : public THandlerTemplate<TPrintCertificatAbsolvireZEZ>
{
public:
    THandlerCertificatAbsolvireZEZ() : THandlerTemplate(QStringLiteral("Certificat de absolvire a scolii de arte si meserii")) {}
};
