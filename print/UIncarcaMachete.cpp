#include "UIncarcaMachete.h"

#include "FontFormular.h"
#include "FormularDePrintat.h"
#include "QFormularTextArea.h"
#include "UDirectorProgram.h"
#include "UEroare.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>
#include <QSet>

namespace {

const QSet<QString> CheiStructura{QStringLiteral("Nume"), QStringLiteral("Pagina"), QStringLiteral("Arii"),
                                  QStringLiteral("Font")};

QString Componenta(const QObject *o) { return o->objectName() + QLatin1Char('.') + QLatin1String(o->metaObject()->className()); }

void SeteazaProprietati(QObject *o, const QJsonObject &json)
{
    for (auto it = json.begin(); it != json.end(); ++it) {
        if (CheiStructura.contains(it.key()))
            continue;
        const QMetaObject *mo = o->metaObject();
        const int i = mo->indexOfProperty(it.key().toLatin1().constData());
        if (i < 0 || !mo->property(i).isWritable())
            throw EEroare(QStringLiteral("%1 nu are proprietatea %2").arg(Componenta(o), it.key()));
        if (!mo->property(i).write(o, it.value().toVariant()))
            throw EEroare(QStringLiteral("%1: valoare nepotrivita pentru proprietatea %2").arg(Componenta(o), it.key()));
    }
}

QJsonArray Lista(const QJsonObject &json, const QString &cheie, const QString &unde)
{
    const QJsonValue v = json.value(cheie);
    if (!v.isArray())
        throw EEroare(QStringLiteral("%1: lipseste lista \"%2\"").arg(unde, cheie));
    return v.toArray();
}

QJsonObject Obiect(const QJsonValue &v, const QString &unde)
{
    if (!v.isObject() || v.toObject().value(QStringLiteral("Nume")).toString().isEmpty())
        throw EEroare(QStringLiteral("%1: o componenta fara nume").arg(unde));
    return v.toObject();
}

void Construieste(const QJsonObject &radacina, QWidget *fereastra, TMacheta &m)
{
    fereastra->setObjectName(radacina.value(QStringLiteral("Fereastra")).toString());
    const QString unde = fereastra->objectName();
    QHash<QString, TFontFormular *> fonturi;
    for (const QJsonValue &v : Lista(radacina, QStringLiteral("Fonturi"), unde)) {
        const QJsonObject json = Obiect(v, unde);
        auto *f = new TFontFormular(fereastra, json.value(QStringLiteral("Nume")).toString());
        m.Fonturi.append(f);
        SeteazaProprietati(f, json);
        fonturi.insert(f->objectName(), f);
    }
    for (const QJsonValue &v : Lista(radacina, QStringLiteral("Pagini"), unde)) {
        const QJsonObject json = Obiect(v, unde);
        auto *s = new TFormularDePrintat(fereastra);
        s->setObjectName(json.value(QStringLiteral("Nume")).toString());
        m.Pagini.append({json.value(QStringLiteral("Pagina")).toString(),
                         json.value(QStringLiteral("BkImage_FileName")).toString(), s});
        s->IncepeIncarcarea();
        SeteazaProprietati(s, json);
        s->TerminaIncarcarea();
        for (const QJsonValue &va : Lista(json, QStringLiteral("Arii"), Componenta(s))) {
            const QJsonObject ja = Obiect(va, Componenta(s));
            auto *a = new TFormularTextArea(s, fereastra);
            a->setObjectName(ja.value(QStringLiteral("Nume")).toString());
            a->IncepeIncarcarea();
            SeteazaProprietati(a, ja);
            const QString font = ja.value(QStringLiteral("Font")).toString();
            if (!font.isEmpty()) {
                if (!fonturi.contains(font))
                    throw EEroare(QStringLiteral("%1 foloseste fontul inexistent %2").arg(Componenta(a), font));
                a->SetFont(fonturi.value(font));
            }
            a->TerminaIncarcarea();
        }
    }
}

} // namespace

QString FisierMacheta(const QString &nume) { return FisierProgram(QStringLiteral("layouts/") + nume); }

TMacheta IncarcaMacheta(const QString &fisier, QWidget *fereastra)
{
    QFile f(fisier);
    if (!f.open(QIODevice::ReadOnly))
        throw EEroare(QStringLiteral("Nu pot citi macheta din fisierul %1").arg(fisier));
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &err);
    if (!doc.isObject())
        throw EEroare(QStringLiteral("Macheta din fisierul %1 este deteriorata: %2 (pozitia %3)")
                          .arg(fisier, err.errorString()).arg(err.offset));
    TMacheta m;
    try {
        Construieste(doc.object(), fereastra, m);
    } catch (const EEroare &e) {
        // Surfaces own their areas; fonts are told when they go.
        for (const TPaginaMacheta &p : std::as_const(m.Pagini))
            delete p.Suprafata;
        qDeleteAll(m.Fonturi);
        throw EEroare(QStringLiteral("Macheta din fisierul %1: %2").arg(fisier, e.Mesaj()));
    }
    return m;
}
