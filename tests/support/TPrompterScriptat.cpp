#include "TPrompterScriptat.h"

#include <QDialog>

TPrompterScriptat::TPrompterScriptat() : m_vechi(UI::SeteazaPrompter(this)) {}

TPrompterScriptat::~TPrompterScriptat() { UI::SeteazaPrompter(m_vechi); }

bool TPrompterScriptat::Confirma(const QString &text)
{
    Intrebari << text;
    return Raspunsuri.isEmpty() ? false : Raspunsuri.dequeue();
}

QString TPrompterScriptat::FisierDeDeschis(const QString &, const QString &filtru)
{
    Filtre << filtru;
    return Fisiere.isEmpty() ? QString() : Fisiere.dequeue();
}

QString TPrompterScriptat::FisierDeSalvat(const QString &, const QString &filtru, const QString &)
{
    Filtre << filtru;
    return Fisiere.isEmpty() ? QString() : Fisiere.dequeue();
}

int TPrompterScriptat::Modal(QDialog *dialog)
{
    DialoguriDeschise << dialog->windowTitle();
    return Dialoguri.isEmpty() ? UI::RezultatRenunt : Dialoguri.dequeue()(dialog);
}
