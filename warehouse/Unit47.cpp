#include "Unit47.h"

#include "Unit6.h"

TForm47* Form47 = nullptr;

namespace {

const char* kTpOperation =
    "SELECT as1.id , as1.cnt, pt.id as id_tp, o.id as id_operation, o.orderby\n"
    "from mnf_proc_tech.proc_tech pt, mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii, mnf_operation.operation o, "
    "mnf_operation.operation_type ot\n"
    "where id_ii = ii.id and as1.state=1 and pt.id_inventory_items = ii.id and o.id_proc_tech = pt.id and o.id_type =ot.id "
    "and as1.id=:id_app_spec";

const char* kRalStk =
    "SELECT so.id_stock_out, so.id_gds FROM stk_stocks.spec_out so, mnf_app.app_spec as2\n"
    "where so.id_gds = as2.id_ral and so.id_app_spec=:id_app_spec";

const char* kRalPrice =
    "SELECT (so.price*so.cnt_gds)::t_money as price, so.id_stock_out FROM stk_stocks.spec_out so\n"
    "where so.id_gds = :ii_id and id_app_spec=:id_app_spec";

}  // namespace

using A = zui::DBGrid::Align;

TForm47::TForm47(QWidget* parent)
    : zui::GridScreen({"Form47", QStringLiteral("Потребность ТМЦ (47)"), zui::Placement::CentredOnDesktop, DataModule6->spec_out, 980, 420},
                      {{QStringLiteral("Марка"), QStringLiteral("marka"), A::Auto, 220},
                       {QStringLiteral("Склад отгрузки"), QStringLiteral("s_caption"), A::Auto, 180},
                       {QStringLiteral("Количество"), QStringLiteral("cnt_gds"), A::Auto, 90},
                       {QStringLiteral("Ед. изм."), QStringLiteral("msm_caption")},
                       {QStringLiteral("Дата"), QStringLiteral("d_datetime"), A::Auto, 130},
                       {QStringLiteral("Заявка"), QStringLiteral("id_app_doc")},
                       {QStringLiteral("Стр. спец."), QStringLiteral("id_app_spec")},
                       {QStringLiteral("Отпущено"), QStringLiteral("yesno")}},
                      parent) {
    tp_operation = ownQuery(this, "tp_operation", QString::fromUtf8(kTpOperation));
    ral_stk = ownQuery(this, "ral_stk", QString::fromUtf8(kRalStk));
    ral_price = ownQuery(this, "ral_price", QString::fromUtf8(kRalPrice));
    DBGridEh1->setCellButton(1);
    Button1 = addButton("Button1", QStringLiteral("Отгрузить"));
    setDefaultButton(Button1);
}
