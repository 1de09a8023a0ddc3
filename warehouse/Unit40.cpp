#include "Unit40.h"

#include "Unit3.h"
#include "Unit38.h"
#include "Unit6.h"

#include <QLabel>
#include <QLineEdit>

TForm40* Form40 = nullptr;

namespace {

const char* kItems =
    "SELECT os.s_caption as s_type, ii.marka, massa, width, ral, ral_cons, thick, ii.id, id_nom,  n.s_caption s_nom, ii.id_type, "
    "ii.id_msm, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as tp_cnt, "
    "(CASE ral WHEN true THEN '+' END) as s_ral, m.s_identification, n.s_caption, NULL as s_caption_gds, 0::t_id as id_gds, "
    "0.0 as cost_price FROM cmn_inventory_items.inventory_items ii left join cmn_inventory_items.nomenclature n on  "
    "ii.id_nom = n.id left join cmn_msm.msm m on ii.id_msm = m.id left join mnf_operation.operation_state os on "
    "os.id = ii.id_type where ii.id_type != 1  order by ii.marka";

}  // namespace

TForm40::TForm40(QWidget* parent)
    : zui::EditorScreen({"Form40", QStringLiteral("Ведение спецификации (40)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                         QStringLiteral("Приходный ордер № ")},
                        parent) {
    GroupBox1 = group();
    std::tie(Edit2, Button5) = addPicked("Edit2", "Button5", QStringLiteral("ТМЦ:"), 260);
    Edit3 = zparts::edit("Edit3");
    Label5 = zparts::label("Label5", QString());
    addRow(QStringLiteral("Количество:"), Edit3, Label5);
    Edit1 = addEdit("Edit1", QStringLiteral("Цена:"), 120);
    for (QLineEdit* e : {Edit3, Edit1}) zui::setKeyFilter(e, zui::Keys::DigitsCommaPoint);
    zui::on(Button5, &QPushButton::clicked, this, &TForm40::Button5Click);
}

void TForm40::Button5Click() {
    Form3->pick(4, QString::fromUtf8(kItems),
                zui::Look::ChooseCaption | zui::Look::HideAdd | zui::Look::HideDelete | zui::Look::ChooseDefault,
                zui::Undo::Buttons, [this](zdb::Dataset& items) {
                    if (items.isEmpty()) return false;
                    Edit2->setText(items.fieldByName(QStringLiteral("marka")).asString().trimmed());
                    id_ii_sel = int(items.fieldByName(QStringLiteral("id")).asInteger());
                    id_msm_sel = int(items.fieldByName(QStringLiteral("id_msm")).asInteger());
                    Label5->setText(items.fieldByName(QStringLiteral("s_identification")).asString().trimmed());
                    return true;
                });
}

void TForm40::Button1Click() {
    if (!filled({Edit2, Edit3, Edit1})) return;
    // Both numbers are checked before anything is sent.
    const QString count = DataModule6->NumToSql(Edit3->text(), false);
    const QString price = DataModule6->NumToSql(Edit1->text(), false);
    const qlonglong id = zdb::insertedId(*DataModule6->ADO_DB,
                                         QStringLiteral("INSERT INTO stk_stocks.spec_in(id_gds, id_stock_in, id_msm, cnt_gds, price) VALUES(") +
                                             QString::number(id_ii_sel) + ", " + QString::number(Form38->id_stock_in_sel) + ", " +
                                             QString::number(id_msm_sel) + ", " + count + ", " + price + ")");
    zui::reopenAt(Form38->spec_in, id);
    close();
}

void TForm40::FormClose() { Label5->clear(); }
