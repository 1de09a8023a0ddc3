#include "Unit63.h"

#include "Unit3.h"
#include "Unit6.h"

#include <QLabel>
#include <QLineEdit>

TForm63* Form63 = nullptr;

namespace {

const char* kCntIi =
    "SELECT count(ps.*) as cnt FROM stk_purchase.purchase_spec ps  where ps.id_gds =:id_gds and ps.id_purchase_doc = :id_purchase_doc";

}  // namespace

TForm63::TForm63(QWidget* parent)
    : zui::EditorScreen({"Form63", QStringLiteral("Закупка (63)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                         QStringLiteral("Заявка на закупку № ")},
                        parent) {
    cnt_ii = ownQuery(this, "cnt_ii", QString::fromUtf8(kCntIi));

    GroupBox1 = group();
    std::tie(Edit2, Button5) = addPicked("Edit2", "Button5", QStringLiteral("МТР:"), 260);
    Edit3 = zparts::edit("Edit3");
    Label2 = zparts::label("Label2", QString());
    addRow(QStringLiteral("Количество:"), Edit3, Label2);
    Edit1 = addEdit("Edit1", QStringLiteral("Цена:"), 120);
    for (QLineEdit* e : {Edit3, Edit1})
        zui::setKeyFilter(e, zui::Keys::DigitsComma | zui::Keys::PointToComma);
    zui::on(Button5, &QPushButton::clicked, this, &TForm63::Button5Click);
}

void TForm63::Button5Click() {
    Form3->pick(63, TForm3::pickerSql(QStringLiteral("where ii.id_type = 0 order by ii.marka")),
                zui::Look::ChooseCaption | zui::Look::HideAdd | zui::Look::HideDelete | zui::Look::ChooseDefault,
                zui::Undo::Buttons | zui::Undo::ChooseDefault | zui::Undo::Filter, [this](zdb::Dataset& items) {
                    if (items.isEmpty()) return false;
                    Edit2->setText(items.fieldByName(QStringLiteral("marka")).asString().trimmed());
                    id_ii_sel = int(items.fieldByName(QStringLiteral("id")).asInteger());
                    Label2->setText(items.fieldByName(QStringLiteral("s_identification")).asString());
                    ral_sel = items.fieldByName(QStringLiteral("ral")).asBoolean() ? 1 : 0;
                    id_gds_sel = int(items.fieldByName(QStringLiteral("id_gds")).asInteger());
                    return true;
                });
}
