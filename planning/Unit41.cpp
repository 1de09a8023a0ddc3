#include "Unit41.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QPushButton>

TForm41* Form41 = nullptr;

namespace {

const char* kCntOrderIn =
    "select count(as2.id) as cnt\n"
    "from mnf_app.app_spec as2 \n"
    "where as2.id_app_doc  = :id_app_doc and as2.state !=0 ";

}  // namespace

TForm41::TForm41(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form41"));
    setWindowTitle(QStringLiteral("Заявки в производство (41)"));

    cnt_order_in = ownQuery(this, "cnt_order_in", QString::fromUtf8(kCntOrderIn));

    using A = zui::DBGrid::Align;
    DBGridEh1 = zparts::grid("DBGridEh1", DataModule6->app_doc,
                             {{QStringLiteral("№ заявки"), QStringLiteral("id")},
                              {QStringLiteral("Исполнитель"), QStringLiteral("s_person_caption"), A::Auto, 180},
                              {QStringLiteral("Контрагент"), QStringLiteral("s_jp_caption"), A::Auto, 220},
                              {QStringLiteral("Дата пр-ва"), QStringLiteral("d_mnf")},
                              {QStringLiteral("Дата отгруз."), QStringLiteral("d_out")},
                              {QStringLiteral("Дата заведения"), QStringLiteral("d_date"), A::Auto, 130},
                              {}},
                             900, 420);

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button2 = zparts::button("Button2", QStringLiteral("Изменить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    zparts::layOutList(this, DBGridEh1, {Button1, Button2, Button3}, Button4);

    setupScreen(zui::Placement::CentredOnDesktop);
}
