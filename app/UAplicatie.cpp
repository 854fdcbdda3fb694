#include "UAplicatie.h"
#include "UEroare.h"
#include "UAfisareErori.h"

TAplicatie::TAplicatie(int &argc, char **argv) : QApplication(argc, argv) {}

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
