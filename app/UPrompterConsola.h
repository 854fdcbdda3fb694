#pragma once
#include "UPrompter.h"

// The prompter of a run without windows: every message goes to standard error, every
// question is answered No and every dialog is cancelled. Installed while it lives.
class TPrompterConsola : public UI::TPrompter
{
public:
    TPrompterConsola();
    ~TPrompterConsola() override;

    void Mesaj(const QString &text) override;
    void Avertizare(const QString &text) override;
    void Eroare(const QString &text) override;
    bool Confirma(const QString &text) override;
    QString FisierDeDeschis(const QString &, const QString &) override { return {}; }
    QString FisierDeSalvat(const QString &, const QString &, const QString &) override { return {}; }
    int Modal(QDialog *) override { return UI::RezultatRenunt; }

private:
    UI::TPrompter *m_vechi;
};
