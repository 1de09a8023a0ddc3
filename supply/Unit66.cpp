#include "Unit66.h"

#include "Unit6.h"
#include "Unit62.h"
#include "supply.h"
#include "zui_msg.h"

#include <QGroupBox>
#include <QLineEdit>

TForm66* Form66 = nullptr;

TForm66::TForm66(QWidget* parent)
    : zui::EditorScreen({"Form66", QStringLiteral("Ведение цены (66)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB, {},
                         QStringLiteral("Отмена"), true, true},
                        parent) {
    GroupBox1 = group();
    GroupBox1->setMinimumWidth(320);
    Edit1 = addEdit("Edit1", QStringLiteral("Цена:"), 120);
    zui::setKeyFilter(Edit1, zui::Keys::DigitsComma | zui::Keys::PointToComma);
}

void TForm66::Button1Click() {
    if (Edit1->text().trimmed().isEmpty()) return zui::msg::error(QStringLiteral("Цена не может быть 0"));
    zdb::Query* lines = Form62->purchase_spec;
    if (!lines->active() || lines->isEmpty()) return;
    const QString price = DataModule6->NumToSql(Edit1->text().trimmed(), false);
    // A line received meanwhile keeps the price its receipt line was made with.
    zsup::writeOne(QStringLiteral("UPDATE stk_purchase.purchase_spec SET gds_price=") + price + " where id=" + zui::idOf(lines) +
                   " and state<>2");
    zui::reopenKeepingRow(lines);
    close();
}
