#include "Unit42.h"

#include "Unit44.h"
#include "Unit6.h"
#include "requests.h"
#include "zui_msg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

TForm42* Form42 = nullptr;

namespace {

const char* kAppSpec =
    "SELECT as1.id, id_ii, ii.marka ii_s_caption, ii.id_msm, m.s_identification as msm_s_caption, cnt, id_app_doc, as1.state, "
    "ii2.marka as ral_s_code, as1.price, as1.cost_price\n"
    "FROM mnf_app.app_spec as1 \n"
    "left join cmn_inventory_items.inventory_items ii2 on as1.id_ral = ii2.id \n"
    "left join cmn_inventory_items.inventory_items ii on as1.id_ii = ii.id\n"
    "left join cmn_msm.msm m on m.id = ii.id_msm\n"
    "where as1.id_app_doc =:id_app_doc";

const QString kInWork = QStringLiteral("Невозможно удалить принятую в работу строку спецификации!");

}  // namespace

TForm42::TForm42(QWidget* parent)
    : zui::DocumentScreen({"Form42", QStringLiteral("Ведение данных (42)"), QStringLiteral("Заявка")}, parent) {
    app_spec = ownQuery(this, "app_spec", QString::fromUtf8(kAppSpec));
    // The statement has no order: the lines are shown in the order they were entered.
    app_spec->setSort(QStringLiteral("id ASC"));

    DBText1 = headerField("DBText1", QStringLiteral("Номер:"), QStringLiteral("id"));
    DBText2 = headerField("DBText2", QStringLiteral("Дата пр-ва:"), QStringLiteral("d_mnf"));
    DBText3 = headerField("DBText3", QStringLiteral("Дата отгр.:"), QStringLiteral("d_out"));
    DBText4 = headerField("DBText4", QStringLiteral("Контрагент:"), QStringLiteral("s_jp_caption"), 420);
    DBText5 = headerField("DBText5", QStringLiteral("Исполнитель:"), QStringLiteral("s_person_caption"), 420);
    bindHeader(DataModule6->app_doc);

    linesLabel(QStringLiteral("Спецификация:"));
    using A = zui::DBGrid::Align;
    DBGridEh1 = linesGrid("DBGridEh1", app_spec,
                          {{QStringLiteral("Изделие"), QStringLiteral("ii_s_caption"), A::Auto, 260},
                           {QStringLiteral("Количество"), QStringLiteral("cnt"), A::Auto, 90},
                           {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption"), A::Centre, 70},
                           {QStringLiteral("Цвет"), QStringLiteral("ral_s_code"), A::Auto, 100},
                           {QStringLiteral("Цена"), QStringLiteral("price"), A::Auto, 90},
                           {QStringLiteral("Себес."), QStringLiteral("cost_price"), A::Auto, 90}},
                          740, 300);
    // Lines not yet taken into work stand out.
    DBGridEh1->setRowColors([this](int row) {
        zui::DBGrid::RowColors c;
        const int state = app_spec->fieldIndex(QStringLiteral("state"));
        if (state >= 0 && app_spec->value(row, state).toInt() == 0) c.background = QColor(255, 238, 238);
        return c;
    });

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));
    buttons({Button1, Button3}, Button4);
    zui::on(Button1, &QPushButton::clicked, this, &TForm42::Button1Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm42::Button3Click);
}

void TForm42::Button1Click() {
    Form44->Edit1->clear();
    Form44->Edit2->clear();
    Form44->Edit3->clear();
    Form44->ral->close();
    Form44->ral->open();
    Form44->LCB_ral->setKeyValue(0);
    Form44->GroupBox1->setTitle(QStringLiteral("Заявка в производство № ") + QString::number(id_app_doc_sel));
    Form44->Label2->clear();
    Form44->Tag = 1;
    Form44->showModal();
    Form44->ral->close();
}

void TForm42::Button3Click() {
    if (!app_spec->active() || app_spec->isEmpty()) return;
    if (app_spec->fieldByName(QStringLiteral("state")).asInteger() != 0) return zui::msg::error(kInWork);
    const int id = int(app_spec->fieldByName(QStringLiteral("id")).asInteger());
    const int recNo = app_spec->recNo();
    if (!zui::msg::question(QStringLiteral("Удалить строку?"), QStringLiteral("Удаление"))) return;
    // Decided again on the locked line: another workstation may have
    // reserved or deleted it since the list was read.
    enum class Outcome { Deleted, Gone, InWork } outcome;
    {
        zdb::Transaction t(*DataModule6->ADO_DB);
        zdb::Query line(DataModule6->ADO_DB);
        line.setSql(QStringLiteral("select state from mnf_app.app_spec where id=") + QString::number(id) +
                    QStringLiteral(" for update"));
        line.open();
        if (line.isEmpty()) {
            outcome = Outcome::Gone;
        } else if (line.fieldByName(QStringLiteral("state")).asInteger() != 0) {
            outcome = Outcome::InWork;
        } else {
            DataModule6->cmd_all->execute(QStringLiteral("delete from  mnf_app.app_spec where id=") + QString::number(id));
            t.commit();
            outcome = Outcome::Deleted;
        }
    }
    app_spec->reopen();
    zui::restoreRow(app_spec, recNo);
    if (outcome == Outcome::Gone)
        zui::msg::warning(QStringLiteral("Строка уже удалена на другом рабочем месте."));
    else if (outcome == Outcome::InWork)
        zui::msg::error(kInWork);
}
