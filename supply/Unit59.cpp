#include "Unit59.h"

#include "Unit6.h"
#include "Unit60.h"
#include "supply.h"
#include "zui_msg.h"

#include <QDate>

#include <cmath>

TForm59* Form59 = nullptr;

namespace {

const char* kGdsNeeded =
    "select sum(as2.cnt*ii.massa) as all_gds_need, sum(as2.cnt*ii.massa)- (case (select sum(s.count) as sum_cnt from stk_stocks.stock s "
    "where s.id_ii = as2.id_gds) isnull when true then 0 else (select sum(s.count) as sum_cnt from stk_stocks.stock s "
    "where s.id_ii = as2.id_gds) end) as gds_need, ii2.marka, as2.id_gds,\n"
    "case (select sum(s.count) as sum_cnt from stk_stocks.stock s where s.id_ii = as2.id_gds) isnull when true then 0 "
    "else (select sum(s.count) as sum_cnt from stk_stocks.stock s where s.id_ii = as2.id_gds) end as gds_stk\n"
    "from mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii, cmn_inventory_items.inventory_items ii2\n"
    "where ii.id=as2.id_ii and ii2.id=as2.id_gds and ii2.id_type = 0 group by ii2.marka, as2.id_gds";

}  // namespace

TForm59::TForm59(QWidget* parent)
    : zui::GridScreen({"Form59", QStringLiteral("Потребность ТМЦ (59)"), zui::Placement::CentredOnDesktop, nullptr, 640, 420},
                      {{QStringLiteral("ТМЦ"), QStringLiteral("marka"), zui::DBGrid::Align::Auto, 260},
                       {QStringLiteral("Общая потреб."), QStringLiteral("all_gds_need"), zui::DBGrid::Align::Auto, 110},
                       {QStringLiteral("На складах"), QStringLiteral("gds_stk"), zui::DBGrid::Align::Auto, 110},
                       {QStringLiteral("Купить"), QStringLiteral("gds_need"), zui::DBGrid::Align::Auto, 110}},
                      parent) {
    gds_needed = ownQuery(this, "gds_needed", QString::fromUtf8(kGdsNeeded));
    setList(gds_needed);
    DBGridEh1->setMultiSelect(true);
    // What is to buy in red, what lies in excess in green; a shortfall that
    // rounds to nothing is not marked (halves to the even neighbour).
    DBGridEh1->setRowColors([this](int row) {
        zui::DBGrid::RowColors c;
        const int need = gds_needed->fieldIndex(QStringLiteral("gds_need"));
        if (need < 0) return c;
        const double rounded = std::nearbyint(gds_needed->text(row, need).replace(QLatin1Char(','), QLatin1Char('.')).toDouble());
        if (rounded > 0) {
            c.background = QColor(255, 238, 238);
            c.text = QColor(128, 0, 0);
        } else if (rounded < 0) {
            c.background = QColor(238, 255, 238);
            c.text = QColor(0, 128, 0);
        }
        return c;
    });
    // Not the default button: Enter in the list must not make a request.
    Button1 = addButton("Button1", QStringLiteral("Новая заявка"));
    zui::on(Button1, &QPushButton::clicked, this, &TForm59::Button1Click);
}

void TForm59::Button1Click() {
    if (!hasRows()) return;
    QList<int> rows = DBGridEh1->selectedRows();
    if (rows.isEmpty()) rows << gds_needed->currentRow();
    const int need = gds_needed->fieldIndex(QStringLiteral("gds_need"));
    const int gds = gds_needed->fieldIndex(QStringLiteral("id_gds"));
    // Each row is one material; the quantity is what the row says is to buy.
    QList<std::pair<qlonglong, QString>> toBuy;
    for (int row : rows) {
        const QString cnt = DataModule6->NumToSql(gds_needed->text(row, need));
        if (cnt.startsWith(QLatin1Char('-')) || cnt == QLatin1String("0")) continue;
        toBuy.append({gds_needed->value(row, gds).toLongLong(), cnt});
    }
    if (toBuy.isEmpty())
        return zui::msg::error(QStringLiteral("В выбранных строках нечего покупать: заявка не создана."));
    if (person_id == 0)
        return zui::msg::error(QStringLiteral("У пользователя нет сотрудника в справочнике персонала, заявку некому "
                                              "оформить: заявка не создана."));

    int doc = 0;
    {
        zdb::Transaction t(*DataModule6->ADO_DB);
        doc = zdb::insertedId(*DataModule6->ADO_DB, QStringLiteral("INSERT INTO stk_purchase.purchase_doc(id_person, d_in) VALUES(") +
                             QString::number(person_id) + ", " +
                             zdb::quoted(QDate::currentDate().addDays(1).toString(QStringLiteral("dd.MM.yyyy"))) + ")");
        for (const auto& [item, cnt] : toBuy)
            DataModule6->cmd_all->execute(QStringLiteral("INSERT INTO stk_purchase.purchase_spec(id_gds, cnt, id_purchase_doc)VALUES(") +
                                          QString::number(item) + ", " + cnt + ", " + QString::number(doc) + ")");
        t.commit();
    }

    zdb::Query* requests = Form60->purchase_doc;
    const bool wasOpen = requests->active();
    zui::reopenAt(requests, doc);
    Form60->showLines();
    if (!wasOpen) requests->close();
}
