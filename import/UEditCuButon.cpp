#include "UEditCuButon.h"

#include <QAction>
#include <QStyle>

TEditCuButon::TEditCuButon(const QString &nume, QWidget *parinte) : QLineEdit(parinte)
{
    setObjectName(nume);
    setReadOnly(true);
    Buton = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    Buton->setObjectName(nume + QStringLiteral("Buton"));
    connect(Buton, &QAction::triggered, this, &TEditCuButon::ButtonClick);
}
