#include "Unit44.h"

#include "Unit3.h"
#include "Unit42.h"
#include "Unit6.h"
#include "requests.h"
#include "zui_msg.h"

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

const QString kTwice = QStringLiteral("Такая позиция есть в спецификации!");

// app_spec.price and cost_price are numeric(15,4).
constexpr double kPriceLimit = 1e11;

}  // namespace

TForm44::TForm44(QWidget* parent)
    : zui::EditorScreen({"Form44", QStringLiteral("Ведение данных (44)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                         QStringLiteral("Заявка в производство № "), QStringLiteral("Отмена"), false},
                        parent) {
    cnt_ii = ownQuery(this, "cnt_ii", QString::fromUtf8(kCntIi));
    ral = ownQuery(this, "ral", QString::fromUtf8(kRal));
    cost_price = ownQuery(this, "cost_price", QString::fromUtf8(kCostPrice));

    GroupBox1 = group();
    std::tie(Edit2, Button5) = addPicked("Edit2", "Button5", QStringLiteral("Изделие:"), 300);
    DBText1 = zparts::dataText("DBText1", cost_price, QStringLiteral("cost_price"));
    addRow(QStringLiteral("Себестоимость:"), DBText1);
    Edit3 = zparts::edit("Edit3");
    Label2 = zparts::label("Label2", QString());
    Label2->setMinimumWidth(40);
    addRow(QStringLiteral("Количество:"), Edit3, Label2);
    LCB_ral = addLookup("LCB_ral", QStringLiteral("RAL:"), ral, QStringLiteral("id"), QStringLiteral("s_code"));
    Edit1 = zparts::edit("Edit1");
    addRow(QStringLiteral("Цена:"), Edit1);
    for (QLineEdit* e : {Edit3, Edit1})
        zui::setKeyFilter(e, zui::Keys::DigitsCommaPoint | zui::Keys::PointToComma);
    zui::on(Button5, &QPushButton::clicked, this, &TForm44::Button5Click);
}

void TForm44::FormClose() { cost_price->close(); }

qlonglong TForm44::linesOfProduct(int doc) {
    cnt_ii->close();
    cnt_ii->setParam(QStringLiteral("id_app_doc"), doc);
    cnt_ii->setParam(QStringLiteral("id_ii"), id_ii_sel);
    cnt_ii->open();
    const qlonglong n = cnt_ii->fieldByName(QStringLiteral("cnt")).asInteger();
    cnt_ii->close();
    return n;
}

void TForm44::Button1Click() {
    QString colour = QStringLiteral("0");
    if (!filled({Edit2, Edit3, Edit1})) return;
    // Both numbers are checked before anything goes to the database.
    const QString count = zreq::typedNumber(Edit3->text(), QStringLiteral("Количество"));
    const QString price = zreq::typedNumber(Edit1->text(), QStringLiteral("Цена"));
    if (zreq::valueOf(count) <= 0) return zui::msg::error(QStringLiteral("Количество должно быть больше нуля!"));
    if (zreq::valueOf(price) >= kPriceLimit) return zui::msg::error(QStringLiteral("Цена слишком велика!"));

    const int doc = Form42->id_app_doc_sel;
    if (linesOfProduct(doc) >= 1) return zui::msg::error(kTwice);
    if (ral_sel != 0) {
        const int key = keyOr0(LCB_ral);
        if (!(key > 0)) return zui::msg::error(QStringLiteral("Необходимо указать RAL!"));
        colour = QString::number(key);
    }
    // A price of 0 saves nothing.
    if (!(zreq::valueOf(price) > 0)) return;
    const QString costText =
        cost_price->active() && !cost_price->isEmpty() ? cost_price->fieldByName(QStringLiteral("cost_price")).asString() : QString();
    const QString cost = DataModule6->NumToSql(costText);
    if (zreq::valueOf(price) < zreq::valueOf(cost) &&
        !zui::msg::question(QStringLiteral("Цена ниже себестоимости! Принять цену?"), QStringLiteral("Запрос")))
        return;

    if (Tag == 1) {
        // Decided again on the locked request: another workstation may have
        // deleted it, or entered the same product, meanwhile.
        enum class Outcome { Written, Gone, Twice } outcome;
        int id = 0;
        {
            zdb::Transaction t(*DataModule6->ADO_DB);
            if (!zreq::lockRow(QStringLiteral("mnf_app.app_doc"), doc)) {
                outcome = Outcome::Gone;
            } else if (linesOfProduct(doc) >= 1) {
                outcome = Outcome::Twice;
            } else {
                id = zdb::insertedId(*DataModule6->ADO_DB, 
                    QStringLiteral("INSERT INTO mnf_app.app_spec(id_ii, cnt, id_app_doc, id_ral, id_gds, price, cost_price)VALUES(") +
                    QString::number(id_ii_sel) + ", " + count + ", " + QString::number(doc) + ", " + colour + "," +
                    QString::number(id_gds_sel) + ", " + price + ", " + cost + ")");
                t.commit();
                outcome = Outcome::Written;
            }
        }
        if (outcome == Outcome::Gone)
            return zui::msg::error(QStringLiteral("Заявка № %1 удалена на другом рабочем месте. Строка не записана.").arg(doc));
        if (outcome == Outcome::Twice) {
            Form42->app_spec->reopen();
            return zui::msg::error(kTwice);
        }
        zui::reopenAt(Form42->app_spec, id, Form42->app_spec->recNo());
    } else {
        Form42->app_spec->reopen();
    }
    close();
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
