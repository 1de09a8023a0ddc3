#include "Unit62.h"

#include "Unit6.h"
#include "Unit60.h"

TForm62* Form62 = nullptr;

namespace {

const char* kPurchaseSpec =
    "SELECT ps.id, id_item as id_ii, ii.marka ii_s_caption, ii.id_msm, m.s_identification as msm_s_caption, cnt, id_purchase_doc, "
    "ps.state, ps.gds_price, case when ps.state=0 then 'Оформление' when ps.state=1 then 'Закупка' else 'На складе' end as s_state\n"
    "FROM stk_purchase.purchase_spec ps\n"
    "left join cmn_inventory_items.inventory_items ii on ps.id_gds = ii.id\n"
    "left join cmn_msm.msm m on m.id = ii.id_msm\n"
    "where ps.id_purchase_doc = :id_purchase_doc order by ii_s_caption";

}  // namespace

TForm62::TForm62(QWidget* parent)
    : zui::DocumentScreen({"Form62", QStringLiteral("Заявка на закупку (62)"), QStringLiteral("Заявка")}, parent) {
    purchase_spec = ownQuery(this, "purchase_spec", QString::fromUtf8(kPurchaseSpec));

    DBText1 = headerField("DBText1", QStringLiteral("Номер:"), QStringLiteral("id"));
    DBText2 = headerField("DBText2", QStringLiteral("Дата отгр.:"), QStringLiteral("d_in"));
    DBText3 = headerField("DBText3", QStringLiteral("Контрагент:"), QStringLiteral("s_jp_caption"), 300);
    DBText4 = headerField("DBText4", QStringLiteral("Исполнитель:"), QStringLiteral("s_person_caption"), 300);

    linesLabel(QStringLiteral("Спецификация:"));
    using A = zui::DBGrid::Align;
    DBGridEh1 = linesGrid("DBGridEh1", purchase_spec,
                          {{QStringLiteral("МТР"), QStringLiteral("ii_s_caption"), A::Auto, 240},
                           {QStringLiteral("Количество"), QStringLiteral("cnt"), A::Auto, 90},
                           {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")},
                           {QStringLiteral("Цена"), QStringLiteral("gds_price"), A::Auto, 110},
                           {QStringLiteral("Состояние"), QStringLiteral("s_state"), A::Auto, 110}},
                          640, 300);
    DBGridEh1->setCellButton(3);

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));
    buttons({Button1, Button3}, Button4, Button1);
}

// The request list is created before this screen.
void TForm62::FormCreate() { bindHeader(Form60->purchase_doc); }
