#pragma once
#include <QMainWindow>

class QAction;
class TListaElevi;

// The main window: the menu and, in its client area, the student list.
class TCertavoMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TCertavoMain(QWidget *owner = nullptr);

    TListaElevi *Lista = nullptr;
    QAction *Configurarediploma1, *Configurarescoala1, *Configurarenota1, *Configurareimprimanta2, *ImportdinExcel1,
        *Desprenoi1;

public Q_SLOTS:
    void Configurarediploma1Click();
    void Configurarescoala1Click();
    void Configurarenota1Click();
    void Configurareimprimanta2Click();
    void ImportdinExcel1Click();
    void Desprenoi1Click();

private:
    void FormCreate();
};

extern TCertavoMain *CertavoMain;
