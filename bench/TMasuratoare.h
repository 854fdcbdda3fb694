#pragma once
#include <QString>
#include <functional>

// Runs a step several times and prints its median next to the median of its floor
// (the same data read set-based), so each figure is also a ratio measured in one run.
class TMasuratoare
{
public:
    explicit TMasuratoare(int rulari) : m_rulari(rulari) {}

    // Median in milliseconds of `rulari` runs of `pas`; `pregatire` runs untimed before each.
    double Mediana(const std::function<void()> &pas, const std::function<void()> &pregatire = {}) const;
    // Prints "name  median  floor  ratio  (cpu medians)  target" and returns the median.
    double Compara(const QString &nume, const std::function<void()> &pas, const std::function<void()> &podea,
                   double tintaMs, const std::function<void()> &pregatire = {}) const;

private:
    int m_rulari;
    mutable double m_cpu = 0;   // CPU-time median of the last Mediana
};
