#include "Unit3.h"

#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm3* Form3 = nullptr;

namespace {

using Align = zui::DBGrid::Align;

}  // namespace

TForm3::TForm3(QWidget* parent)
    : zui::ListScreen({"Form3", QStringLiteral("ТМЦ (3)"), zui::Placement::AsDesigned, DataModule6->inventory_items,
                           QStringLiteral("delete from cmn_inventory_items.inventory_items where id=%1"), QString(), zui::FilterBox::KeyMode::ConsumeUpDown,
                           1160, 460},
                          {{QStringLiteral("Наименование"), QStringLiteral("marka"), Align::Auto, 260},
                           {QStringLiteral("Вид номенклатуры"), QStringLiteral("s_nom"), Align::Auto, 190},
                           {QStringLiteral("Себес."), QStringLiteral("cost_price"), Align::Auto, 70},
                           {QStringLiteral("Ед. изм."), QStringLiteral("s_identification"), Align::Centre, 60},
                           {QStringLiteral("Длина"), QStringLiteral("width"), Align::Auto, 60},
                           {QStringLiteral("Толщина"), QStringLiteral("thick"), Align::Auto, 65},
                           {QStringLiteral("Масса"), QStringLiteral("massa"), Align::Auto, 60},
                           {QStringLiteral("Краска"), QStringLiteral("s_ral"), Align::Centre, 55},
                           {QStringLiteral("Расх. кр."), QStringLiteral("ral_cons"), Align::Auto, 65},
                           {QStringLiteral("Тип ТМЦ"), QStringLiteral("s_type"), Align::Auto, 110},
                           {QStringLiteral("ТП"), QStringLiteral("tp_cnt"), Align::Centre, 40},
                           {QString(), QString(), Align::Auto, 28}},
                          parent) {
    pt_cnt = new zdb::Query(DataModule6->ADO_DB, this);
    pt_cnt->setObjectName(QStringLiteral("pt_cnt"));
    pt_cnt->setSql(QStringLiteral("select count(*) as cnt from mnf_proc_tech.proc_tech pt where pt.id_inventory_items = :id_ii"));

    new zui::FilterBox(Edit1, list(), zui::FilterBox::contains(QStringLiteral("marka")), zui::FilterBox::KeyMode::ConsumeUpDown);
    DBGridEh1->setColumnsResizable(true);
    DBGridEh1->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    sortOnTitle(0, QLatin1String(kSortByName), QStringLiteral("marka DESC, s_nom ASC"));
    sortOnTitle(1, QStringLiteral("s_nom, marka ASC"), QStringLiteral("s_nom DESC, marka ASC"));
    zui::on(DBGridEh1, &zui::DBGrid::cellButtonClicked, this, &TForm3::DBGridEh1CellButtonClick);
    setDefaultButton(Button2);
}

void TForm3::FormActivate() {
    list()->open();
    list()->setSort(QLatin1String(kSortByName));
    focusFilterIfVisible();
}

void TForm3::FormClose() {
    list()->close();
    preset_id_nom = -1;
}

void TForm3::Button1Click() {
    const int recNo = list()->recNo();
    for (QLineEdit* e : {Form7->Edit1, Form7->Edit2, Form7->Edit3, Form7->Edit4, Form7->Edit5}) e->clear();
    Form7->msm->open();
    Form7->operation_state->open();
    Form7->nomenclature->open();
    Form7->combo_nomenclature->setKeyValue(preset_id_nom);
    Form7->Tag = 1;
    Form7->showModal();
    Form7->operation_state->close();
    Form7->nomenclature->close();
    Form7->msm->close();
    zui::restoreRow(list(), recNo);
    if (list()->active()) list()->setSort(QLatin1String(kSortByName));
    focusFilterIfVisible();
}

void TForm3::changeRow() {
    // Without a caller's choice only the catalogue changes a row.
    if (Tag != 0 || !hasRows()) return;
    const int recNo = list()->recNo();
    Form7->msm->open();
    Form7->operation_state->open();
    Form7->nomenclature->open();
    Form7->Tag = 2;
    Form7->Edit1->setText(currentText(QStringLiteral("marka")));
    Form7->Edit2->setText(currentText(QStringLiteral("massa")));
    Form7->Edit3->setText(currentText(QStringLiteral("width")));
    Form7->Edit4->setText(currentText(QStringLiteral("thick")));
    Form7->Edit5->setText(currentText(QStringLiteral("ral_cons")));
    Form7->combo_nomenclature->setKeyValue(int(currentInt(QStringLiteral("id_nom"))));
    Form7->cb_operation_state->setKeyValue(int(currentInt(QStringLiteral("id_type"))));
    Form7->cb_msm->setKeyValue(int(currentInt(QStringLiteral("id_msm"))));
    Form7->showModal();
    Form7->operation_state->close();
    Form7->nomenclature->close();
    Form7->msm->close();
    zui::restoreRow(list(), recNo);
}

int TForm3::pick(int tag, const QString& sql, unsigned look, unsigned undo, zui::Choice choice, const QString& filter) {
    zdb::Query* items = DataModule6->inventory_items;
    struct Restore {
        zdb::Query* items;
        QString kept;
        ~Restore() {
            items->close();
            items->setSql(kept);
        }
    } restore{items, items->sql()};
    items->close();
    items->setSql(sql);
    items->open();
    if (!filter.isEmpty()) {
        items->setFilter(filter);
        items->setFiltered(true);
    }
    return showAsPicker(tag, look, undo, std::move(choice));
}

QString TForm3::pickerSql(const QString& where) {
    return QStringLiteral(
               "select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom, "
               "s_identification,(select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as tp_cnt, "
               "pt2.id_gds, ii2.marka as s_caption_gds  from cmn_inventory_items.inventory_items ii left join "
               "cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom = n.id "
               "left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on ii.id=pt2.id_inventory_items "
               "left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds ") +
           where;
}

bool TForm3::hasProcess(int idItem) {
    pt_cnt->close();
    pt_cnt->setParam(QStringLiteral("id_ii"), idItem);
    pt_cnt->open();
    const bool has = pt_cnt->fieldByName(QStringLiteral("cnt")).asInteger() > 0;
    pt_cnt->close();
    return has;
}

void TForm3::DBGridEh1CellButtonClick(int) {
    // Reached as a picker under the process list, the process list is already open.
    if (!hasRows() || Form4->isShowingModal()) return;
    zdb::Query* processes = DataModule6->proc_tech;
    const int id = currentId();
    processes->setFilter(QStringLiteral("id_inventory_items=") + QString::number(id));
    processes->setFiltered(true);
    processes->open();
    Form4->preset_id_ii = id;
    Form4->preset_marka = list()->fieldByName(QStringLiteral("marka")).asString();
    Form4->Tag = 2;
    Form4->showModal();
    Form4->Tag = 0;
    processes->close();
    processes->setFiltered(false);
}
