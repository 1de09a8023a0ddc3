#include "Unit4.h"

#include "Unit33.h"
#include "Unit6.h"
#include "zui_msg.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

TForm4* Form4 = nullptr;

namespace {

// "s_ii like 'text%'", the text's apostrophes doubled.
const zui::FilterBox::Expression productStartsWith = zui::FilterBox::startsWith(QStringLiteral("s_ii"));

void reopenWith(zdb::Query* q, const QString& param, int value) {
    q->close();
    q->setParam(param, value);
    q->open();
}

}  // namespace

TForm4::TForm4(QWidget* parent)
    : zui::ListScreen({"Form4", QStringLiteral("Техпроцессы (4)"), zui::Placement::AsDesigned, DataModule6->proc_tech, QString(),
                           QString(), zui::FilterBox::KeyMode::ConsumeAll, 960, 400},
                          {{QStringLiteral("Номер"), QStringLiteral("id"), zui::DBGrid::Align::Auto, 60},
                           {QStringLiteral("Изделие"), QStringLiteral("s_ii"), zui::DBGrid::Align::Auto, 260},
                           {QStringLiteral("Материал"), QStringLiteral("s_gds"), zui::DBGrid::Align::Auto, 200},
                           {QStringLiteral("Наименование"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 300},
                           {QStringLiteral("Цена"), QStringLiteral("full_price"), zui::DBGrid::Align::Auto, 80}},
                          parent) {
    new zui::FilterBox(Edit1, list(), productStartsWith, zui::FilterBox::KeyMode::ConsumeAll);
    // The first click on a title sorts descending, the next one ascending; "Материал" does not sort.
    sortOnTitle(0, QStringLiteral("id ASC"), QStringLiteral("id DESC, s_ii ASC"));
    sortOnTitle(1, QStringLiteral("s_ii ASC"), QStringLiteral("s_ii DESC, id ASC"));
    sortOnTitle(3, QStringLiteral("s_caption  ASC"), QStringLiteral("s_caption DESC, s_ii, id ASC"));
    sortOnTitle(4, QStringLiteral("full_price, s_ii, id ASC"), QStringLiteral("full_price DESC, s_ii, id ASC"));
}

void TForm4::FormActivate() {
    if (!Edit1->isVisible()) return;
    Edit1->setFocus();
    if (!Edit1->text().trimmed().isEmpty()) {
        DataModule6->proc_tech->setFilter(productStartsWith(Edit1->text()));
        DataModule6->proc_tech->setFiltered(true);
    }
}

void TForm4::Button1Click() {
    Form33->Tag = 1;
    reopenWith(Form33->full_price, QStringLiteral("id_pt"), 0);
    reopenWith(DataModule6->operation, QStringLiteral("id_proc_tech"), 0);
    for (QPushButton* b : {Form33->Button1, Form33->Button2, Form33->Button3, Form33->Button4}) b->setEnabled(false);
    Form33->id_gds_sel = 0;
    if (Tag == 2) {
        Form33->id_ii_sel = preset_id_ii;
        Form33->Edit2->setText(preset_marka);
        Form33->saved_ii = Form33->saved_caption = Form33->saved_gds = preset_marka;
        Form33->Tag = 11;
    } else {
        Form33->id_ii_sel = 0;
        Form33->Edit2->clear();
        Form33->saved_ii.clear();
        Form33->saved_caption.clear();
        Form33->saved_gds.clear();
    }
    Form33->id_pt_edit = 0;
    Form33->GroupBox1->setTitle(QStringLiteral("Техпроцесс № "));
    Form33->Edit1->clear();
    Form33->Edit3->clear();
    Form33->Edit4->clear();
    const int rec = list()->recNo();
    Form33->showModal();
    DataModule6->operation->close();
    Form33->full_price->close();
    // The operations added after the first save change the process's total.
    list()->reopen();
    if (Form33->id_pt_edit == 0 || !list()->locate(QStringLiteral("id"), Form33->id_pt_edit)) zui::restoreRow(list(), rec);
}

void TForm4::changeRow() {
    zdb::Query* list = DataModule6->proc_tech;
    if (list->isEmpty()) return;
    const int rec = list->recNo();
    const int id = int(list->fieldByName(QStringLiteral("id")).asInteger());
    Form33->id_pt_edit = id;
    Form33->id_ii_sel = int(list->fieldByName(QStringLiteral("id_inventory_items")).asInteger());
    Form33->id_gds_sel = int(list->fieldByName(QStringLiteral("id_gds")).asInteger());
    reopenWith(Form33->full_price, QStringLiteral("id_pt"), id);
    Form33->Tag = 0;
    Form33->GroupBox1->setTitle(QStringLiteral("Техпроцесс № ") + QString::number(id));
    reopenWith(DataModule6->operation, QStringLiteral("id_proc_tech"), id);
    Form33->saved_ii = list->fieldByName(QStringLiteral("s_ii")).asString().trimmed();
    Form33->saved_caption = list->fieldByName(QStringLiteral("s_caption")).asString().trimmed();
    Form33->saved_gds = list->fieldByName(QStringLiteral("s_gds")).asString().trimmed();
    Form33->Edit2->setText(Form33->saved_ii);
    Form33->Edit3->setText(Form33->saved_caption);
    Form33->Edit4->setText(Form33->saved_gds);
    Form33->Edit1->clear();
    for (QPushButton* b : {Form33->Button1, Form33->Button2, Form33->Button3, Form33->Button4}) b->setEnabled(true);
    Form33->showModal();
    DataModule6->operation->close();
    Form33->full_price->close();
    list->reopen();
    list->setRecNo(rec);
}

void TForm4::Button3Click() {
    zdb::Query* list = DataModule6->proc_tech;
    if (list->isEmpty()) return;
    zui::deleteCurrentRow(list, QStringLiteral("delete from mnf_proc_tech.proc_tech where id=") + zui::idOf(list),
                          QStringLiteral("Удалить строку (будет удалена вся спецификация ТП)?"));
}

