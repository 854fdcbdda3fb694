#pragma once
#include "UEditorGeneric.h"

#include <QFrame>
#include <QMap>

class QTabWidget;
class TFrmGrup;
class TLinieGrupare;
class TListaFrmGrup;

// Edits every printable value of one record: one editor per profile row of its table, on a
// tab per document, in groups and on shared lines; for a student also one drop-down per
// linked record table.
class TEditorGenericComplex : public QFrame
{
    Q_OBJECT
public:
    explicit TEditorGenericComplex(QWidget *owner = nullptr);

    // Builds and loads the editors; no transaction may be active (it reads in its own).
    void Configureaza(int IdElev, int IdInregistrare, const QString &AsociatCu);
    // Asks every editor in order and stops at the first refusal.
    bool PotSalvaToate();
    // Saves every editor inside the caller's open transaction.
    void SalveazaToate(int IdElev, int IdInregistrare, const QString &AsociatCu);

    // "Text [Grup] {nota}": the label, the bracketed group and the note in braces.
    static void DescompuneEticheta(const QString &Text, QString &Eticheta, QString &Grup, QString &Nota);
    // Breaks a tab title at the blanks after its first ten characters.
    static QString ImparteTitlul(const QString &Text);
    // Only the letters, in lower case: how tab titles are compared.
    static QString NormalizeazaTitlu(const QString &Text);
    // The editor for a data type; an unknown type raises EEroare.
    static TEditorGeneric *CreeazaEditor(const QString &Tip, QWidget *Owner);

    TListaEditorGeneric Editoare;
    QTabWidget *PC = nullptr;

private:
    QWidget *ContainerPentru(const QString &Formular, const QString &Grup, const QString &CodLinie);
    TLinieGrupare *LiniePentru(const QString &Cheie, QWidget *Parinte);
    QWidget *PaginaPentru(const QString &Formular);
    void AdaugaEditorul(TEditorGeneric *Editor, const QString &Formular, const QString &Grup,
                        const QString &Eticheta, const QString &CodLinie, int Latime);
    static void AdaugaSus(QWidget *Container, QWidget *Control);

    // Only while Configureaza runs.
    TListaFrmGrup *m_grupuri = nullptr;
    QMap<QString, TLinieGrupare *> *m_linii = nullptr;   // by line key in lower case
};
