#pragma once
#include <QString>

class QDialog;
class QWidget;

// Every message box, confirmation and file dialog of the program goes through here,
// so tests can answer them without a modal box.
namespace UI {

class TPrompter
{
public:
    virtual ~TPrompter() = default;
    virtual void Mesaj(const QString &text) = 0;
    virtual void Avertizare(const QString &text) = 0;
    virtual void Eroare(const QString &text) = 0;
    // Yes/No question; true for Yes.
    virtual bool Confirma(const QString &text) = 0;
    // Empty result when the user cancels.
    virtual QString FisierDeDeschis(const QString &titlu, const QString &filtru) = 0;
    virtual QString FisierDeSalvat(const QString &titlu, const QString &filtru, const QString &sugestie) = 0;
    // Shows a dialog of the program modally and returns its result (1 Ok, 2 Renunt).
    virtual int Modal(QDialog *dialog) = 0;
};

// Replaces the prompter (nullptr restores the interactive one); returns the previous one.
TPrompter *SeteazaPrompter(TPrompter *p);

void Mesaj(const QString &text);
void Avertizare(const QString &text);
void Eroare(const QString &text);
bool Confirma(const QString &text);
QString FisierDeDeschis(const QString &titlu, const QString &filtru);
QString FisierDeSalvat(const QString &titlu, const QString &filtru, const QString &sugestie = {});
int Modal(QDialog *dialog);

// Dialog results.
enum { RezultatOk = 1, RezultatRenunt = 2 };

} // namespace UI
