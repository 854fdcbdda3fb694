#pragma once
#include <QFrame>
#include <QList>
#include <QString>

class QLabel;

// A captioned box that gathers the editors of one group.
class TFrmGrup : public QFrame
{
    Q_OBJECT
public:
    explicit TFrmGrup(QWidget *Owner = nullptr);

    // Height of everything inside plus the caption and the borders.
    void AjusteazaInaltimea();

    QFrame *RzPanel1 = nullptr;
    QLabel *EtichetaGrup = nullptr;
    QFrame *PanelSuport = nullptr;
    QString NumeGrup;
};

// The groups of one build of a record editor; owns none of them.
class TListaFrmGrup : public QList<TFrmGrup *>
{
public:
    TFrmGrup *Grup(qsizetype I) const { return at(I); }
};
