#include "Unit65.h"

#include "Unit6.h"
#include "supply.h"
#include "zui_msg.h"

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
    zui::on(Button1, &QPushButton::clicked, this, &TForm65::Button1Click);
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm65::Button1Click);
}

void TForm65::pickFor(int orderId, std::function<void()> reread) {
    id_stock_in_ = orderId;
    reread_ = std::move(reread);
    purchase_spec->open();
    showModal();
    purchase_spec->close();
    reread_ = {};
}

void TForm65::Button1Click() {
    const QList<int> rows = DBGridEh1->selectedRows();
    if (!hasRows() || rows.isEmpty()) return;
    const auto field = [this](int row, const char* name) {
        return purchase_spec->value(row, purchase_spec->fieldIndex(QLatin1String(name)));
    };
    const auto number = [this](int row, const char* name) {
        return DataModule6->NumToSql(purchase_spec->text(row, purchase_spec->fieldIndex(QLatin1String(name))));
    };
    QString taken;  // a line that another workstation took or changed meanwhile
    {
        zdb::Transaction t(*DataModule6->ADO_DB);
        for (int row : rows) {
            const QString id = QString::number(field(row, "id").toLongLong());
            DataModule6->cmd_all->execute(
                QStringLiteral("INSERT INTO stk_stocks.spec_in(id_gds, id_stock_in, id_msm, cnt_gds, price) VALUES(") +
                QString::number(field(row, "id_ii").toLongLong()) + ", " + QString::number(id_stock_in_) + ", " +
                QString::number(field(row, "id_msm").toLongLong()) + ", " + number(row, "cnt") + ", " + number(row, "gds_price") + ")");
            // Only a line still being bought, as this list read it.
            if (zdb::rowsWritten(*DataModule6->ADO_DB, QStringLiteral("UPDATE stk_purchase.purchase_spec SET state=2 WHERE id=") + id + " and state=1 and cnt=" +
                              number(row, "cnt") + " and gds_price=" + number(row, "gds_price")) == 0) {
                taken = field(row, "ii_s_caption").toString().trimmed();
                break;
            }
        }
        if (taken.isEmpty()) t.commit();
    }
    if (!taken.isEmpty()) {
        zui::reopenKeepingRow(purchase_spec);
        return zui::msg::error(QStringLiteral("Строка «") + taken +
                               QStringLiteral("» взята в другой ордер или изменена на другом рабочем месте. Ничего не "
                                              "записано: список прочитан заново."));
    }
    if (reread_) reread_();
    close();
}
