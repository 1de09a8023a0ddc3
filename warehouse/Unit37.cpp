#include "Unit37.h"

#include "Unit6.h"

TForm37* Form37 = nullptr;

namespace {

const char* kCntOrderIn =
    "select count(si.id) as cnt from stk_stocks.spec_in si where si.id_stock_in = :id_stock_in and si.accept=true";

}  // namespace

using A = zui::DBGrid::Align;

TForm37::TForm37(QWidget* parent)
    : zui::ListScreen({"Form37", QStringLiteral("Приходные ордера (37)"), zui::Placement::AsDesigned, DataModule6->stock_in, {}, {},
                       zui::FilterBox::KeyMode::ConsumeAll, 820, 420, false},
                      {{QStringLiteral("Дата"), QStringLiteral("date_in"), A::Auto, 90},
                      {QStringLiteral("№ ордера"), QStringLiteral("id")},
                      {QStringLiteral("№ сопр. док-та"), QStringLiteral("id_accomp_doc"), A::Auto, 110},
                      {QStringLiteral("Контрагент"), QStringLiteral("jp_caption"), A::Auto, 240},
                      {QStringLiteral("Склад"), QStringLiteral("dep_caption"), A::Auto, 160},
                      {}},
                      parent) {
    cnt_order_in = ownQuery(this, "cnt_order_in", QString::fromUtf8(kCntOrderIn));
    zdb::Query* orders = DataModule6->stock_in;
    // Orders with lines still to accept stand out.
    DBGridEh1->setRowColors([orders](int row) {
        zui::DBGrid::RowColors c;
        const int open = orders->fieldIndex(QStringLiteral("cnt_accept"));
        if (open >= 0 && orders->value(row, open).toLongLong() > 0) c.background = QColor(255, 238, 238);
        return c;
    });
    // The original list has no default button: Enter does nothing here.
    setDefaultButton(nullptr);
}
