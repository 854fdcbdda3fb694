#include "UFrmGrup.h"
#include "UEditorGeneric.h"

#include <QLabel>
#include <QVBoxLayout>

TFrmGrup::TFrmGrup(QWidget *Owner) : QFrame(Owner)
{
    resize(399, 296);
    auto *exterior = new QVBoxLayout(this);
    exterior->setContentsMargins(0, 0, 0, 0);
    RzPanel1 = new QFrame(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFrameShape(QFrame::StyledPanel);
    RzPanel1->setStyleSheet(QStringLiteral("#RzPanel1 { border: 4px solid rgb(247, 246, 245); border-radius: 6px; "
                                           "background: rgb(247, 246, 245); }"));
    exterior->addWidget(RzPanel1);

    auto *interior = new QVBoxLayout(RzPanel1);
    interior->setContentsMargins(4, 4, 4, 4);
    interior->setSpacing(0);
    EtichetaGrup = new QLabel(RzPanel1);
    EtichetaGrup->setObjectName(QStringLiteral("EtichetaGrup"));
    EtichetaGrup->setFixedHeight(18);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(15);
    EtichetaGrup->setFont(f);
    EtichetaGrup->setStyleSheet(QStringLiteral("color: navy; background: rgb(247, 246, 245);"));
    interior->addWidget(EtichetaGrup);

    PanelSuport = new QFrame(RzPanel1);
    PanelSuport->setObjectName(QStringLiteral("PanelSuport"));
    PanelSuport->setAutoFillBackground(true);
    QPalette pal = PanelSuport->palette();
    pal.setColor(QPalette::Window, ColoarePanou());
    PanelSuport->setPalette(pal);
    // Controls are inserted before the trailing stretch, so each lands below the others.
    auto *suport = new QVBoxLayout(PanelSuport);
    suport->setContentsMargins(0, 0, 0, 0);
    suport->setSpacing(0);
    suport->addStretch(1);
    interior->addWidget(PanelSuport, 1);
}

void TFrmGrup::AjusteazaInaltimea()
{
    int h = 0;
    for (QWidget *w : PanelSuport->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        h += w->height();
    setFixedHeight(h + EtichetaGrup->height() + 16);
}
