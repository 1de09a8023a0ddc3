#include "Unit45.h"

#include "Unit55.h"
#include "Unit6.h"
#include "zui_parts.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm45* Form45 = nullptr;

namespace {

bool weekend(const QDate& date) { return date.dayOfWeek() >= Qt::Saturday; }

QDateTime shiftDate(const QDate& date) { return QDateTime(date, QTime(0, 0)); }

}  // namespace

TForm45::TForm45(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form45"));
    setWindowTitle(QStringLiteral("Производство (45)"));

    CBox1 = zparts::named(new QCheckBox(QStringLiteral("Выходной")), "CBox1");
    DateT = zparts::named(new zui::DatePicker, "DateT");
    RadioButton1 = zparts::named(new QRadioButton(QStringLiteral("Смена №1")), "RadioButton1");
    RadioButton2 = zparts::named(new QRadioButton(QStringLiteral("Смена №2")), "RadioButton2");
    RadioButton3 = zparts::named(new QRadioButton(QStringLiteral("Смена №3")), "RadioButton3");
    RadioButton4 = zparts::named(new QRadioButton(QStringLiteral("Переработка")), "RadioButton4");

    using A = zui::DBGrid::Align;
    DBGrid2 = zparts::grid("DBGrid2", DataModule6->Smena1,
                           {{QStringLiteral("Фамилия И.О."), QStringLiteral("fio"), A::Auto, 160},
                            {QStringLiteral("Марка изделия"), QStringLiteral("marka"), A::Auto, 140},
                            {QStringLiteral("Операция"), QStringLiteral("vid_oper"), A::Auto, 120},
                            {QStringLiteral("Вид"), QStringLiteral("nmn"), A::Auto, 110},
                            {QStringLiteral("Цвет"), QStringLiteral("s_caption_color"), A::Centre, 80},
                            {QStringLiteral("Часы"), QStringLiteral("time")},
                            {QStringLiteral("Кол-во"), QStringLiteral("kol_vo")},
                            {QStringLiteral("Брак"), QStringLiteral("brak")},
                            {QStringLiteral("Итого (р.)"), QStringLiteral("summa")},
                            {QStringLiteral("Премия (%)"), QStringLiteral("prize")},
                            {QStringLiteral("OK"), QStringLiteral("ok"), A::Centre},
                            {QStringLiteral("Заведен"), QStringLiteral("vvod"), A::Centre, 80},
                            {QStringLiteral("№ ЗВП"), QStringLiteral("id_doc")}},
                           1100, 420);
    DBGrid2->setColumnVisible(9, false);
    DBGrid2->setTitlesAlignment(Qt::AlignCenter);
    DBGrid2->setTitlesBold(true);

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button2 = zparts::button("Button2", QStringLiteral("Изменить"));
    Button8 = zparts::button("Button8", QStringLiteral("Обновить"));
    Button7 = zparts::button("Button7", QStringLiteral("Заявки"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    auto* top = new QHBoxLayout;
    top->addWidget(DateT);
    top->addWidget(CBox1);
    top->addSpacing(24);
    for (QRadioButton* r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) top->addWidget(r);
    top->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGrid2, 1);
    layout->addLayout(zparts::buttonRow({Button1, Button2, Button8, Button7}, Button4));

    RadioButton1->setChecked(true);
    selectShift(1);

    zui::on(DateT, &zui::DatePicker::changed, this, &TForm45::DateTChange);
    zui::on(RadioButton1, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton1Click(); });
    zui::on(RadioButton2, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton2Click(); });
    zui::on(RadioButton3, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton3Click(); });
    zui::on(RadioButton4, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton4Click(); });
    zui::on(Button1, &QPushButton::clicked, this, &TForm45::Button1Click);
    zui::on(Button2, &QPushButton::clicked, this, &TForm45::Button2Click);
    zui::on(Button8, &QPushButton::clicked, this, &TForm45::Button8Click);
    zui::on(Button7, &QPushButton::clicked, this, &TForm45::Button7Click);
    zparts::closesScreen(this, Button4);

    setupScreen(zui::Placement::CentredOnMainWindow);
}

zdb::Query* TForm45::selectedShift() const { return DataModule6->smena(current_shift); }

void TForm45::closeShifts() {
    for (int shift = 1; shift <= 4; ++shift) DataModule6->smena(shift)->close();
}

void TForm45::FormActivate() {
    const QDate today = QDate::currentDate();
    DateT->setDate(today);
    if (weekend(today)) CBox1->setChecked(true);
    closeShifts();
    for (int shift = 1; shift <= 4; ++shift) DataModule6->smena(shift)->setParam(QStringLiteral("data"), shiftDate(today));
    DataModule6->Smena1->open();
}

void TForm45::DateTChange() {
    zui::BusyCursor busy;
    closeShifts();
    const QDate date = DateT->date();
    for (int shift = 1; shift <= 4; ++shift) {
        zdb::Query* list = DataModule6->smena(shift);
        list->setParam(QStringLiteral("data"), shiftDate(date));
        list->open();
    }
    CBox1->setChecked(weekend(date));
    DBGrid2->setFocus();
}

void TForm45::selectShift(int shift) {
    current_shift = shift;
    DBGrid2->setDataset(DataModule6->smena(shift));
    QRadioButton* buttons[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (int i = 0; i < 4; ++i) {
        QRadioButton* r = buttons[i];
        const bool selected = i + 1 == shift;
        QPalette p;  // the inherited look for the others
        if (selected) p.setColor(r->backgroundRole(), QColor(0, 255, 0));
        r->setPalette(p);
        r->setAutoFillBackground(selected);
        QFont f = r->font();
        f.setBold(selected);
        r->setFont(f);
    }
}

void TForm45::RadioButton1Click() { selectShift(1); }
void TForm45::RadioButton2Click() { selectShift(2); }
void TForm45::RadioButton3Click() { selectShift(3); }
void TForm45::RadioButton4Click() { selectShift(4); }

void TForm45::Button8Click() {
    zui::BusyCursor busy;
    closeShifts();
    for (int shift = 1; shift <= 4; ++shift) DataModule6->smena(shift)->open();
}

void TForm45::Button7Click() { Form55->showFromBoard(); }
