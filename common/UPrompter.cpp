#include "UPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace UI {
namespace {

QWidget *Parinte() { return QApplication::activeWindow(); }

class TPrompterInteractiv final : public TPrompter
{
public:
    void Mesaj(const QString &text) override
    {
        QMessageBox::information(Parinte(), QApplication::applicationName(), text);
    }
    void Avertizare(const QString &text) override
    {
        QMessageBox::warning(Parinte(), QApplication::applicationName(), text);
    }
    void Eroare(const QString &text) override
    {
        QMessageBox::critical(Parinte(), QApplication::applicationName(), text);
    }
    bool Confirma(const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                        QMessageBox::Yes | QMessageBox::No, Parinte());
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Da"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Nu"));
        return box.exec() == QMessageBox::Yes;
    }
    QString FisierDeDeschis(const QString &titlu, const QString &filtru) override
    {
        return QFileDialog::getOpenFileName(Parinte(), titlu, {}, filtru);
    }
    QString FisierDeSalvat(const QString &titlu, const QString &filtru, const QString &sugestie) override
    {
        return QFileDialog::getSaveFileName(Parinte(), titlu, sugestie, filtru);
    }
    int Modal(QDialog *dialog) override { return dialog->exec(); }
};

TPrompter *Implicit()
{
    static TPrompterInteractiv p;
    return &p;
}

TPrompter *g_prompter = nullptr;

TPrompter *Curent() { return g_prompter ? g_prompter : Implicit(); }

} // namespace

TPrompter *SeteazaPrompter(TPrompter *p)
{
    TPrompter *vechi = g_prompter;
    g_prompter = p;
    return vechi;
}

void Mesaj(const QString &text) { Curent()->Mesaj(text); }
void Avertizare(const QString &text) { Curent()->Avertizare(text); }
void Eroare(const QString &text) { Curent()->Eroare(text); }
bool Confirma(const QString &text) { return Curent()->Confirma(text); }
QString FisierDeDeschis(const QString &titlu, const QString &filtru) { return Curent()->FisierDeDeschis(titlu, filtru); }
int Modal(QDialog *dialog) { return Curent()->Modal(dialog); }

QString FisierDeSalvat(const QString &titlu, const QString &filtru, const QString &sugestie)
{
    return Curent()->FisierDeSalvat(titlu, filtru, sugestie);
}

} // namespace UI
