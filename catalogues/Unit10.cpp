#include "Unit10.h"

#include "Unit33.h"
#include "Unit6.h"
#include "zui_parts.h"
#include "zui_msg.h"
#include "Unit8.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm10* Form10 = nullptr;

TForm10::TForm10(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Операция (10)"));

    max_num = new zdb::Query(DataModule6->ADO_DB, this);
    max_num->setObjectName(QStringLiteral("max_num"));
    max_num->setSql(QStringLiteral(
        "select (case when max(o.orderby) is null then 0 else max(o.orderby) end) +1 as orderby from mnf_operation.operation o\n"
        "where o.id_proc_tech=:id_pt"));
    operation_state = new zdb::Table(DataModule6->ADO_DB, QStringLiteral("mnf_operation.operation_state"), this);
    operation_state->setObjectName(QStringLiteral("operation_state"));
    operation_state->setFilter(QStringLiteral("id<2"));
    operation_state->setFiltered(true);

    GroupBox1 = new QGroupBox(QStringLiteral("Цена операции"), this);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    zui::setKeyFilter(Edit1, zui::Keys::DigitsOnly);
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setMinimumWidth(220);
    Button4 = new QPushButton(QStringLiteral("..."));
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setFixedWidth(28);
    Button4->setAutoDefault(false);
    cb_operation_state = new zui::LookupBox;
    cb_operation_state->setObjectName(QStringLiteral("cb_operation_state"));
    cb_operation_state->setListSource(operation_state, QStringLiteral("id"), QStringLiteral("s_caption"));
    Edit3 = new QLineEdit;
    Edit3->setObjectName(QStringLiteral("Edit3"));
    zui::setKeyFilter(Edit3, zui::Keys::DigitsCommaPoint);

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(new QLabel(QStringLiteral("№ по порядку")), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Операция")), 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(Button4, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Вид")), 2, 0);
    grid->addWidget(cb_operation_state, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Цена")), 3, 0);
    grid->addWidget(Edit3, 3, 1);

    Button1 = new QPushButton(QStringLiteral("Записать"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    zui::on(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
    zui::on(Button4, &QPushButton::clicked, this, &TForm10::Button4Click);
    setDefaultButton(Button1);
    zparts::closesScreen(this, Button2);
    setupScreen(zui::Placement::AsDesigned);
}

void TForm10::FormActivate() { Button1->setFocus(); }

void TForm10::Button1Click() {
    // A type the user cannot see (the last one chosen) must not be written silently.
    if (Edit1->text().trimmed().isEmpty() || Edit2->text().trimmed().isEmpty()) {
        zui::msg::error(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    const QVariant key = cb_operation_state->keyValue();
    const QString type = QString::number(id_type_sel);
    const QString state = key.isValid() ? QString::number(key.toInt()) : QStringLiteral("-1");
    const QString price = DataModule6->NumToSql(Edit3->text().trimmed());
    const QString product = QString::number(Form33->id_ii_sel);
    const QString process = QString::number(Form33->id_pt_edit);
    const QString position = Edit1->text().trimmed();  // digits only, by its key filter

    QString sql;
    if (Tag == 1) {
        sql = QStringLiteral("INSERT INTO mnf_operation.operation(id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)VALUES(") +
              type + "," + state + " ," + price + ", " + product + ", " + process + ", " + position + ")";
    } else {
        const qlonglong id = DataModule6->operation->fieldByName(QStringLiteral("id")).asInteger();
        sql = QStringLiteral("UPDATE mnf_operation.operation SET id_type=") + type + ", id_state=" + state + ", price=" + price +
              ", id_inventory_items=" + product + ", orderby=" + position + " WHERE id=" + QString::number(id);
    }
    DataModule6->cmd_all->execute(sql);
    DataModule6->operation->reopen();
    close();
}

void TForm10::Button4Click() {
    Form8->showAsPicker(1, zui::Look::HideAdd | zui::Look::HideDelete | zui::Look::ChooseDefault | zui::Look::ShowFilter,
                        zui::Undo::ChooseDefault | zui::Undo::HideFilter, [this](zdb::Dataset& types) {
                            // An empty list leaves the operation's type as it was.
                            if (!types.isEmpty()) {
                                Edit2->setText(types.fieldByName(QStringLiteral("s_caption")).asString().trimmed());
                                id_type_sel = int(types.fieldByName(QStringLiteral("id")).asInteger());
                            }
                            return true;
                        });
}
