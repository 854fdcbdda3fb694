#include "UAfisareErori.h"
#include "UEroare.h"
#include "UPrompter.h"

void ArataEroarea(const std::exception_ptr &eroare)
{
    try {
        std::rethrow_exception(eroare);
    } catch (const EOprireProces &) {
        throw;
    } catch (const EEroare &e) {
        UI::Eroare(e.Mesaj());
    } catch (const std::exception &e) {
        UI::Eroare(QStringLiteral("A aparut o eroare neasteptata: %1").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        UI::Eroare(QStringLiteral("A aparut o eroare neasteptata."));
    }
}

bool IncearcaSiArata(const std::function<void()> &actiune)
{
    try {
        actiune();
        return true;
    } catch (const EOprireProces &) {
        throw;
    } catch (...) {
        ArataEroarea(std::current_exception());
    }
    return false;
}
