#pragma once
#include <QDialog>

class QRadioButton;
class TTemplate;

// The choice before "Salveaza PDF": the active page or every page, as printed or as a proof.
class TSalveazaPdf : public QDialog
{
    Q_OBJECT
public:
    explicit TSalveazaPdf(QWidget *parent = nullptr);

    QRadioButton *RadioPaginaCurenta, *RadioToatePaginile;
    QRadioButton *RadioTiparire, *RadioProba;
};

// "Salveaza PDF" of a preview window: its pages as they are filled now, into a file the user
// names, placed exactly as the print run places them with the stored calibration; the proof
// shows the blank form's scan under the text.
void SalveazaPdf(TTemplate *fereastra);
