#pragma once
#include "TemplateForm.h"

// The preview of the "Certificat calificare profesionala Nivel I".
class TPrintCertificatCalificareProfesionalaNivel1 : public TTemplate
{
    Q_OBJECT
public:
    explicit TPrintCertificatCalificareProfesionalaNivel1(QWidget *owner = nullptr);
};

class THandlerCertificatCalificareProfesionalaNivel1 : public THandlerTemplate<TPrintCertificatCalificareProfesionalaNivel1>
{
public:
    THandlerCertificatCalificareProfesionalaNivel1() : THandlerTemplate(QStringLiteral("Certificat calificare profesionala Nivel I")) {}
};
