#include "Unit60.h"

#include "Unit34.h"
#include "Unit6.h"
#include "Unit61.h"
#include "Unit62.h"
#include "supply.h"
#include "zui_msg.h"

#include <QDate>
#include <QLineEdit>

TForm60* Form60 = nullptr;

namespace {

const char* kPurchaseDoc =
    "SELECT distinct pd.*, jp.s_full_caption s_jp_caption, p.s_caption s_person_caption, (select sum(ps.gds_price*ps.cnt) "
    "from stk_purchase.purchase_spec ps  where ps.id_purchase_doc = pd.id) as all_price\n"
    "FROM stk_purchase.purchase_doc pd\n"
    "left join cmn_contractor.jur_person jp on pd.id_jur_person = jp.id\n"
    "left join cmn_contractor.person p on pd.id_person = p.id  order by d_date desc";

enum { kCounterparty = 2, kLines = 7 };

}  // namespace

TForm60::TForm60(QWidget* parent)
    : zui::GridScreen({"Form60", QStringLiteral("Завки на закупку (60)"), zui::Placement::CentredOnDesktop, nullptr, 1000, 420},
                      {{QStringLiteral("№ заявки"), QStringLiteral("id")},
                       {QStringLiteral("Исполнитель"), QStringLiteral("s_person_caption"), zui::DBGrid::Align::Auto, 220},
                       {QStringLiteral("Контрагент"), QStringLiteral("s_jp_caption"), zui::DBGrid::Align::Auto, 440},
                       {QStringLiteral("Дата поставки"), QStringLiteral("d_in"), zui::DBGrid::Align::Auto, 100},
                       {QStringLiteral("Дата заведения"), QStringLiteral("d_date"), zui::DBGrid::Align::Auto, 150},
                       {QStringLiteral("Сумма"), QStringLiteral("all_price"), zui::DBGrid::Align::Auto, 100},
                       {QStringLiteral("Заявка"), QStringLiteral("id_app_doc")},
                       {QString(), QString(), zui::DBGrid::Align::Auto, 24}},
                      parent) {
    purchase_doc = ownQuery(this, "purchase_doc", QString::fromUtf8(kPurchaseDoc));
    setList(purchase_doc);
    DBGridEh1->setCellButton(kCounterparty);
    DBGridEh1->setCellButton(kLines);
    Button1 = addButton("Button1", QStringLiteral("Добавить"));
    Button2 = addButton("Button2", QStringLiteral("Изменить"));
    Button3 = addButton("Button3", QStringLiteral("Удалить"));
    setDefaultButton(Button1);
    zui::on(Button1, &QPushButton::clicked, this, &TForm60::Button1Click);
    zui::on(Button2, &QPushButton::clicked, this, &TForm60::Button2Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm60::Button3Click);
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm60::showLines);
    zui::on(DBGridEh1, &zui::DBGrid::cellButtonClicked, this, &TForm60::DBGridEh1CellButtonClick);
}

// The executor and counterparty stay from the last use of the editor.
void TForm60::Button1Click() {
    Form61->Tag = 1;
    Form61->DateTimePicker1->setDate(QDate::currentDate().addDays(1));
    Form61->showModal();
}

void TForm60::Button2Click() {
    if (!hasRows()) return;
    Form61->Tag = 0;
    Form61->DateTimePicker1->setDate(purchase_doc->fieldByName(QStringLiteral("d_in")).asDate());
    Form61->Edit2->setText(currentText(QStringLiteral("s_person_caption")));
    Form61->Edit1->setText(currentText(QStringLiteral("s_jp_caption")));
    Form61->id_person_sel = int(currentInt(QStringLiteral("id_person")));
    Form61->id_jur_person_sel = int(currentInt(QStringLiteral("id_jur_person")));
    Form61->showModal();
}

// The database deletes the request's lines with it, whatever their stages.
void TForm60::Button3Click() {
    if (!hasRows()) return;
    zui::deleteCurrentRow(purchase_doc, QStringLiteral("delete from stk_purchase.purchase_doc where id=") + zui::idOf(purchase_doc),
                          QStringLiteral("Удалить заявку (будут удалены все строки спецификации)?"));
}

void TForm60::DBGridEh1CellButtonClick(int column) {
    if (column == kLines) return showLines();
    if (column != kCounterparty) return;
    Form34->showAsPicker(60, 0, 0, [this](zdb::Dataset& counterparties) {
        // Without a current request there is nothing to give the counterparty to.
        if (!counterparties.isEmpty() && hasRows()) {
            const bool done = zdb::rowsWritten(*DataModule6->ADO_DB, QStringLiteral("UPDATE stk_purchase.purchase_doc SET id_jur_person=") +
                                            zui::idOf(&counterparties) + " where id=" + zui::idOf(purchase_doc)) > 0;
            zui::reopenKeepingRow(purchase_doc);
            if (!done) zui::msg::error(zsup::kChangedElsewhere);
        }
        return true;
    });
}

void TForm60::showLines() {
    if (!hasRows()) return;
    Form62->Tag = 1;
    Form62->id_purchase_doc_sel = currentId();
    Form62->purchase_spec->setParam(QStringLiteral("id_purchase_doc"), Form62->id_purchase_doc_sel);
    Form62->purchase_spec->open();
    Form62->showModal();
    Form62->purchase_spec->close();
}
