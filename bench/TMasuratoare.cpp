#include "TMasuratoare.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
// CPU time of every thread of the process (the embedded engine works in threads of its own):
// on a loaded machine it shows the step's own cost when wall time does not.
double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}
} // namespace

double TMasuratoare::Mediana(const std::function<void()> &pas, const std::function<void()> &pregatire) const
{
    std::vector<double> ms, cpu;
    for (int i = 0; i < m_rulari; ++i) {
        if (pregatire)
            pregatire();
        const double c0 = CpuMs();
        QElapsedTimer t;
        t.start();
        pas();
        ms.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(CpuMs() - c0);
    }
    m_cpu = Median(cpu);
    return Median(ms);
}

double TMasuratoare::Compara(const QString &nume, const std::function<void()> &pas,
                             const std::function<void()> &podea, double tintaMs,
                             const std::function<void()> &pregatire,
                             const std::function<void()> &pregatirePodea) const
{
    if (!Masoara(nume))
        return 0;
    const double m = Mediana(pas, pregatire);
    const double cm = m_cpu;
    const double p = Mediana(podea, pregatirePodea);
    const double cp = m_cpu;
    QTextStream(stdout) << QStringLiteral("%1  median %2 ms  floor %3 ms  ratio %4  (cpu %5 / %6 ms)  target < %7 ms  %8\n")
                               .arg(nume, -36)
                               .arg(m, 9, 'f', 2)
                               .arg(p, 9, 'f', 2)
                               .arg(p > 0 ? m / p : 0.0, 6, 'f', 2)
                               .arg(cm, 0, 'f', 1)
                               .arg(cp, 0, 'f', 1)
                               .arg(tintaMs, 0, 'f', 0)
                               .arg(m < tintaMs ? QStringLiteral("ok") : QStringLiteral("OVER"));
    std::fflush(stdout);
    return m;
}

double TMasuratoare::Referinta(const QString &nume, const std::function<void()> &pas,
                               const std::function<void()> &pregatire) const
{
    if (!Masoara(nume))
        return 0;
    const double m = Mediana(pas, pregatire);
    QTextStream(stdout) << QStringLiteral("%1  median %2 ms  (cpu %3 ms)  reference\n")
                               .arg(nume, -36)
                               .arg(m, 9, 'f', 2)
                               .arg(m_cpu, 0, 'f', 1);
    std::fflush(stdout);
    return m;
}
