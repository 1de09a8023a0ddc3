#include "Unit60.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QPushButton>

TForm60* Form60 = nullptr;

namespace {

const char* kPurchaseDoc =
    "SELECT distinct pd.*, jp.s_full_caption s_jp_caption, p.s_caption s_person_caption, (select sum(ps.gds_price*ps.cnt) "
    "from stk_purchase.purchase_spec ps  where ps.id_purchase_doc = pd.id) as all_price\n"
    "FROM stk_purchase.purchase_doc pd\n"
    "left join cmn_contractor.jur_person jp on pd.id_jur_person = jp.id\n"
    "left join cmn_contractor.person p on pd.id_person = p.id  order by d_date desc";

}  // namespace

TForm60::TForm60(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form60"));
    setWindowTitle(QStringLiteral("Завки на закупку (60)"));

    purchase_doc = ownQuery(this, "purchase_doc", QString::fromUtf8(kPurchaseDoc));

    using A = zui::DBGrid::Align;
    DBGridEh1 = zparts::grid("DBGridEh1", purchase_doc,
                             {{QStringLiteral("№ заявки"), QStringLiteral("id")},
                              {QStringLiteral("Исполнитель"), QStringLiteral("s_person_caption"), A::Auto, 180},
                              {QStringLiteral("Контрагент"), QStringLiteral("s_jp_caption"), A::Auto, 220},
                              {QStringLiteral("Дата поставки"), QStringLiteral("d_in")},
                              {QStringLiteral("Дата заведения"), QStringLiteral("d_date"), A::Auto, 130},
                              {QStringLiteral("Сумма"), QStringLiteral("all_price"), A::Auto, 100},
                              {QStringLiteral("Заявка"), QStringLiteral("id_app_doc")},
                              {}},
                             1000, 420);
    DBGridEh1->setCellButton(2);

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button2 = zparts::button("Button2", QStringLiteral("Изменить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    zparts::layOutList(this, DBGridEh1, {Button1, Button2, Button3}, Button4, Button1);

    setupScreen(zui::Placement::CentredOnDesktop);
}
