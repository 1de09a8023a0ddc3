#include "Unit38.h"

#include "Unit40.h"
#include "Unit6.h"
#include "Unit65.h"
#include "supply.h"
#include "warehouse.h"
#include "zui_msg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

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

TForm38::TForm38(QWidget* parent)
    : zui::DocumentScreen({"Form38", QStringLiteral("Ведение спецификаций (38)"), QStringLiteral("Приходный ордер")}, parent) {
    spec_in = ownQuery(this, "spec_in", QString::fromUtf8(kSpecIn));
    cnt_stock = ownQuery(this, "cnt_stock", QString::fromUtf8(kCntStock));
    price_stock = ownQuery(this, "price_stock", QString::fromUtf8(kPriceStock));

    DBText1 = headerField("DBText1", QStringLiteral("Номер:"), QStringLiteral("id"));
    DBText2 = headerField("DBText2", QStringLiteral("Дата:"), QStringLiteral("date_in"));
    DBText3 = headerField("DBText3", QStringLiteral("Контрагент:"), QStringLiteral("jp_caption"), 300);
    DBText4 = headerField("DBText4", QStringLiteral("Сопроводит. док-т:"), QStringLiteral("id_accomp_doc"));
    DBText5 = headerField("DBText5", QStringLiteral("Спецификация:"), QStringLiteral("dep_caption"), 300);
    bindHeader(DataModule6->stock_in);

    using A = zui::DBGrid::Align;
    DBGridEh1 = linesGrid("DBGridEh1", spec_in,
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
    buttons({Button1, Button3, Button2}, Button4, Button2);
    zui::on(Button1, &QPushButton::clicked, this, &TForm38::Button1Click);
    zui::on(Button2, &QPushButton::clicked, this, &TForm38::Button2Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm38::Button3Click);
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm38::DBGridEh1DblClick);
}

void TForm38::Button1Click() {
    Form40->Edit2->clear();
    Form40->Edit3->clear();
    Form40->Edit1->clear();
    Form40->GroupBox1->setTitle(QStringLiteral("Приходный ордер № ") + QString::number(id_stock_in_sel));
    Form40->Tag = 1;
    DataModule6->msm->open();
    Form40->showModal();
    DataModule6->msm->close();
}

void TForm38::Button3Click() {
    if (!spec_in->active() || spec_in->isEmpty()) return;
    if (spec_in->fieldByName(QStringLiteral("accept")).asBoolean())
        return zui::msg::error(QStringLiteral("Невозможно удалить принятую строку спецификации!"));
    const int recNo = spec_in->recNo();
    if (!zui::msg::question(QStringLiteral("Удалить строку?"))) return;
    // Not a line accepted on another workstation meanwhile.
    const bool deleted = zdb::rowsWritten(*DataModule6->ADO_DB, QStringLiteral("delete from stk_stocks.spec_in where id=") +
                                                                    zui::idOf(spec_in) + QStringLiteral(" and accept=false")) > 0;
    spec_in->reopen();
    zui::restoreRow(spec_in, recNo);
    if (!deleted) zui::msg::error(zsup::kChangedElsewhere);
}

void TForm38::DBGridEh1DblClick() {
    if (!spec_in->active() || spec_in->isEmpty()) return;
    if (spec_in->fieldByName(QStringLiteral("accept")).asBoolean()) return;
    // A figure that is no number stops here, before any statement.
    DataModule6->NumToSql(spec_in->fieldByName(QStringLiteral("cnt_gds")).asString(), false);
    DataModule6->NumToSql(spec_in->fieldByName(QStringLiteral("price")).asString(), false);
    const qlonglong line = spec_in->fieldByName(QStringLiteral("id")).asInteger();
    const zwh::Outcome done = zwh::acceptReceiptLine(*DataModule6->ADO_DB, line);
    if (DataModule6->stock->active()) zui::reopenKeepingRow(DataModule6->stock);
    zui::reopenAt(spec_in, line);
    if (done == zwh::Outcome::NothingToPrice)
        zui::msg::error(QStringLiteral("Этого ТМЦ нет на складе, а количество в строке равно 0: цену рассчитать нельзя. "
                                       "Строка не принята."));
    else if (done == zwh::Outcome::Gone)
        zui::msg::error(zsup::kChangedElsewhere);
}

void TForm38::FormClose() {
    if (DataModule6->stock_in->active()) zui::reopenKeepingRow(DataModule6->stock_in);
}

void TForm38::Button2Click() {
    Form65->pickFor(id_stock_in_sel, [this] { zui::reopenKeepingRow(spec_in); });
}
