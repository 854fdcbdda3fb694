#pragma once
#include <QString>
#include <exception>

// An error the user should see: carries its Romanian message.
class EEroare : public std::exception
{
public:
    explicit EEroare(QString mesaj) : m_mesaj(std::move(mesaj)), m_utf8(m_mesaj.toUtf8()) {}
    const QString &Mesaj() const { return m_mesaj; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_mesaj;
    QByteArray m_utf8;
};

// Raised where the program must end at once with the given exit code.
class EOprireProces : public std::exception
{
public:
    explicit EOprireProces(int cod) : Cod(cod) {}
    const char *what() const noexcept override { return "oprire proces"; }
    int Cod;
};
