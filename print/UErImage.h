#pragma once
#include <QImage>
#include <QWidget>

// Image control showing the picture named by an external-resource reference
// ("file:resource", see UAccesResursaExterna.h).
class TERImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString IndicativER READ IndicativER WRITE SetIndicativER)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(bool Proportional READ Proportional WRITE SetProportional)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool IncrementalDisplay READ IncrementalDisplay WRITE SetIncrementalDisplay)

public:
    explicit TERImage(QWidget *parent = nullptr);

    QString IndicativER() const { return m_indicativ; }
    // Loads the picture; a container that cannot be found clears it, a container
    // without the resource or with another kind raises EEroare.
    void SetIndicativER(const QString &v);

    const QImage &Picture() const { return m_imagine; }
    void SetPicture(const QImage &imagine);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    bool Center() const { return m_center; }
    void SetCenter(bool v);
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool v);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool v);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);
    bool IncrementalDisplay() const { return m_incremental; }
    void SetIncrementalDisplay(bool v) { m_incremental = v; }
    // Layout designer look: a dashed frame around the control.
    bool Proiectare() const { return m_proiectare; }
    void SetProiectare(bool v);

    // Where the picture is drawn inside the client area.
    QRect DestRect() const;
    static QRect DestRect(QSize client, QSize imagine, bool stretch, bool proportional, bool center);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;

private:
    void Schimbat();
    void ActualizeazaOpac();
    void SchimbaOptiune(bool &optiune, bool v);

    QString m_indicativ;
    QImage m_imagine;
    bool m_autoSize = false;
    bool m_center = false;
    bool m_proportional = false;
    bool m_stretch = false;
    bool m_transparent = false;
    bool m_incremental = false;
    bool m_proiectare = false;
};
