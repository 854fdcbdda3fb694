#pragma once
#include "UPrompter.h"

#include <QQueue>
#include <functional>
#include <QStringList>

// Answers every box from a script and records what was asked.
class TPrompterScriptat : public UI::TPrompter
{
public:
    TPrompterScriptat();
    ~TPrompterScriptat() override;

    void Mesaj(const QString &text) override { Mesaje << text; }
    void Avertizare(const QString &text) override { Avertizari << text; }
    void Eroare(const QString &text) override { Erori << text; }
    bool Confirma(const QString &text) override;
    QString FisierDeDeschis(const QString &titlu, const QString &filtru) override;
    QString FisierDeSalvat(const QString &titlu, const QString &filtru, const QString &sugestie) override;
    // Runs the next scripted handler on the dialog instead of showing it; cancel when none is left.
    int Modal(QDialog *dialog) override;

    QStringList Mesaje, Avertizari, Erori, Intrebari;
    QQueue<bool> Raspunsuri;      // for Confirma; No when empty
    QQueue<QString> Fisiere;      // for the file dialogs; cancel when empty
    QStringList Filtre;           // filters the file dialogs were opened with
    QQueue<std::function<int(QDialog *)>> Dialoguri;
    QStringList DialoguriDeschise; // window titles of the dialogs shown

private:
    UI::TPrompter *m_vechi;
};
