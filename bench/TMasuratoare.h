#pragma once
#include <QString>
#include <functional>

// Runs a step several times and prints its median next to the median of its floor
// (the same data read set-based), so each figure is also a ratio measured in one run.
class TMasuratoare
{
public:
    // Only the figures whose names start with `doar` (all when it is empty) are measured.
    explicit TMasuratoare(int rulari, QString doar = {}) : m_rulari(rulari), m_doar(std::move(doar)) {}
    bool Masoara(const QString &nume) const { return nume.startsWith(m_doar); }

    // Median in milliseconds of `rulari` runs of `pas`; `pregatire` runs untimed before each.
    double Mediana(const std::function<void()> &pas, const std::function<void()> &pregatire = {}) const;
    // Prints "name  median  floor  ratio  (cpu medians)  target" and returns the median.
    double Compara(const QString &nume, const std::function<void()> &pas, const std::function<void()> &podea,
                   double tintaMs, const std::function<void()> &pregatire = {},
                   const std::function<void()> &pregatirePodea = {}) const;

    // Prints "name  median  (cpu median)" for a reference figure that has no target.
    double Referinta(const QString &nume, const std::function<void()> &pas,
                     const std::function<void()> &pregatire = {}) const;

private:
    int m_rulari;
    QString m_doar;
    mutable double m_cpu = 0;   // CPU-time median of the last Mediana
};
