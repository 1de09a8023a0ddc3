#include "Unit42.h"

#include "Unit6.h"

TForm42* Form42 = nullptr;

namespace {

const char* kAppSpec =
    "SELECT as1.id, id_ii, ii.marka ii_s_caption, ii.id_msm, m.s_identification as msm_s_caption, cnt, id_app_doc, as1.state, "
    "ii2.marka as ral_s_code, as1.price, as1.cost_price\n"
    "FROM mnf_app.app_spec as1 \n"
    "left join cmn_inventory_items.inventory_items ii2 on as1.id_ral = ii2.id \n"
    "left join cmn_inventory_items.inventory_items ii on as1.id_ii = ii.id\n"
    "left join cmn_msm.msm m on m.id = ii.id_msm\n"
    "where as1.id_app_doc =:id_app_doc";

}  // namespace

TForm42::TForm42(QWidget* parent)
    : zui::DocumentScreen({"Form42", QStringLiteral("Ведение данных (42)"), QStringLiteral("Заявка")}, parent) {
    app_spec = ownQuery(this, "app_spec", QString::fromUtf8(kAppSpec));

    DBText1 = headerField("DBText1", QStringLiteral("Номер:"), QStringLiteral("id"));
    DBText2 = headerField("DBText2", QStringLiteral("Дата пр-ва:"), QStringLiteral("d_mnf"));
    DBText3 = headerField("DBText3", QStringLiteral("Дата отгр.:"), QStringLiteral("d_out"));
    DBText4 = headerField("DBText4", QStringLiteral("Контрагент:"), QStringLiteral("s_jp_caption"), 300);
    DBText5 = headerField("DBText5", QStringLiteral("Исполнитель:"), QStringLiteral("s_person_caption"), 300);
    bindHeader(DataModule6->app_doc);

    linesLabel(QStringLiteral("Спецификация:"));
    using A = zui::DBGrid::Align;
    DBGridEh1 = linesGrid("DBGridEh1", app_spec,
                          {{QStringLiteral("Изделие"), QStringLiteral("ii_s_caption"), A::Auto, 220},
                           {QStringLiteral("Количество"), QStringLiteral("cnt")},
                           {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")},
                           {QStringLiteral("Цвет"), QStringLiteral("ral_s_code"), A::Auto, 110},
                           {QStringLiteral("Цена"), QStringLiteral("price")},
                           {QStringLiteral("Себес."), QStringLiteral("cost_price")}},
                          700, 300);
    // Lines not yet taken into work stand out.
    DBGridEh1->setRowColors([this](int row) {
        zui::DBGrid::RowColors c;
        const int state = app_spec->fieldIndex(QStringLiteral("state"));
        if (state >= 0 && app_spec->value(row, state).toInt() == 0) c.background = QColor(255, 238, 238);
        return c;
    });

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));
    buttons({Button1, Button3}, Button4);
}
