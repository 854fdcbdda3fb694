#include "UEditorConfigGlobal.h"

#include "UCentreazaForm.h"
#include "UEroare.h"
#include "UPrompter.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QTabWidget>
#include <QTimer>

// ---------------------------------------------------------------- settings

QString TInfoGlobal2005::CheieGlobal()
{
    return QStringLiteral("Software\\Tavrin SOFT\\Velunda\\") + QStringLiteral("2009") + QStringLiteral("\\Global");
}

TInfoGlobal2005::TInfoGlobal2005() : TKelRegistryClass(CheieGlobal()) { Incarca(); }

TInfoGlobal2005::~TInfoGlobal2005()
{
    try {
        Salveaza();
    } catch (const EEroare &e) {
        // A destructor cannot raise; the user still learns that nothing was stored.
        UI::Eroare(e.Mesaj());
    }
}

// ---------------------------------------------------------------- mode boxes

const QStringList TEditorConfigGlobal::Moduri{QStringLiteral("NOTA"), QStringLiteral("NOTA(PROCENT)"),
                                              QStringLiteral("NOTA/PROCENT"), QStringLiteral("NOTA/LITERE")};

void TEditorConfigGlobal::RzComboBox3DrawItem(QPainter &p, const QRect &rect, int item, bool selectat, const QPalette &paleta)
{
    struct TRand
    {
        const char *text;
        int y;
    };
    static const QList<QList<TRand>> mostre{
        {{"9,63", 8}},
        {{"9,63 (noua 63%)", 8}},
        {{"9,63", 1}, {"(noua 63%)", 13}},
        {{"9,63", 1}, {"(noua,sasezecisitrei)", 13}},
    };
    p.save();
    p.fillRect(rect, paleta.color(selectat ? QPalette::Highlight : QPalette::Base));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    p.setFont(f);
    p.setPen(paleta.color(selectat ? QPalette::HighlightedText : QPalette::Text));
    const QFontMetrics fm(f);
    if (item >= 0 && item < mostre.size())
        for (const TRand &r : mostre[item]) {
            const QString text = QString::fromLatin1(r.text);
            const int x = rect.left() + (rect.width() - fm.horizontalAdvance(text)) / 2;
            p.drawText(x, rect.top() + r.y + fm.ascent(), text);
        }
    p.restore();
}

namespace {
class TDelegatModNota : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &index) const override
    {
        TEditorConfigGlobal::RzComboBox3DrawItem(*p, o.rect, index.row(), o.state & QStyle::State_Selected, o.palette);
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return {161, 32}; }
};
} // namespace

TComboModNota::TComboModNota(QWidget *parent) : QComboBox(parent)
{
    addItems(TEditorConfigGlobal::Moduri);
    setItemDelegate(new TDelegatModNota(this));
    setCurrentIndex(-1);
}

void TComboModNota::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionComboBox o;
    initStyleOption(&o);
    o.currentText.clear();
    p.drawComplexControl(QStyle::CC_ComboBox, o);
    const QRect camp = style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, this);
    TEditorConfigGlobal::RzComboBox3DrawItem(p, camp, currentIndex(), hasFocus(), palette());
}

// ---------------------------------------------------------------- dialog

namespace {
QLabel *Eticheta(QWidget *parinte, const char *nume, const QString &text, QRect unde, bool incadrat = false)
{
    auto *l = new QLabel(text, parinte);
    l->setObjectName(QLatin1String(nume));
    l->setGeometry(unde);
    l->setWordWrap(incadrat);
    return l;
}

QFont Titlu()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    f.setBold(true);
    return f;
}

QPushButton *Buton(QWidget *parinte, const char *nume, const QString &text, QPoint unde)
{
    auto *b = new QPushButton(text, parinte);
    b->setObjectName(QLatin1String(nume));
    b->setGeometry(QRect(unde, QSize(75, 25)));
    // Button colours 15791348 / 16026986 (BGR) of the program's command buttons.
    b->setStyleSheet(QStringLiteral("QPushButton { background: #f4f4f0; border: 1px solid #a0a0a0; }"
                                    "QPushButton:hover { border-color: #6a8cf4; background: #e8eefe; }"));
    return b;
}
} // namespace

TEditorConfigGlobal::TEditorConfigGlobal(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EditorConfigGlobal"));
    setWindowTitle(QStringLiteral("Editor informatii globale"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(588, 347);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(8, 8, 497, 289);

    auto *tab1 = new QWidget;
    tab1->setObjectName(QStringLiteral("TabSheet1"));
    Eticheta(tab1, "RzLabel1", QStringLiteral("Sufix dl / domnul e.t.c."), {16, 8, 300, 20})->setFont(Titlu());
    Eticheta(tab1, "RzLabel2",
             QStringLiteral("Programul stabileste automat genul persoanelor care primesc diplome de studii pe baza primei "
                            "cifre din codul numeric personal. Va rugam specificati care este apelativul cel mai potrivit "
                            "pentru fete si baieti:"),
             {16, 32, 460, 48}, true);
    Eticheta(tab1, "RzLabel5", QStringLiteral("Sufix fete:"), {24, 96, 161, 16});
    RzComboBox1 = new QComboBox(tab1);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->setEditable(true);
    RzComboBox1->addItems({QStringLiteral("domnisoara"), QStringLiteral("doamna"), QStringLiteral("dra")});
    RzComboBox1->setGeometry(24, 112, 161, 21);
    Eticheta(tab1, "RzLabel6", QStringLiteral("Sufix baieti:"), {216, 96, 161, 16});
    RzComboBox2 = new QComboBox(tab1);
    RzComboBox2->setObjectName(QStringLiteral("RzComboBox2"));
    RzComboBox2->setEditable(true);
    RzComboBox2->addItems({QStringLiteral("domnul"), QStringLiteral("dl")});
    RzComboBox2->setGeometry(216, 112, 161, 21);

    auto *tab2 = new QWidget;
    tab2->setObjectName(QStringLiteral("TabSheet2"));
    QLabel *titlu = Eticheta(tab2, "RzLabel7", QStringLiteral("Mod scriere note in litere"), {16, 8, 400, 20});
    titlu->setFont(Titlu());
    titlu->setStyleSheet(QStringLiteral("color: maroon;"));
    Eticheta(tab2, "RzLabel8",
             QStringLiteral("Aici puteti specifica modul in care vor fi inscrise pe diplome notele si mediile pentru "
                            "probele de examen cu nota."),
             {16, 32, 460, 32}, true);
    auto modul = [&](const char *nume, const char *eticheta, const QString &text, QPoint unde) {
        Eticheta(tab2, eticheta, text, {unde.x(), unde.y() - 16, 161, 16});
        auto *c = new TComboModNota(tab2);
        c->setObjectName(QLatin1String(nume));
        c->setGeometry(QRect(unde, QSize(161, 36)));
        return c;
    };
    RzComboBox3 = modul("RzComboBox3", "RzLabel9", QStringLiteral("Nota diploma:"), {24, 96});
    RzComboBox4 = modul("RzComboBox4", "RzLabel10", QStringLiteral("Medie diploma:"), {24, 168});
    RzComboBox5 = modul("RzComboBox5", "RzLabel11", QStringLiteral("Nota cotor:"), {216, 96});
    RzComboBox6 = modul("RzComboBox6", "RzLabel12", QStringLiteral("Medie cotor:"), {216, 168});
    RzRadioButton1 = new QRadioButton(QStringLiteral("Scriu notele cu LITERE MARI"), tab2);
    RzRadioButton1->setObjectName(QStringLiteral("RzRadioButton1"));
    RzRadioButton1->setGeometry(24, 216, 180, 17);
    RzRadioButton2 = new QRadioButton(QStringLiteral("Scriu notele cu litere mici"), tab2);
    RzRadioButton2->setObjectName(QStringLiteral("RzRadioButton2"));
    RzRadioButton2->setGeometry(208, 216, 180, 17);

    RzPageControl1->addTab(tab1, QStringLiteral("Sufix domnul / doamna"));
    RzPageControl1->addTab(tab2, QStringLiteral("Mod tiparire note"));
    // The suffix page is kept but never shown: nothing reads the suffixes.
    RzPageControl1->setTabVisible(0, false);
    RzPageControl1->setCurrentWidget(tab2);

    RzLabel3 = Eticheta(this, "RzLabel3", QStringLiteral("Nota:"), {8, 304, 60, 20});
    RzLabel3->setFont(Titlu());
    RzLabel3->setStyleSheet(QStringLiteral("color: red;"));
    auto *clipire = new QTimer(this);
    connect(clipire, &QTimer::timeout, this, [this] {
        const bool aprins = RzLabel3->property("aprins").toBool();
        RzLabel3->setProperty("aprins", !aprins);
        RzLabel3->setStyleSheet(aprins ? QStringLiteral("color: red;") : QStringLiteral("color: transparent;"));
    });
    clipire->start(500);
    Eticheta(this, "RzLabel4",
             QStringLiteral("Modificarile efectuate in acest editor afecteaza TOATE formularele de diplome pentru anul curent"),
             {72, 304, 430, 36}, true);

    auto *ok = Buton(this, "RzBitBtn1", QStringLiteral("Ok"), {512, 8});
    auto *renunt = Buton(this, "RzBitBtn2", QStringLiteral("Renunt"), {512, 40});
    connect(ok, &QPushButton::clicked, this, &TEditorConfigGlobal::RzBitBtn1Click);
    connect(renunt, &QPushButton::clicked, this, &TEditorConfigGlobal::RzBitBtn2Click);

    FormCreate();
}

void TEditorConfigGlobal::FormCreate()
{
    TInfoGlobal2005 info;
    RzComboBox1->setCurrentText(info.SufixFete().isEmpty() ? QStringLiteral("dra") : info.SufixFete());
    RzComboBox2->setCurrentText(info.SufixBaieti().isEmpty() ? QStringLiteral("domnul") : info.SufixBaieti());
    if (info.NotaDiploma().isEmpty())
        info.SetNotaDiploma(QStringLiteral("NOTA/LITERE"));
    if (info.NotaCotor().isEmpty())
        info.SetNotaCotor(QStringLiteral("NOTA(PROCENT)"));
    if (info.MedieDiploma().isEmpty())
        info.SetMedieDiploma(QStringLiteral("NOTA/LITERE"));
    if (info.MedieCotor().isEmpty())
        info.SetMedieCotor(QStringLiteral("NOTA(PROCENT)"));
    RzComboBox3->setCurrentIndex(Moduri.indexOf(info.NotaDiploma()));
    RzComboBox4->setCurrentIndex(Moduri.indexOf(info.MedieDiploma()));
    RzComboBox5->setCurrentIndex(Moduri.indexOf(info.NotaCotor()));
    RzComboBox6->setCurrentIndex(Moduri.indexOf(info.MedieCotor()));
    (info.ScriuCuLitereMari() != QLatin1String("0") ? RzRadioButton1 : RzRadioButton2)->setChecked(true);
    // Leaving the scope writes the defaults above, even if the user then cancels.
    CentreazaForm(this);
}

void TEditorConfigGlobal::RzBitBtn1Click()
{
    {
        TInfoGlobal2005 info;
        info.SetSufixFete(RzComboBox1->currentText());
        info.SetSufixBaieti(RzComboBox2->currentText());
        // A box without a selection (a stored value none of the four) keeps the stored value.
        auto ia = [](QComboBox *c, void (TInfoGlobal2005::*seteaza)(const QString &), TInfoGlobal2005 &i) {
            if (c->currentIndex() >= 0)
                (i.*seteaza)(c->currentText());
        };
        ia(RzComboBox3, &TInfoGlobal2005::SetNotaDiploma, info);
        ia(RzComboBox4, &TInfoGlobal2005::SetMedieDiploma, info);
        ia(RzComboBox5, &TInfoGlobal2005::SetNotaCotor, info);
        ia(RzComboBox6, &TInfoGlobal2005::SetMedieCotor, info);
        info.SetScriuCuLitereMari(RzRadioButton1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    }
    done(1);
}

void TEditorConfigGlobal::RzBitBtn2Click() { done(2); }
