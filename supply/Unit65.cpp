#include "Unit65.h"

#include "Unit6.h"

TForm65* Form65 = nullptr;

namespace {

const char* kPurchaseSpec =
    "SELECT ps.id, ps.id_gds as id_ii, ii.marka ii_s_caption, ii.id_msm, m.s_identification as msm_s_caption, cnt, id_purchase_doc, "
    "ps.state, ps.gds_price, case when ps.state=0 then 'Оформление' when ps.state=1 then 'Закупка' else 'На складе' end as s_state\n"
    "FROM stk_purchase.purchase_spec ps\n"
    "left join cmn_inventory_items.inventory_items ii on ps.id_gds = ii.id\n"
    "left join cmn_msm.msm m on m.id = ii.id_msm\n"
    "where state=1 order by ii_s_caption";

}  // namespace

TForm65::TForm65(QWidget* parent)
    : zui::GridScreen({"Form65", QStringLiteral("Заявки на закупку (65)"), zui::Placement::CentredOnDesktop, nullptr, 720, 400},
                      {{QStringLiteral("Наименование"), QStringLiteral("ii_s_caption"), zui::DBGrid::Align::Auto, 240},
                       {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")},
                       {QStringLiteral("Количество"), QStringLiteral("cnt"), zui::DBGrid::Align::Auto, 90},
                       {QStringLiteral("Заявка"), QStringLiteral("id_purchase_doc")},
                       {QStringLiteral("Цена"), QStringLiteral("gds_price"), zui::DBGrid::Align::Auto, 100},
                       {QStringLiteral("Состояние"), QStringLiteral("s_state"), zui::DBGrid::Align::Auto, 110}},
                      parent) {
    purchase_spec = ownQuery(this, "purchase_spec", QString::fromUtf8(kPurchaseSpec));
    setList(purchase_spec);
    DBGridEh1->setMultiSelect(true);
    Button1 = addButton("Button1", QStringLiteral("Выбрать"));
    setDefaultButton(Button1);
}
