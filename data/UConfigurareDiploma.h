#pragma once
#include <QDialog>
#include <vector>

class QPushButton;
class QTreeWidget;

struct TLinieProfil
{
    QString CodFormular, CodPagina, CodCamp, EtichetaEditor, OnorezSimilar, AsociatCu;
};
using TListaLiniiTProfil = std::vector<TLinieProfil>;

// Lists every profile field with its inheritance and owner table ("Configurare diploma").
class TConfigurareDiploma : public QDialog
{
    Q_OBJECT
public:
    explicit TConfigurareDiploma(QWidget *owner = nullptr);
    void Reincarca();

    TListaLiniiTProfil Linii;
    QTreeWidget *VT;
    QPushButton *RzBitBtn3;

public Q_SLOTS:
    void RzBitBtn3Click();
};
