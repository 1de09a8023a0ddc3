#include "Unit38.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm38* Form38 = nullptr;

namespace {

const char* kSpecIn =
    "select ii.marka, si.*, (si.price*si.cnt_gds) as summa, m.s_identification as msm_caption, "
    "case when si.accept then 'ok' else 'no' end as plus\n"
    "from stk_stocks.spec_in si, cmn_inventory_items.inventory_items ii, cmn_msm.msm m\n"
    "where si.id_gds = ii.id and si.id_msm = m.id and si.id_stock_in = :id_stock_in order by ii.marka";

const char* kCntStock =
    "select count(id) as cnt from stk_stocks.stock s where id_stock = :p_id_stock and s.id_ii = :p_id_ii";

const char* kPriceStock =
    "select price as price,job_price as job_price, gds_price as gds_price, sum(count) as cnt\n"
    "from stk_stocks.stock s where id_ii=:id_ii group by s.price, s.job_price, s.gds_price";

}  // namespace

TForm38::TForm38(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form38"));
    setWindowTitle(QStringLiteral("Ведение спецификаций (38)"));

    spec_in = ownQuery(this, "spec_in", QString::fromUtf8(kSpecIn));
    cnt_stock = ownQuery(this, "cnt_stock", QString::fromUtf8(kCntStock));
    price_stock = ownQuery(this, "price_stock", QString::fromUtf8(kPriceStock));

    zdb::Query* order = DataModule6->stock_in;
    DBText1 = zparts::dataText("DBText1", order, QStringLiteral("id"));
    DBText2 = zparts::dataText("DBText2", order, QStringLiteral("date_in"));
    DBText3 = zparts::dataText("DBText3", order, QStringLiteral("jp_caption"), 300);
    DBText4 = zparts::dataText("DBText4", order, QStringLiteral("id_accomp_doc"));
    DBText5 = zparts::dataText("DBText5", order, QStringLiteral("dep_caption"), 300);

    auto* header = new QGroupBox(QStringLiteral("Приходный ордер"));
    auto* fields = new QGridLayout(header);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("Номер:")), DBText1);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Дата:")), DBText2);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Контрагент:")), DBText3);
    zparts::addRow(fields, 3, new QLabel(QStringLiteral("Сопроводит. док-т:")), DBText4);
    zparts::addRow(fields, 4, new QLabel(QStringLiteral("Спецификация:")), DBText5);

    using A = zui::DBGrid::Align;
    DBGridEh1 = zparts::grid("DBGridEh1", spec_in,
                             {{QStringLiteral("ТМЦ"), QStringLiteral("marka"), A::Auto, 240},
                              {QStringLiteral("Кол-во"), QStringLiteral("cnt_gds"), A::Auto, 90},
                              {QStringLiteral("Ед. изм."), QStringLiteral("msm_caption")},
                              {QStringLiteral("Цена"), QStringLiteral("price"), A::Auto, 90},
                              {QStringLiteral("Сумма"), QStringLiteral("summa"), A::Auto, 100},
                              {QString(), QStringLiteral("plus"), A::Centre, 40}},
                             700, 300);
    // Lines not yet accepted stand out.
    DBGridEh1->setRowColors([this](int row) {
        zui::DBGrid::RowColors c;
        const int plus = spec_in->fieldIndex(QStringLiteral("plus"));
        if (plus >= 0 && spec_in->value(row, plus).toString() == QLatin1String("no")) c.background = QColor(255, 238, 238);
        return c;
    });

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button2 = zparts::button("Button2", QStringLiteral("Заявка"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(DBGridEh1, 1);
    layout->addLayout(zparts::buttonRow({Button1, Button3, Button2}, Button4));

    setDefaultButton(Button2);
    zparts::closesScreen(this, Button4);

    setupScreen(zui::Placement::CentredOnDesktop);
}
