#include "UAplicatie.h"
#include "UEroare.h"
#include "UPrompter.h"

TAplicatie::TAplicatie(int &argc, char **argv) : QApplication(argc, argv) {}

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

bool TAplicatie::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EOprireProces &e) {
        ::exit(e.Cod);
    } catch (...) {
        ArataEroarea(std::current_exception());
    }
    return false;
}
