#include "UKelQuickRegStuff.h"
#include "UEroare.h"

#include <QMetaProperty>
#include <QSettings>
#include <algorithm>

std::unique_ptr<QSettings> DeschideCheie(const QString &cheie)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + cheie, QSettings::NativeFormat);
#else
    QStringList parti = cheie.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parti.isEmpty() && parti.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parti.removeFirst();
    const QString firma = parti.value(0);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, firma,
                                       parti.mid(1).join(QLatin1Char('/')));
#endif
}

namespace {
TKelRTTIShell::TTip TipDe(const QMetaProperty &p)
{
    if (p.isEnumType() || p.isFlagType())
        return TKelRTTIShell::tipIntreg;
    switch (p.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return TKelRTTIShell::tipIntreg;
    case QMetaType::QString:
    case QMetaType::QChar:
    case QMetaType::QByteArray:
        return TKelRTTIShell::tipText;
    default:
        return TKelRTTIShell::tipAltul;
    }
}
} // namespace

TKelRTTIShell::TKelRTTIShell(QObject *obiect) : Obiect(obiect)
{
    const QMetaObject *mo = obiect->metaObject();
    // The class's own properties first, then each ancestor's; a name already there is skipped.
    for (const QMetaObject *m = mo; m && m != &QObject::staticMetaObject; m = m->superClass())
        for (int i = m->propertyOffset(); i < m->propertyCount(); ++i) {
            const QMetaProperty p = m->property(i);
            const QString nume = QString::fromLatin1(p.name());
            const bool exista = std::any_of(Proprietati.cbegin(), Proprietati.cend(), [&](const TProprietate &x) {
                return x.Nume.compare(nume, Qt::CaseInsensitive) == 0;
            });
            if (!exista)
                Proprietati.append({nume, TipDe(p)});
        }
    std::stable_sort(Proprietati.begin(), Proprietati.end(), [](const TProprietate &a, const TProprietate &b) {
        return a.Nume.compare(b.Nume, Qt::CaseInsensitive) < 0;
    });
}

QVariant TKelRTTIShell::ValoareProprietate(int i) const { return Obiect->property(Proprietati[i].Nume.toLatin1().constData()); }

void TKelRTTIShell::SeteazaProprietate(int i, const QVariant &v)
{
    Obiect->setProperty(Proprietati[i].Nume.toLatin1().constData(), v);
}

void TKelRegistryClass::Incarca()
{
    TKelRTTIShell shell(this);
    const auto s = DeschideCheie(Cheie);
    for (int i = 0; i < shell.NumarProprietati(); ++i) {
        const QString nume = shell.NumeProprietate(i);
        if (!s->contains(nume))
            continue;
        const QVariant v = s->value(nume);
        switch (shell.TipProprietate(i)) {
        case TKelRTTIShell::tipIntreg: {
            bool ok = false;
            const int n = v.toInt(&ok);
            if (!ok)
                throw EEroare(QStringLiteral("Valoarea %1 din cheia %2 nu este un numar intreg: \"%3\"")
                                  .arg(nume, Cheie, v.toString()));
            shell.SeteazaProprietate(i, n);
            break;
        }
        case TKelRTTIShell::tipText:
            if (!v.canConvert<QString>() || v.typeId() == QMetaType::QStringList)
                throw EEroare(QStringLiteral("Valoarea %1 din cheia %2 nu este un text").arg(nume, Cheie));
            shell.SeteazaProprietate(i, v.toString());
            break;
        case TKelRTTIShell::tipAltul:
            break;
        }
    }
}

void TKelRegistryClass::Salveaza()
{
    TKelRTTIShell shell(this);
    const auto s = DeschideCheie(Cheie);
    for (int i = 0; i < shell.NumarProprietati(); ++i) {
        const QString nume = shell.NumeProprietate(i);
        const QVariant v = shell.ValoareProprietate(i);
        // A value already stored as it would load is left alone: every grade of a fill frees
        // one of these objects, and rewriting an unchanged file each time costs a disk flush.
        const QVariant vechi = s->value(nume);
        bool ok = false;
        switch (shell.TipProprietate(i)) {
        case TKelRTTIShell::tipIntreg:
            if (!(s->contains(nume) && vechi.toInt(&ok) == v.toInt() && ok))
                s->setValue(nume, v.toInt());
            break;
        case TKelRTTIShell::tipText:
            if (!(s->contains(nume) && vechi.typeId() == QMetaType::QString && vechi.toString() == v.toString()))
                s->setValue(nume, v.toString());
            break;
        case TKelRTTIShell::tipAltul: break;
        }
    }
    s->sync();
    if (s->status() != QSettings::NoError)
        throw EEroare(QStringLiteral("Nu pot scrie setarile in cheia %1").arg(Cheie));
}
