// School-scale benchmarks: each step's median next to the median of its set-based floor.
//   bench_certavo [--elevi N] [--rulari R] [--director DIR]
#include "TBancImport.h"
#include "TBazaScolara.h"
#include "TMasuratoare.h"
#include "TPodele.h"
#include "FormularDePrintat.h"
#include "TemplateForm.h"
#include "UDm.h"
#include "UHandlerFormular.h"
#include "UListaElevi.h"
#include "UProfilDiploma.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>
#include <memory>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser cl;
    cl.addOptions({{QStringLiteral("elevi"), QStringLiteral("students"), QStringLiteral("N"), QStringLiteral("2000")},
                   {QStringLiteral("rulari"), QStringLiteral("runs per figure"), QStringLiteral("R"), QStringLiteral("5")},
                   {QStringLiteral("director"), QStringLiteral("program folder kept between runs"), QStringLiteral("DIR"),
                    QDir::tempPath() + QStringLiteral("/certavo-bench")},
                   {QStringLiteral("doar"), QStringLiteral("only the figures whose names start so"), QStringLiteral("NAME")},
                   {QStringLiteral("import-rulari"), QStringLiteral("runs of the import figure"), QStringLiteral("R"),
                    QStringLiteral("3")}});
    cl.process(app);
    const int elevi = cl.value(QStringLiteral("elevi")).toInt();
    const QString doar = cl.value(QStringLiteral("doar"));
    const TMasuratoare m(cl.value(QStringLiteral("rulari")).toInt(), doar);

    TBazaScolara baza(cl.value(QStringLiteral("director")) + QStringLiteral("/%1").arg(elevi), elevi);
    TDM *dm = &baza.Porneste();
    const QList<int> ids = baza.IdElevi();
    const int elev = ids.value(ids.size() / 2);
    QTextStream(stdout) << QStringLiteral("%1 students, %2 runs a figure, medians\n").arg(elevi).arg(
        cl.value(QStringLiteral("rulari")));

    m.Compara(QStringLiteral("start-up (DataModuleCreate)"), [&] { dm = &baza.Porneste(); },
              [&] { PodeaPornire(baza.Director() + QStringLiteral("DB/DOZ2009.FDB")); }, 500);

    TListaElevi lista;
    const QString expresie = ProfilInregistrat()->ListaCampuriElev();
    m.Compara(QStringLiteral("student list reload"), [&] { lista.Reincarca(); },
              [&] { PodeaLista(*dm, expresie); }, 500);
    if (m.Masoara(QStringLiteral("student list")) && lista.Linii.size() != size_t(elevi))
        qFatal("the list holds %zu students", lista.Linii.size());

    InregistreazaDocumentele();
    TListaHandlerFormularDePrintat &documente = TListaHandlerFormularDePrintat::Instanta();
    for (int d = 0; d < documente.Count(); ++d) {
        std::unique_ptr<QDialog> w(documente.HandlerAt(d)->CreatePreview(nullptr));
        auto *t = qobject_cast<TTemplate *>(w.get());
        for (TFormularDePrintat *s : t->Suprafete())
            m.Compara(QStringLiteral("fill %1 %2").arg(t->metaObject()->className() + 6).arg(s->objectName()),
                      [&] { UmplePagina(s, elev); }, [&] { PodeaElev(*dm, elev); }, 30);
    }
    baza.Opreste();
    const TMasuratoare mi(cl.value(QStringLiteral("import-rulari")).toInt(), doar);
    if (mi.Masoara(QStringLiteral("import")))
        MasoaraImportul(mi, cl.value(QStringLiteral("director")) + QStringLiteral("/import"), 999, 40);
    return 0;
}
