#include "FontFormular.h"

TFontFormular::TFontFormular(QObject *owner, const QString &nume) : QObject(owner)
{
    setObjectName(nume);
}

TFontFormular::~TFontFormular()
{
    // Users forget the definition without unregistering; the list goes with us.
    const QList<IUtilizatorFontFormular *> users = Users();
    while (!m_users.isEmpty())
        Scoate(m_users.size() - 1);
    for (IUtilizatorFontFormular *area : users)
        area->FontDestroyed();
}

QList<IUtilizatorFontFormular *> TFontFormular::Users() const
{
    QList<IUtilizatorFontFormular *> r;
    for (const TUtilizator &u : m_users)
        r.append(u.Area);
    return r;
}

template <typename T> void TFontFormular::Schimba(T &camp, const T &v)
{
    camp = v;
    Schimbat();
}

void TFontFormular::Schimbat()
{
    for (IUtilizatorFontFormular *area : Users())
        area->FontChanged();
}

void TFontFormular::SetFontName(const QString &v) { Schimba(m_fontName, v); }
void TFontFormular::SetCodePage(int v) { Schimba(m_codePage, v); }
void TFontFormular::SetCharSet(int v) { Schimba(m_charSet, v & 0xff); }
void TFontFormular::SetSize(double v) { Schimba(m_size, v); }
void TFontFormular::SetBold(bool v) { Schimba(m_bold, v); }
void TFontFormular::SetItalic(bool v) { Schimba(m_italic, v); }

void TFontFormular::Scoate(qsizetype i)
{
    disconnect(m_users[i].Notificare);
    m_users.removeAt(i);
}

void TFontFormular::AddUser(IUtilizatorFontFormular *area)
{
    if (!area)
        return;
    QObject *obiect = area->ObiectUtilizator();
    // An area destroyed without unregistering must not stay in the list.
    auto c = connect(obiect, &QObject::destroyed, this, [this](QObject *o) {
        for (qsizetype i = m_users.size() - 1; i >= 0; --i)
            if (m_users[i].Obiect == o)
                Scoate(i);
    });
    m_users.append({area, obiect, c});
}

void TFontFormular::RemoveUser(IUtilizatorFontFormular *area)
{
    for (qsizetype i = 0; i < m_users.size(); ++i)
        if (m_users[i].Area == area) {
            Scoate(i);
            return;
        }
}
