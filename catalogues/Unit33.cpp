#include "Unit33.h"

#include "Unit10.h"
#include "Unit3.h"
#include "Unit303.h"
#include "Unit6.h"
#include "zui_msg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm33* Form33 = nullptr;

namespace {

const char* kProductWhere = "where ii.id_type <> 0";
const char* kMaterialWhere = "where ii.id_type <> -1";
const char* kPresetMaterialWhere = "where ii.id_type <> 1 and ii.id_type <> 3";

QPushButton* ellipsis(const char* name) {
    auto* b = new QPushButton(QStringLiteral("..."));
    b->setObjectName(QLatin1String(name));
    b->setFixedWidth(28);
    b->setAutoDefault(false);
    return b;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

void reopenWith(zdb::Query* q, const QString& param, int value) {
    q->close();
    q->setParam(param, value);
    q->open();
}

}  // namespace

TForm33::TForm33(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form33"));
    setWindowTitle(QStringLiteral("Список операций (33)"));

    full_price = new zdb::Query(DataModule6->ADO_DB, this);
    full_price->setObjectName(QStringLiteral("full_price"));
    full_price->setSql(QStringLiteral("select sum(o.price) as full_price from mnf_operation.operation o\n"
                                      "where o.id_proc_tech = :id_pt"));
    max_id_pt = new zdb::Query(DataModule6->ADO_DB, this);
    max_id_pt->setObjectName(QStringLiteral("max_id_pt"));

    GroupBox1 = new QGroupBox(QStringLiteral("Техпроцесс № "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setMinimumWidth(320);
    Button5 = ellipsis("Button5");
    Edit4 = new QLineEdit;
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit4->setReadOnly(true);
    Button7 = ellipsis("Button7");
    Edit3 = new QLineEdit;
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Button6 = button(this, "Button6", QStringLiteral("Сохранить"));
    Label4 = new QLabel(QStringLiteral("Итого:"));
    Label4->setObjectName(QStringLiteral("Label4"));
    DBText1 = new zui::DBText;
    DBText1->setObjectName(QStringLiteral("DBText1"));
    DBText1->setDataField(full_price, QStringLiteral("full_price"));
    DBText1->setMinimumWidth(100);

    auto* header = new QGridLayout(GroupBox1);
    header->addWidget(new QLabel(QStringLiteral("Изделие:")), 0, 0);
    header->addWidget(Edit2, 0, 1);
    header->addWidget(Button5, 0, 2);
    header->addWidget(new QLabel(QStringLiteral("Исходный ТМЦ:")), 1, 0);
    header->addWidget(Edit4, 1, 1);
    header->addWidget(Button7, 1, 2);
    header->addWidget(new QLabel(QStringLiteral("Наименование ТП:")), 2, 0);
    header->addWidget(Edit3, 2, 1);
    auto* saveRow = new QHBoxLayout;
    saveRow->addWidget(Button6);
    saveRow->addStretch();
    saveRow->addWidget(Label4);
    saveRow->addWidget(DBText1);
    header->addLayout(saveRow, 3, 1, 1, 2);

    DBGridEh1 = new zui::DBGrid(this);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setDataset(DataModule6->operation);
    DBGridEh1->addColumn(QStringLiteral("Номер п.п."), QStringLiteral("orderby"), zui::DBGrid::Align::Centre, 80);
    DBGridEh1->addColumn(QStringLiteral("Операция"), QStringLiteral("s_type"), zui::DBGrid::Align::Auto, 260);
    DBGridEh1->addColumn(QStringLiteral("Результат"), QStringLiteral("s_state"), zui::DBGrid::Align::Auto, 160);
    DBGridEh1->addColumn(QStringLiteral("Цена"), QStringLiteral("price"), zui::DBGrid::Align::Auto, 90);
    DBGridEh1->setMinimumSize(640, 260);

    Button1 = button(this, "Button1", QStringLiteral("Добавить"));
    Button2 = button(this, "Button2", QStringLiteral("Изменить"));
    Button3 = button(this, "Button3", QStringLiteral("Удалить"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Button4 = button(this, "Button4", QStringLiteral("Сохранить и выйти"));
    Button8 = button(this, "Button8", QStringLiteral("Отмена"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);
    bottom->addWidget(Button3);
    bottom->addWidget(Edit1, 1);
    bottom->addWidget(Button4);
    bottom->addWidget(Button8);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(DBGridEh1, 1);
    layout->addLayout(bottom);

    zui::on(Button1, &QPushButton::clicked, this, &TForm33::Button1Click);
    zui::on(Button2, &QPushButton::clicked, this, &TForm33::Button2Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm33::Button3Click);
    zui::on(Button4, &QPushButton::clicked, this, &TForm33::Button4Click);
    zui::on(Button5, &QPushButton::clicked, this, &TForm33::Button5Click);
    zui::on(Button6, &QPushButton::clicked, this, &TForm33::Button6Click);
    zui::on(Button7, &QPushButton::clicked, this, &TForm33::Button7Click);
    zui::on(Button8, &QPushButton::clicked, this, &TForm33::Button8Click);
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm33::Button2Click);
    setCancelButton(Button8);
    setupScreen(zui::Placement::CentredOnDesktop);
}

// ---- operations ------------------------------------------------------------------

void TForm33::Button1Click() {
    Form10->Tag = 1;
    if (id_ii_sel == 0 || id_gds_sel == 0) {
        zui::msg::error(QStringLiteral("Необходимо выбрать издение и материал."));
        return;
    }
    reopenWith(Form10->max_num, QStringLiteral("id_pt"), id_pt_edit);
    Form10->Edit1->setText(Form10->max_num->fieldByName(QStringLiteral("orderby")).asString());
    Form10->Edit2->clear();
    Form10->Edit3->clear();
    Form10->operation_state->open();
    Form10->cb_operation_state->setKeyValue(-1);
    Form10->showModal();
    Form10->max_num->close();
    Form10->operation_state->close();
    full_price->reopen();
}

void TForm33::Button2Click() {
    zdb::Query* ops = DataModule6->operation;
    if (ops->isEmpty()) return;  // nothing to change: never an update without a key
    const int rec = ops->recNo();
    Form10->Tag = 0;
    Form10->id_type_sel = int(ops->fieldByName(QStringLiteral("id_type")).asInteger());
    Form10->Edit1->setText(ops->fieldByName(QStringLiteral("orderby")).asString());
    Form10->Edit2->setText(ops->fieldByName(QStringLiteral("s_type")).asString());
    Form10->Edit3->setText(ops->fieldByName(QStringLiteral("price")).asString());
    Form10->operation_state->open();
    Form10->cb_operation_state->setKeyValue(int(ops->fieldByName(QStringLiteral("id_state")).asInteger()));
    Form10->showModal();
    Form10->operation_state->close();
    if (!ops->isEmpty()) ops->setRecNo(rec);
    full_price->reopen();
}

void TForm33::Button3Click() {
    zdb::Query* ops = DataModule6->operation;
    if (ops->isEmpty()) return;
    zui::deleteCurrentRow(ops, QStringLiteral("delete from mnf_operation.operation where id=") + zui::idOf(ops),
                          QStringLiteral("Удалить строку (будет удалена вся спецификация ТП)?"));
    full_price->reopen();
}

// ---- header ----------------------------------------------------------------------

void TForm33::Button6Click() { saveHeader(); }

void TForm33::Button4Click() {
    saveHeader();
    close();
}

void TForm33::Button8Click() { close(); }

void TForm33::saveHeader() {
    zdb::Query* list = DataModule6->proc_tech;
    const int rec = list->recNo();
    if (Edit2->text().isEmpty() && Edit3->text().isEmpty() && Edit4->text().isEmpty()) return;
    const bool changed = Edit2->text() != saved_ii || Edit3->text() != saved_caption || Edit4->text() != saved_gds || id_pt_edit == 0;
    if (!changed) return;
    if (Edit2->text().trimmed().isEmpty() || Edit3->text().trimmed().isEmpty() || Edit4->text().trimmed().isEmpty()) {
        zui::msg::error(QStringLiteral("Все поля должны быть заполнены."));
        return;
    }
    if (!zui::msg::question(QStringLiteral("Сохранить изменения?"), QStringLiteral("Сохраннение"))) return;

    const QString name = zdb::quoted(Edit3->text().trimmed());
    if (Tag == 1 || Tag == 11) {
        // The key comes back from the insert itself: another workstation's insert
        // in between cannot hand us its process.
        max_id_pt->close();
        max_id_pt->setSql(QStringLiteral("insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)VALUES(") + name +
                          " ," + QString::number(id_ii_sel) + " ," + QString::number(id_gds_sel) + ") returning id as max_id");
        max_id_pt->open();
        id_pt_edit = int(max_id_pt->fieldByName(QStringLiteral("max_id")).asInteger());
        max_id_pt->close();
        GroupBox1->setTitle(QStringLiteral("Техпроцесс № ") + QString::number(id_pt_edit));
        reopenWith(DataModule6->operation, QStringLiteral("id_proc_tech"), id_pt_edit);
        reopenWith(full_price, QStringLiteral("id_pt"), id_pt_edit);
        list->reopen();
        Tag = 0;
    } else {
        DataModule6->cmd_all->execute(QStringLiteral("UPDATE mnf_proc_tech.proc_tech SET s_caption=") + name +
                                      ", id_inventory_items=" + QString::number(id_ii_sel) + ", id_gds=" + QString::number(id_gds_sel) +
                                      " where id=" + QString::number(id_pt_edit));
        list->reopen();
    }
    // Taken only once written, so that a failed save is not later seen as "unchanged".
    saved_gds = Edit4->text();
    saved_ii = Edit2->text();
    saved_caption = Edit3->text();
    for (QPushButton* b : {Button1, Button2, Button3, Button4}) b->setEnabled(true);
    if (!list->isEmpty()) list->setRecNo(rec);
}

// ---- item pickers ----------------------------------------------------------------

namespace {

// Form3 is already open underneath when the process list came from the item list;
// the reduced list serves then.
bool itemListBusy() { return Form3->isShowingModal(); }

// Writes the chosen item's name and key into the process's product (2) or material (3) box.
zui::Choice intoBox(int mode) {
    return [mode](zdb::Dataset& items) {
        if (items.isEmpty()) return false;
        const QString marka = items.fieldByName(QStringLiteral("marka")).asString().trimmed();
        const int id = int(items.fieldByName(QStringLiteral("id")).asInteger());
        (mode == 3 ? Form33->Edit4 : Form33->Edit2)->setText(marka);
        (mode == 3 ? Form33->id_gds_sel : Form33->id_ii_sel) = id;
        return true;
    };
}

void pickThroughForm3(int mode, const QString& where) {
    Form3->pick(mode, TForm3::pickerSql(where), zui::Look::ChooseCaption | zui::Look::HideAdd | zui::Look::HideDelete,
                zui::Undo::Buttons, intoBox(mode));
}

void pickThroughForm303(int mode, const QString& where) {
    Form303->Button2->setText(QStringLiteral("Выбрать"));
    Form303->inventory_items->close();
    Form303->inventory_items->setSql(TForm3::pickerSql(where));
    Form303->showAsPicker(mode, 0, 0, intoBox(mode));
}

}  // namespace

void TForm33::Button5Click() {
    if (itemListBusy()) pickThroughForm303(2, QLatin1String(kProductWhere));
    else pickThroughForm3(2, QLatin1String(kProductWhere));
}

void TForm33::Button7Click() {
    if (Tag == 11) pickThroughForm303(3, QLatin1String(kPresetMaterialWhere));
    else if (itemListBusy()) pickThroughForm303(3, QLatin1String(kMaterialWhere));
    else pickThroughForm3(3, QLatin1String(kMaterialWhere));
}
