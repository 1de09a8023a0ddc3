#include "Unit62.h"

#include "Unit6.h"
#include "Unit60.h"
#include "Unit63.h"
#include "Unit66.h"
#include "supply.h"
#include "zui_msg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

TForm62* Form62 = nullptr;

namespace {

const char* kPurchaseSpec =
    "SELECT ps.id, id_item as id_ii, ii.marka ii_s_caption, ii.id_msm, m.s_identification as msm_s_caption, cnt, id_purchase_doc, "
    "ps.state, ps.gds_price, case when ps.state=0 then 'Оформление' when ps.state=1 then 'Закупка' else 'На складе' end as s_state\n"
    "FROM stk_purchase.purchase_spec ps\n"
    "left join cmn_inventory_items.inventory_items ii on ps.id_gds = ii.id\n"
    "left join cmn_msm.msm m on m.id = ii.id_msm\n"
    "where ps.id_purchase_doc = :id_purchase_doc order by ii_s_caption";

enum { kPrice = 3 };

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
    DBGridEh1->setCellButton(kPrice);

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));
    buttons({Button1, Button3}, Button4, Button1);
    zui::on(Button1, &QPushButton::clicked, this, &TForm62::Button1Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm62::Button3Click);
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm62::DBGridEh1DblClick);
    zui::on(DBGridEh1, &zui::DBGrid::cellButtonClicked, this, &TForm62::DBGridEh1CellButtonClick);
}

// The request list is created before this screen.
void TForm62::FormCreate() { bindHeader(Form60->purchase_doc); }

void TForm62::FormClose() {
    if (Form60->purchase_doc->active()) zui::reopenKeepingRow(Form60->purchase_doc);
}

void TForm62::Button1Click() {
    for (QLineEdit* e : {Form63->Edit2, Form63->Edit3, Form63->Edit1}) e->clear();
    Form63->GroupBox1->setTitle(QStringLiteral("Заявка на закупку № ") + QString::number(id_purchase_doc_sel));
    Form63->Label2->clear();
    Form63->Tag = 1;
    DataModule6->msm->open();
    Form63->showModal();
    DataModule6->msm->close();
}

// A line being bought stays; a received one is not touched.
void TForm62::Button3Click() {
    if (!purchase_spec->active() || purchase_spec->isEmpty()) return;
    const qlonglong state = purchase_spec->fieldByName(QStringLiteral("state")).asInteger();
    if (state == 1) return zui::msg::error(QStringLiteral("Невозможно удалить принятую строку спецификации!"));
    if (state != 0) return;
    if (!zui::msg::question(QStringLiteral("Удалить строку?"), QStringLiteral("Удаление"))) return;
    // Only while it is still being drawn up: another workstation may have moved it on.
    const bool done = zdb::rowsWritten(*DataModule6->ADO_DB, QStringLiteral("delete from stk_purchase.purchase_spec where id=") + zui::idOf(purchase_spec) +
                                    " and state=0") > 0;
    zui::reopenKeepingRow(purchase_spec);
    if (!done) zui::msg::error(zsup::kChangedElsewhere);
}

void TForm62::DBGridEh1DblClick() {
    if (!purchase_spec->active() || purchase_spec->isEmpty()) return;
    if (purchase_spec->fieldByName(QStringLiteral("gds_price")).asFloat() == 0)
        return zui::msg::error(QStringLiteral("Цена не может быть 0!"));
    const qlonglong state = purchase_spec->fieldByName(QStringLiteral("state")).asInteger();
    if (state != 0 && state != 1) return;
    // The stage as this list read it: a line moved on elsewhere is not moved back.
    const QString to = state == 0 ? QStringLiteral("1") : QStringLiteral("0");
    const bool done = zdb::rowsWritten(*DataModule6->ADO_DB, QStringLiteral("UPDATE stk_purchase.purchase_spec SET state=") + to + " WHERE id=" +
                                    zui::idOf(purchase_spec) + " and state=" + QString::number(state) +
                                    (state == 0 ? QStringLiteral(" and gds_price<>0") : QString())) > 0;
    zui::reopenKeepingRow(purchase_spec);
    if (!done) zui::msg::error(zsup::kChangedElsewhere);
}

void TForm62::DBGridEh1CellButtonClick(int column) {
    if (column != kPrice || !purchase_spec->active() || purchase_spec->isEmpty()) return;
    if (purchase_spec->fieldByName(QStringLiteral("state")).asInteger() == 2) return;
    Form66->GroupBox1->setTitle(purchase_spec->fieldByName(QStringLiteral("ii_s_caption")).asString().trimmed());
    Form66->Edit1->setText(purchase_spec->fieldByName(QStringLiteral("gds_price")).asString());
    Form66->showModal();
}
