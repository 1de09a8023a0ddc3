#include "Unit57.h"

#include "Unit6.h"

#include <QPushButton>

TForm57* Form57 = nullptr;

namespace {

const char* kStkId =
    "SELECT d.id, d.s_caption, s.reserve as cnt, s.id_ii, ii.marka as ii_s_caption, m.s_identification as msm_s_caption, "
    "format('%s - %s - %s %s'::text,d.s_caption, ii.marka, s.reserve, m.s_identification) AS s_full_caption\n"
    "FROM cmn_department.department d, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, stk_stocks.stock s\n"
    "where s.id_ii = ii.id and m.id = ii.id_msm and d.id = s.id_stock and ii.id=:id_ii";

}  // namespace

TForm57::TForm57(QWidget* parent)
    : zui::EditorScreen({"Form57", QStringLiteral("Выбор склада отгрузки (57)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                         {}, QStringLiteral("Выход")},
                        parent) {
    stk_id = ownQuery(this, "stk_id", QString::fromUtf8(kStkId));
    LCB_stk_id = addLookup("LCB_stk_id", QStringLiteral("Склад отгрузки:"), stk_id, QStringLiteral("id"),
                           QStringLiteral("s_full_caption"));
    LCB_stk_id->setMinimumWidth(380);
    Button1->setText(QStringLiteral("Выбрать"));
}
