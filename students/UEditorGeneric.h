#pragma once
#include <QColor>
#include <QFrame>
#include <QList>
#include <QString>

class QLabel;
class QVBoxLayout;
class TQuery;

// How code outside the record editor drives a field editor. The editor belongs to its
// owner widget; nothing is freed through this interface.
class IEditorGeneric
{
public:
    virtual ~IEditorGeneric() = default;
    virtual bool PotSalva() = 0;
    virtual void DupaAfisare() = 0;
    virtual QWidget *GetControl() = 0;
    virtual int GetIdInregistrare() const = 0;
    virtual void SetIdInregistrare(int Value) = 0;
    virtual int GetIdElev() const = 0;
    virtual void SetIdElev(int Value) = 0;
    virtual void IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                             const QString &AsociatCu, int IdElev, int IdInregistrare) = 0;
    virtual void SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu) = 0;
    virtual QString GetAsociatCu() const = 0;
    virtual void SetAsociatCu(const QString &Value) = 0;
};

// Background of panels and editor margins.
inline QColor ColoarePanou() { return QColor(247, 246, 245); }

// Edits the stored value of one field (FORMULAR.PAGINA.CAMP) of one record, kept in "DATE".
class TEditorGeneric : public QFrame, public IEditorGeneric
{
    Q_OBJECT
    Q_PROPERTY(int IdInregistrare READ GetIdInregistrare WRITE SetIdInregistrare)
    Q_PROPERTY(int IdElev READ GetIdElev WRITE SetIdElev)
    Q_PROPERTY(QString AsociatCu READ GetAsociatCu WRITE SetAsociatCu)
    Q_PROPERTY(int LatimeSugerata READ GetLatimeSugerata WRITE SetLatimeSugerata)
public:
    explicit TEditorGeneric(QWidget *Owner = nullptr);

    // Binds the editor to a field and loads its value; the base only stores the codes.
    void IncarcaCamp(const QString &CodFormular, const QString &CodPagina, const QString &CodCamp,
                     const QString &AsociatCu, int IdElev, int IdInregistrare) override;
    // The base warns that the editor class does not validate and refuses.
    bool PotSalva() override;
    // Writes the value inside the caller's transaction; the base writes nothing.
    void SalveazaCamp(int IdElev, int IdInregistrare, const QString &AsociatCu) override;
    void DupaAfisare() override {}
    virtual void SetGhiceste(bool Activ) { Q_UNUSED(Activ); }
    virtual void Goleste() {}

    QWidget *GetControl() override { return this; }
    int GetIdInregistrare() const override { return m_idInregistrare; }
    void SetIdInregistrare(int Value) override { m_idInregistrare = Value; }
    int GetIdElev() const override { return m_idElev; }
    void SetIdElev(int Value) override { m_idElev = Value; }
    QString GetAsociatCu() const override { return m_asociatCu; }
    void SetAsociatCu(const QString &Value) override { m_asociatCu = Value; }
    int GetLatimeSugerata() const { return m_latimeSugerata; }
    void SetLatimeSugerata(int Value) { m_latimeSugerata = Value; }

    QString CodFormular() const { return m_codFormular; }
    QString CodPagina() const { return m_codPagina; }
    QString CodCamp() const { return m_codCamp; }

    QLabel *RzLabel1 = nullptr;

    // The row of "DATE" belongs to the student only for exactly "ELEVI".
    static int IdEfectiv(const QString &AsociatCu, int IdElev, int IdInregistrare);
    // Blanks and control characters removed at both ends, then cut to N characters.
    static QString TextDeSalvat(const QString &Text, int N);

protected:
    // Puts the input control under the caption label, with the common margins.
    void PuneControl(QWidget *Control);
    // The stored text of the bound field, null when there is no row or it is null.
    QString CitesteTextul(const QString &AsociatCu, int IdElev, int IdInregistrare);
    // Inserts or updates the row of the bound field with Text trimmed and cut to N.
    void SalveazaTextul(int IdElev, int IdInregistrare, const QString &AsociatCu, const QString &Text, int N);

private:
    static void SelecteazaRandul(TQuery &Q, const QString &AsociatCu, int Id, const QString &F, const QString &P,
                                 const QString &C);

    QString m_codFormular, m_codPagina, m_codCamp;
    int m_idInregistrare = -1;
    int m_idElev = -1;
    QString m_asociatCu;
    int m_latimeSugerata = 0;
    QVBoxLayout *m_client = nullptr;
};

// The editors of a record editor or a line, in order; owns none of them.
class TListaEditorGeneric : public QList<TEditorGeneric *>
{
public:
    TEditorGeneric *Editor(qsizetype I) const { return at(I); }
};
