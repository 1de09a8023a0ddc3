#include "Unit41.h"

#include "Unit6.h"

TForm41* Form41 = nullptr;

namespace {

const char* kCntOrderIn =
    "select count(as2.id) as cnt\n"
    "from mnf_app.app_spec as2 \n"
    "where as2.id_app_doc  = :id_app_doc and as2.state !=0 ";

}  // namespace

TForm41::TForm41(QWidget* parent)
    : zui::ListScreen({"Form41", QStringLiteral("Заявки в производство (41)"), zui::Placement::CentredOnDesktop, DataModule6->app_doc,
                       {}, {}, zui::FilterBox::KeyMode::ConsumeAll, 900, 420, false},
                      {{QStringLiteral("№ заявки"), QStringLiteral("id")},
                       {QStringLiteral("Исполнитель"), QStringLiteral("s_person_caption"), zui::DBGrid::Align::Auto, 180},
                       {QStringLiteral("Контрагент"), QStringLiteral("s_jp_caption"), zui::DBGrid::Align::Auto, 220},
                       {QStringLiteral("Дата пр-ва"), QStringLiteral("d_mnf")},
                       {QStringLiteral("Дата отгруз."), QStringLiteral("d_out")},
                       {QStringLiteral("Дата заведения"), QStringLiteral("d_date"), zui::DBGrid::Align::Auto, 130},
                       {}},
                      parent) {
    cnt_order_in = ownQuery(this, "cnt_order_in", QString::fromUtf8(kCntOrderIn));
    // The original list has no default button: Enter does nothing here.
    setDefaultButton(nullptr);
}
