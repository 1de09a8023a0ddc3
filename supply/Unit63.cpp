#include "Unit63.h"

#include "Unit3.h"
#include "Unit6.h"
#include "Unit60.h"
#include "Unit62.h"
#include "supply.h"
#include "zui_msg.h"

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

void TForm63::Button1Click() {
    if (!filled({Edit2, Edit3, Edit1})) return;
    // Not a number: refused before anything is sent.
    const QString cnt = DataModule6->NumToSql(Edit3->text().trimmed(), false);
    const QString price = DataModule6->NumToSql(Edit1->text().trimmed(), false);
    const int doc = Form62->id_purchase_doc_sel;

    enum { Added, Gone, Twice, NoPrice } outcome = Added;
    int line = 0;
    {
        // The request is locked while it is checked and written, so that two
        // workstations cannot both add the same material.
        zdb::Transaction t(*DataModule6->ADO_DB);
        zdb::Query lock(DataModule6->ADO_DB);
        lock.setSql(QStringLiteral("select id from stk_purchase.purchase_doc where id=") + QString::number(doc) + " for update");
        lock.open();
        cnt_ii->close();
        cnt_ii->setParam(QStringLiteral("id_purchase_doc"), doc);
        cnt_ii->setParam(QStringLiteral("id_gds"), id_ii_sel);
        cnt_ii->open();
        const qlonglong held = cnt_ii->fieldByName(QStringLiteral("cnt")).asInteger();
        cnt_ii->close();
        if (lock.isEmpty()) outcome = Gone;
        else if (held > 0) outcome = Twice;
        else if (price == QLatin1String("0")) outcome = NoPrice;
        else {
            line = zdb::insertedId(*DataModule6->ADO_DB, QStringLiteral("INSERT INTO stk_purchase.purchase_spec(id_gds, cnt, id_purchase_doc, gds_price)VALUES(") +
                                  QString::number(id_ii_sel) + ", " + cnt + ", " + QString::number(doc) + ", " + price + ")");
            t.commit();
        }
    }
    switch (outcome) {
    case Gone:
        return zui::msg::error(QStringLiteral("Заявка удалена на другом рабочем месте. Строка не записана."));
    case Twice:
        return zui::msg::error(QStringLiteral("Такая позиция есть в спецификации!"));
    case NoPrice:
        return;  // a line without a price is not taken; the editor stays
    case Added:
        break;
    }
    zui::reopenAt(Form62->purchase_spec, line);
    // The request's sum follows.
    if (Form60->purchase_doc->active()) zui::reopenAt(Form60->purchase_doc, doc);
    close();
}
