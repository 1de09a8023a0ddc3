#include "Unit31.h"

#include "Unit6.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

TForm31* Form31 = nullptr;

TForm31::TForm31(QWidget* parent)
    : zui::EditorScreen({"Form31", QStringLiteral("Ведение подразделений (31)"), zui::Placement::AsDesigned, DataModule6->ADO_DB, {}, QStringLiteral("Отмена")}, parent) {
    cb_department = zcat::departmentList(this);
    Edit1 = addEdit("Edit1", QStringLiteral("Наименование"));
    Edit2 = addEdit("Edit2", QStringLiteral("Описание"));
    p_department = addLookup("p_department", QStringLiteral("Род. подразделение"), cb_department);
    CheckBox1 = new QCheckBox(QStringLiteral("Склад"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    addRow({}, CheckBox1);
    type_combo = new QComboBox(this);
    type_combo->setObjectName(QStringLiteral("type_combo"));
    type_combo->addItems({QStringLiteral("Склад ГП"), QStringLiteral("Склад заготовок"), QStringLiteral("Склад сырья")});
    typeLabel_ = addRow(QStringLiteral("Тип склада"), type_combo);
    showType(-1);

    zui::on(CheckBox1, &QCheckBox::clicked, this, &TForm31::CheckBox1Click);
}

void TForm31::showType(int type) {
    const bool warehouse = type >= 0 && type < type_combo->count();
    CheckBox1->setChecked(warehouse);
    type_combo->setCurrentIndex(warehouse ? type : -1);
    type_combo->setEnabled(warehouse);
    typeLabel_->setEnabled(warehouse);
}

int TForm31::typeNumber() const { return CheckBox1->isChecked() ? type_combo->currentIndex() : -1; }

void TForm31::CheckBox1Click() { showType(CheckBox1->isChecked() ? 0 : -1); }

void TForm31::Button1Click() {
    if (!filled({Edit1})) return;
    const int type = typeNumber();
    const QString typeText = zdb::quoted(type >= 0 ? type_combo->itemText(type) : QString());
    const QString parent = QString::number(keyOr0(p_department));
    if (Tag == 1) {
        writeAndClose(QStringLiteral("insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)VALUES(") +
                          zcat::sqlText(Edit1) + " ," + zcat::sqlText(Edit2) + ", " + parent + ", " + QString::number(type) + "," +
                          typeText + ")",
                      DataModule6->department);
    } else {
        const QString id = zui::idOf(DataModule6->department);
        updateRememberedAndClose(QStringLiteral("UPDATE cmn_department.department SET s_caption=") + zcat::sqlText(Edit1) +
                          ", s_description=" + zcat::sqlText(Edit2) + ", id_parent=" + parent + ", type='" +
                          QString::number(type) + "', s_type=" + typeText + " where id=" + id,
                      DataModule6->department);
    }
}

void TForm31::FormClose() { cb_department->close(); }

void TForm31::FormActivate() {
    if (Tag != 1)
        rememberRow(DataModule6->department, {{"s_caption", "s_caption"}, {"s_description", "s_description"},
                                              {"id_parent", "id_parent"}, {"type", "type"}});
}
