#pragma once
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QString>

// What a definition asks of the areas that use it (the text areas).
class IUtilizatorFontFormular
{
public:
    virtual ~IUtilizatorFontFormular() = default;
    virtual void FontChanged() = 0;       // repaint
    virtual void FontDestroyed() = 0;     // forget the definition, without unregistering
    virtual QObject *ObiectUtilizator() = 0;
};

// A named font definition of a layout window; its size is a physical cell height in
// millimetres, so the text prints alike on any printer and scales with the screen zoom.
// Several text areas share one definition; changing it restyles all of them.
class TFontFormular : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(int CodePage READ CodePage WRITE SetCodePage)
    Q_PROPERTY(int CharSet READ CharSet WRITE SetCharSet)
    Q_PROPERTY(double Size READ Size WRITE SetSize)
    Q_PROPERTY(bool Bold READ Bold WRITE SetBold)
    Q_PROPERTY(bool Italic READ Italic WRITE SetItalic)
    Q_PROPERTY(QString DescrierePentruEditor READ DescrierePentruEditor WRITE SetDescrierePentruEditor)

public:
    explicit TFontFormular(QObject *owner = nullptr, const QString &nume = {});
    ~TFontFormular() override;

    QString FontName() const { return m_fontName; }
    void SetFontName(const QString &v);
    int CodePage() const { return m_codePage; }
    void SetCodePage(int v);
    int CharSet() const { return m_charSet; }
    void SetCharSet(int v);
    double Size() const { return m_size; }
    void SetSize(double v);
    bool Bold() const { return m_bold; }
    void SetBold(bool v);
    bool Italic() const { return m_italic; }
    void SetItalic(bool v);
    QString DescrierePentruEditor() const { return m_descriere; }
    void SetDescrierePentruEditor(const QString &v) { m_descriere = v; }

    // One entry per assignment of this definition to an area.
    void AddUser(IUtilizatorFontFormular *area);
    void RemoveUser(IUtilizatorFontFormular *area);
    QList<IUtilizatorFontFormular *> Users() const;

private:
    template <typename T> void Schimba(T &camp, const T &v);
    void Schimbat();

    QString m_fontName = QStringLiteral("Arial");
    int m_codePage = 1250;
    int m_charSet = 238;       // East European
    double m_size = 3.0;
    bool m_bold = false;
    bool m_italic = false;
    QString m_descriere;

    struct TUtilizator
    {
        IUtilizatorFontFormular *Area;
        QObject *Obiect;                    // kept: a dying area can no longer be asked
        QMetaObject::Connection Notificare;
    };
    void Scoate(qsizetype i);
    QList<TUtilizator> m_users;
};
