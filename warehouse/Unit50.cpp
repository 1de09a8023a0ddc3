#include "Unit50.h"

#include "Unit6.h"

TForm50* Form50 = nullptr;

namespace {

const char* kStock =
    "select s.*, (s.count - s.reserve) as balance, ii.marka as ii_caption, d.s_caption d_caption\n"
    "from stk_stocks.stock s, cmn_inventory_items.inventory_items ii, cmn_department.department d\n"
    "where s.id_ii = ii.id and s.id_stock =d.id and s.count>0 and (d.\"type\" =0 or d.\"type\" =1)";

}  // namespace

using A = zui::DBGrid::Align;

TForm50::TForm50(QWidget* parent)
    : zui::GridScreen({"Form50", QStringLiteral("Склад ГП (50)"), zui::Placement::CentredOnDesktop, nullptr, 920, 420},
                      {{QStringLiteral("Продукция"), QStringLiteral("ii_caption"), A::Auto, 220},
                       {QStringLiteral("Склад"), QStringLiteral("d_caption"), A::Auto, 160},
                       {QStringLiteral("Кол-во"), QStringLiteral("count"), A::Auto, 80},
                       {QStringLiteral("Резерв"), QStringLiteral("reserve"), A::Auto, 80},
                       {QStringLiteral("Остаток"), QStringLiteral("balance"), A::Auto, 80},
                       {QStringLiteral("Себестоимость"), QStringLiteral("price")},
                       {QStringLiteral("МТР"), QStringLiteral("gds_price"), A::Auto, 80},
                       {QStringLiteral("Работа"), QStringLiteral("job_price"), A::Auto, 80}},
                      parent) {
    stock = ownQuery(this, "stock", QString::fromUtf8(kStock));
    setList(stock);
    Button1 = addButton("Button1", QStringLiteral("Приход"));
    Button3 = addButton("Button3", QStringLiteral("Расход"));
    Button2 = addButton("Button2", QStringLiteral("Перемещение"));
    setDefaultButton(Button1);
}
