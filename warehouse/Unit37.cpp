#include "Unit37.h"

#include "Unit38.h"
#include "Unit39.h"
#include "Unit6.h"
#include "zui_msg.h"

#include <QDate>
#include <QLineEdit>

TForm37* Form37 = nullptr;

namespace {

const char* kCntOrderIn =
    "select count(si.id) as cnt from stk_stocks.spec_in si where si.id_stock_in = :id_stock_in and si.accept=true";

const QString kHasAccepted = QStringLiteral("У ордера есть принятые строки спецификации!\nУдаление невозможно.");

enum { kLines = 5 };

}  // namespace

using A = zui::DBGrid::Align;

TForm37::TForm37(QWidget* parent)
    : zui::GridScreen({"Form37", QStringLiteral("Приходные ордера (37)"), zui::Placement::AsDesigned, DataModule6->stock_in, 820, 420},
                      {{QStringLiteral("Дата"), QStringLiteral("date_in"), A::Auto, 90},
                       {QStringLiteral("№ ордера"), QStringLiteral("id")},
                       {QStringLiteral("№ сопр. док-та"), QStringLiteral("id_accomp_doc"), A::Auto, 110},
                       {QStringLiteral("Контрагент"), QStringLiteral("jp_caption"), A::Auto, 240},
                       {QStringLiteral("Склад"), QStringLiteral("dep_caption"), A::Auto, 160},
                       {QString(), QString(), A::Auto, 24}},
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
    DBGridEh1->setCellButton(kLines);
    // The first two columns toggle; the others sort ascending, newest day first within.
    sortOnTitle(0, QStringLiteral("date_in, id ASC"), QStringLiteral("date_in DESC, id ASC"));
    sortOnTitle(1, QStringLiteral("id ASC"), QStringLiteral("id DESC"));
    sortOnTitle(2, QStringLiteral("id_accomp_doc  ASC, date_in DESC"), QStringLiteral("id_accomp_doc, date_in DESC"));
    sortOnTitle(3, QStringLiteral("jp_caption ASC, date_in DESC"), QStringLiteral("jp_caption, date_in DESC"));
    sortOnTitle(4, QStringLiteral("dep_caption ASC, date_in DESC"), QStringLiteral("dep_caption, date_in DESC"));

    Button1 = addButton("Button1", QStringLiteral("Добавить"));
    Button2 = addButton("Button2", QStringLiteral("Изменить"));
    Button3 = addButton("Button3", QStringLiteral("Удалить"));
    zui::on(Button1, &QPushButton::clicked, this, &TForm37::Button1Click);
    zui::on(Button2, &QPushButton::clicked, this, &TForm37::Button2Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm37::Button3Click);
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm37::showLines);
    zui::on(DBGridEh1, &zui::DBGrid::cellButtonClicked, this, [this](int column) {
        if (column == kLines) showLines();
    });
}

void TForm37::Button1Click() {
    Form39->Tag = 1;
    Form39->Edit1->clear();
    Form39->Edit2->clear();
    Form39->DateTimePicker1->setDate(QDate::currentDate());
    Form39->LCB_jur_person->setKeyValue(-1);
    Form39->LCB_department->setKeyValue(-1);
    Form39->jur_person->open();
    Form39->department->open();
    Form39->showModal();
    Form39->jur_person->close();
    Form39->department->close();
}

void TForm37::Button2Click() {
    if (!hasRows()) return;
    zdb::Query* orders = DataModule6->stock_in;
    Form39->Tag = 0;
    Form39->jur_person->open();
    Form39->department->open();
    Form39->Edit1->setText(orders->fieldByName(QStringLiteral("id")).asString());
    Form39->Edit2->setText(currentText(QStringLiteral("id_accomp_doc")));
    Form39->DateTimePicker1->setDate(orders->fieldByName(QStringLiteral("date_in")).asDate());
    Form39->LCB_jur_person->setKeyValue(int(currentInt(QStringLiteral("id_jur_pers"))));
    Form39->LCB_department->setKeyValue(int(currentInt(QStringLiteral("id_department"))));
    Form39->showModal();
    Form39->jur_person->close();
    Form39->department->close();
}

void TForm37::Button3Click() {
    if (!hasRows()) return;
    zdb::Query* orders = DataModule6->stock_in;
    const QString id = zui::idOf(orders);
    cnt_order_in->close();
    cnt_order_in->setParam(QStringLiteral("id_stock_in"), currentId());
    cnt_order_in->open();
    const qlonglong accepted = cnt_order_in->fieldByName(QStringLiteral("cnt")).asInteger();
    cnt_order_in->close();
    if (accepted != 0) return zui::msg::error(kHasAccepted);
    const int recNo = orders->recNo();
    if (!zui::msg::question(QStringLiteral("Удалить ордер (будут удалены все строки спецификации)?"))) return;
    // A line accepted meanwhile must not go with the order: the lines are
    // locked and counted again before the delete.
    bool refused = false;
    {
        zdb::Transaction t(*DataModule6->ADO_DB);
        zdb::Query lines(DataModule6->ADO_DB);
        lines.setSql(QStringLiteral("select accept from stk_stocks.spec_in where id_stock_in = ") + id + QStringLiteral(" for update"));
        lines.open();
        for (int row = 1; row <= lines.recordCount() && !refused; ++row) {
            lines.setRecNo(row);
            refused = lines.fieldByName(QStringLiteral("accept")).asBoolean();
        }
        if (!refused) {
            DataModule6->cmd_all->execute(QStringLiteral("delete from stk_stocks.stock_in where id=") + id);
            t.commit();
        }
    }
    orders->reopen();
    zui::restoreRow(orders, recNo);
    if (refused) zui::msg::error(kHasAccepted);
}

void TForm37::showLines() {
    if (!hasRows()) return;
    Form38->id_stock_in_sel = currentId();
    Form38->Tag = 1;
    Form38->spec_in->setParam(QStringLiteral("id_stock_in"), Form38->id_stock_in_sel);
    Form38->spec_in->open();
    Form38->showModal();
    Form38->spec_in->close();
}
