#include "UPrompterConsola.h"

#include <cstdio>

namespace {
void Scrie(const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
}
} // namespace

TPrompterConsola::TPrompterConsola() : m_vechi(UI::SeteazaPrompter(this)) {}

TPrompterConsola::~TPrompterConsola() { UI::SeteazaPrompter(m_vechi); }

void TPrompterConsola::Mesaj(const QString &text) { Scrie(text); }
void TPrompterConsola::Avertizare(const QString &text) { Scrie(text); }
void TPrompterConsola::Eroare(const QString &text) { Scrie(QStringLiteral("Eroare: ") + text); }

bool TPrompterConsola::Confirma(const QString &text)
{
    Scrie(text + QStringLiteral(" (raspuns: Nu)"));
    return false;
}
