#include "ULinieGrupare.h"

TLinieGrupare::TLinieGrupare(QWidget *Owner) : QFrame(Owner)
{
    setFrameShape(QFrame::NoFrame);
    setFixedHeight(36);
}

void TLinieGrupare::Adauga(TEditorGeneric *Editor)
{
    Editor->setParent(this);
    Editoare.append(Editor);
    Editor->show();
    Resize();
}

void TLinieGrupare::resizeEvent(QResizeEvent *Event)
{
    QFrame::resizeEvent(Event);
    Resize();
}

void TLinieGrupare::Resize()
{
    const int w = contentsRect().width();
    qint32 s = 0;
    for (TEditorGeneric *e : Editoare)
        s += e->GetLatimeSugerata();
    int x = contentsRect().left();
    for (TEditorGeneric *e : Editoare) {
        // Suggested widths that are all 0 share the line equally instead of dividing by 0.
        int latime = s != 0 ? qint32(e->GetLatimeSugerata() * w) / s : w / int(Editoare.size());
        if (latime < 16)
            latime = 16;
        if (e->width() != latime)
            e->resize(latime, e->height());
        e->move(x, contentsRect().top());
        x += latime;
    }
}
