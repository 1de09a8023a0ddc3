#include "Unit60.h"

#include "Unit34.h"
#include "Unit6.h"

TForm60* Form60 = nullptr;

namespace {

const char* kPurchaseDoc =
    "SELECT distinct pd.*, jp.s_full_caption s_jp_caption, p.s_caption s_person_caption, (select sum(ps.gds_price*ps.cnt) "
    "from stk_purchase.purchase_spec ps  where ps.id_purchase_doc = pd.id) as all_price\n"
    "FROM stk_purchase.purchase_doc pd\n"
    "left join cmn_contractor.jur_person jp on pd.id_jur_person = jp.id\n"
    "left join cmn_contractor.person p on pd.id_person = p.id  order by d_date desc";

}  // namespace

TForm60::TForm60(QWidget* parent)
    : zui::ListScreen({"Form60", QStringLiteral("Завки на закупку (60)"), zui::Placement::CentredOnDesktop, nullptr, {}, {},
                       zui::FilterBox::KeyMode::ConsumeAll, 1000, 420, false},
                      {{QStringLiteral("№ заявки"), QStringLiteral("id")},
                       {QStringLiteral("Исполнитель"), QStringLiteral("s_person_caption"), zui::DBGrid::Align::Auto, 180},
                       {QStringLiteral("Контрагент"), QStringLiteral("s_jp_caption"), zui::DBGrid::Align::Auto, 220},
                       {QStringLiteral("Дата поставки"), QStringLiteral("d_in")},
                       {QStringLiteral("Дата заведения"), QStringLiteral("d_date"), zui::DBGrid::Align::Auto, 130},
                       {QStringLiteral("Сумма"), QStringLiteral("all_price"), zui::DBGrid::Align::Auto, 100},
                       {QStringLiteral("Заявка"), QStringLiteral("id_app_doc")},
                       {}},
                      parent) {
    purchase_doc = ownQuery(this, "purchase_doc", QString::fromUtf8(kPurchaseDoc));
    setList(purchase_doc);
    DBGridEh1->setCellButton(2);
    zui::on(DBGridEh1, &zui::DBGrid::cellButtonClicked, this, &TForm60::DBGridEh1CellButtonClick);
}

void TForm60::DBGridEh1CellButtonClick(int column) {
    if (column != 2) return;
    Form34->showAsPicker(60, 0, 0, [this](zdb::Dataset& counterparties) {
        // Without a current request there is nothing to give the counterparty to.
        if (!counterparties.isEmpty() && purchase_doc->active() && !purchase_doc->isEmpty()) {
            DataModule6->cmd_all->execute(QStringLiteral("UPDATE stk_purchase.purchase_doc SET id_jur_person=") +
                                          zui::idOf(&counterparties) + " where id=" + zui::idOf(purchase_doc));
            zui::reopenKeepingRow(purchase_doc);
        }
        return true;
    });
}
