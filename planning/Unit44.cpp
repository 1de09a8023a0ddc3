#include "Unit44.h"

#include "Unit3.h"
#include "Unit6.h"

#include <QLabel>
#include <QLineEdit>

TForm44* Form44 = nullptr;

namespace {

const char* kCntIi =
    "SELECT count(*) as cnt FROM mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii  "
    "where id_ii =:id_ii and as1.id_app_doc = :id_app_doc";

const char* kRal =
    "select ii.id, ii.marka as s_code from cmn_inventory_items.inventory_items ii where ii.id_type =3 order by s_code";

const char* kCostPrice =
    "select ii.cost_price from cmn_inventory_items.inventory_items ii\n"
    "where ii.id=:id_ii";

}  // namespace

TForm44::TForm44(QWidget* parent)
    : zui::EditorScreen({"Form44", QStringLiteral("Ведение данных (44)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                         QStringLiteral("Заявка в производство № "), QStringLiteral("Отмена"), false},
                        parent) {
    cnt_ii = ownQuery(this, "cnt_ii", QString::fromUtf8(kCntIi));
    ral = ownQuery(this, "ral", QString::fromUtf8(kRal));
    cost_price = ownQuery(this, "cost_price", QString::fromUtf8(kCostPrice));

    GroupBox1 = group();
    std::tie(Edit2, Button5) = addPicked("Edit2", "Button5", QStringLiteral("Изделие:"), 260);
    DBText1 = zparts::dataText("DBText1", cost_price, QStringLiteral("cost_price"));
    addRow(QStringLiteral("Себестоимость:"), DBText1);
    Edit3 = zparts::edit("Edit3");
    Label2 = zparts::label("Label2", QString());
    addRow(QStringLiteral("Количество:"), Edit3, Label2);
    LCB_ral = addLookup("LCB_ral", QStringLiteral("RAL:"), ral, QStringLiteral("id"), QStringLiteral("s_code"));
    Edit1 = addEdit("Edit1", QStringLiteral("Цена:"), 120);
    for (QLineEdit* e : {Edit3, Edit1})
        zui::setKeyFilter(e, zui::Keys::DigitsComma | zui::Keys::PointToComma);
    zui::on(Button5, &QPushButton::clicked, this, &TForm44::Button5Click);
}

void TForm44::Button5Click() {
    Form3->pick(5, TForm3::pickerSql(QStringLiteral("where ii.id_type <> 0 order by ii.marka")),
                zui::Look::ChooseCaption | zui::Look::HideAdd | zui::Look::HideDelete | zui::Look::ChooseDefault,
                zui::Undo::Buttons | zui::Undo::ChooseDefault | zui::Undo::Filter,
                [this](zdb::Dataset& items) {
                    if (items.isEmpty()) return false;
                    const int id = int(items.fieldByName(QStringLiteral("id")).asInteger());
                    if (!Form3->hasProcess(id)) {
                        zui::msg::error(QStringLiteral("Техпроцесс не найден!"));
                        return false;
                    }
                    Edit2->setText(items.fieldByName(QStringLiteral("marka")).asString().trimmed());
                    id_ii_sel = id;
                    Label2->setText(items.fieldByName(QStringLiteral("s_identification")).asString());
                    ral_sel = items.fieldByName(QStringLiteral("ral")).asBoolean() ? 1 : 0;
                    id_gds_sel = int(items.fieldByName(QStringLiteral("id_gds")).asInteger());
                    return true;
                },
                QStringLiteral("tp_cnt>0"));
    cost_price->close();
    cost_price->setParam(QStringLiteral("id_ii"), id_ii_sel);
    cost_price->open();
}
