#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

// The settings store of one key path under the current user ("Software\Firm\Program\...").
// On Windows it is that registry key; elsewhere an INI file per key in the user's config folder.
std::unique_ptr<QSettings> DeschideCheie(const QString &cheie);

// The properties of a settings object, by name (case-insensitive order) with their kind.
class TKelRTTIShell
{
public:
    enum TTip { tipIntreg, tipText, tipAltul };

    explicit TKelRTTIShell(QObject *obiect);

    int NumarProprietati() const { return int(Proprietati.size()); }
    QString NumeProprietate(int i) const { return Proprietati[i].Nume; }
    TTip TipProprietate(int i) const { return Proprietati[i].Tip; }
    QVariant ValoareProprietate(int i) const;
    void SeteazaProprietate(int i, const QVariant &v);

    QObject *Obiect;

private:
    struct TProprietate
    {
        QString Nume;
        TTip Tip;
    };
    QList<TProprietate> Proprietati;
};

// A settings object whose properties (Q_PROPERTY, those of QObject excepted) are the values
// of one key: integer kinds as numbers, texts as texts, other kinds not stored.
// Derived classes load at the end of their constructor and save in their destructor, since
// only then is the object's own class (and its properties) in place.
class TKelRegistryClass : public QObject
{
    Q_OBJECT
public:
    QString Cheie;

protected:
    explicit TKelRegistryClass(QString cheie) : Cheie(std::move(cheie)) {}
    // Raises EEroare on a value of the wrong kind.
    void Incarca();
    // Writes every property, changed or not.
    void Salveaza();
};
