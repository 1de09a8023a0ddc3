#include "Unit11.h"

#include "Unit5.h"
#include "Unit6.h"
#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm11* Form11 = nullptr;

namespace {

const char* kAppSpec =
    "SELECT sum(as1.cnt-as1.done) as cnt_done, sum(as1.cnt) as sum_all, sum(as1.done) as done, id_ii, ii.marka as ii_s_caption, "
    "m.s_identification as msm_s_caption, format('%s - %s %s'::text, ii.marka, sum(as1.cnt-as1.done), m.s_identification) AS s_full_caption\n"
    "FROM mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii, cmn_msm.msm m\n"
    "where id_ii = ii.id and m.id = ii.id_msm and as1.state=2\n"
    "group by id_ii, ii.marka, m.s_identification";

const char* kAppDocByGds =
    "SELECT as1.id_app_doc, as1.id as id_app_spec, (as1.cnt-as1.done) as cnt_done, (as1.cnt) as sum_all, (as1.done) as done, id_ii, "
    "ii.marka as ii_s_caption, m.s_identification as msm_s_caption, format('%s - %s %s, ЗВП №%s от %s'::text, ii.marka, "
    "(as1.cnt-as1.done), m.s_identification, ad.id, to_char(ad.d_date, 'dd.mm.yyyy')) AS s_full_caption\n"
    "from mnf_app.app_doc ad, mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii, cmn_msm.msm m\n"
    "where id_ii = ii.id and m.id = ii.id_msm and as1.state=2 and ad.id=as1.id_app_doc and ii.id=:id_ii";

const char* kVMnfRequisition =
    "SELECT as1.id_app_doc, as1.id as id_app_spec, (as1.cnt-as1.done) as cnt_done, (as1.cnt) as sum_all, (as1.done) as done, id_ii, "
    "ii.marka as ii_s_caption, m.s_identification as msm_s_caption, format('%s - %s %s'::text, ii.marka, (s.kol_vo), m.s_identification) "
    "AS s_full_caption, as1.cnt-as1.done+s.kol_vo as f_qty_need\n"
    "from mnf_app.app_doc ad, mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, accounts_dep.smena s\n"
    "where id_ii = ii.id and m.id = ii.id_msm and as1.state=2 and ad.id=as1.id_app_doc and ii.id=s.i_id and as1.id_app_doc = s.id_doc "
    "and s.id = :s_id";

const char* kVMnfRequisitionItem =
    "select format('Заявка № %s от %s', doc.id::varchar, to_char(doc.d_date, 'dd.mm.yyyy')) as s_full_caption, doc.id as id_app_spec, "
    "smena.i_id\n"
    "from accounts_dep.smena smena inner join mnf_app.app_doc doc on doc.id = smena.id_doc\n"
    "where smena.id=:s_id";

QString tpOperationSql(const char* typeColumn) {
    return QStringLiteral(
               "select to2.*,%1, o.price from mnf_proc_tech.tp_operation to2\n"
               "left join mnf_operation.operation o on o.id=to2.operation_id\n"
               "left join mnf_operation.operation_type ot on ot.id = o.id_type\n"
               "where to2.app_spec_id =:app_spec_id and to2.cnt> to2.done order by to2.orderby")
        .arg(QLatin1String(typeColumn));
}

const char* kCntDone = "SELECT sum(as1.cnt-as1.done) as cnt_done FROM mnf_app.app_spec as1 where id = :app_spec_id";

const char* kSmenaGdsUse =
    "select o.*, ii.marka, ii.id as id_gds, (select ii1.massa*:kolvo from cmn_inventory_items.inventory_items ii1 "
    "where ii1.id = pt.id_inventory_items) as massa\n"
    "from mnf_operation.operation o, mnf_proc_tech.proc_tech pt, cmn_inventory_items.inventory_items ii\n"
    "where o.id_proc_tech = pt.id and o.id = :o_id and ii.id = pt.id_gds";

const char* kSmenaMaxId = "select max(id) as max_id, w_id from accounts_dep.SMENA group by w_id";

const char* kFioSmenaGds =
    "select person_temp.id ,person.s_caption as s_caption from accounts_dep.person_temp person_temp\n"
    "inner join cmn_contractor.person person on person.id = person_temp.id_person\n"
    "where person_temp.id_smena = :s_id";

const char* kInsPerson = "insert into accounts_dep.person_temp(id_smena, id_person) values(:s_id,:p_id)";

const char* kSaveAll = "select accounts_dep.divide_between_person(:s_id)";

}  // namespace

TForm11::TForm11(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Заведение новой позиции (11)"));

    app_spec = ownQuery(this, "app_spec", QString::fromUtf8(kAppSpec));
    app_doc_by_gds = ownQuery(this, "app_doc_by_gds", QString::fromUtf8(kAppDocByGds));
    v_mnf_requisition = ownQuery(this, "v_mnf_requisition", QString::fromUtf8(kVMnfRequisition));
    v_mnf_requisition_item = ownQuery(this, "v_mnf_requisition_item", QString::fromUtf8(kVMnfRequisitionItem));
    tp_operation = ownQuery(this, "tp_operation", tpOperationSql("ot.s_caption as vid_oper"));
    tp_o = ownQuery(this, "tp_o", tpOperationSql("ot.s_caption"));
    cnt_done = ownQuery(this, "cnt_done", QString::fromUtf8(kCntDone));
    smena_gds_use = ownQuery(this, "smena_gds_use", QString::fromUtf8(kSmenaGdsUse));
    smena_max_id = ownQuery(this, "smena_max_id", QString::fromUtf8(kSmenaMaxId));
    fio_smena_gds = ownQuery(this, "fio_smena_gds", QString::fromUtf8(kFioSmenaGds));
    ins_person = ownCommand(this, "ins_person", QString::fromUtf8(kInsPerson));
    save_all = ownCommand(this, "save_all", QString::fromUtf8(kSaveAll));
    SmenaIU = ownCommand(this, "SmenaIU");

    GroupBox1 = zparts::named(new QGroupBox(QStringLiteral("Закрыто мастером")), "GroupBox1");
    Label13 = zparts::label("Label13", QStringLiteral("Продукция"));
    LCB_id_doc = zparts::named(new zui::LookupBox, "LCB_id_doc");
    LCB_id_doc->setListSource(app_spec, QStringLiteral("id_ii"), QStringLiteral("s_full_caption"));
    LCB_id_doc->setMinimumWidth(360);
    Label14 = zparts::label("Label14", QStringLiteral("Строка"));
    LCB_id_doc_item = zparts::named(new zui::LookupBox, "LCB_id_doc_item");
    LCB_id_doc_item->setListSource(app_doc_by_gds, QStringLiteral("id_app_spec"), QStringLiteral("s_full_caption"));
    Label1 = zparts::label("Label1", QStringLiteral("ФИО"));
    Edit1 = zparts::edit("Edit1", true);
    Button3 = zparts::ellipsis("Button3");
    Label2 = zparts::label("Label2", QStringLiteral("Операция"));
    DBText1 = zparts::dataText("DBText1", tp_operation, QStringLiteral("vid_oper"));
    Label3 = zparts::label("Label3", QStringLiteral("Кол-во"));
    Edit3 = zparts::edit("Edit3");
    Label7 = zparts::label("Label7", QStringLiteral("Время"));
    Edit6 = zparts::edit("Edit6");
    Edit6->setText(QStringLiteral("0"));
    Label5 = zparts::label("Label5", QStringLiteral("Дата"));
    DTimeP = zparts::named(new zui::DatePicker, "DTimeP");
    Label4 = zparts::label("Label4", QStringLiteral("Брак"));
    Edit4 = zparts::edit("Edit4");
    Edit4->setText(QStringLiteral("0"));
    Label11 = zparts::label("Label11", QStringLiteral("Цена база"));
    Edit7 = zparts::edit("Edit7");
    Edit7->setEnabled(false);
    Label9 = zparts::label("Label9", QStringLiteral("Цена итог"));
    Edit8 = zparts::edit("Edit8");
    Edit8->setEnabled(false);
    Label8 = zparts::label("Label8", QStringLiteral("Сумма"));
    Edit5 = zparts::edit("Edit5");
    Edit5->setEnabled(false);
    Label10 = zparts::label("Label10", QString());
    for (QLineEdit* e : {Edit3, Edit5, Edit7, Edit8}) zui::setKeyFilter(e, zui::Keys::DigitsCommaPoint);
    for (QLineEdit* e : {Edit6, Edit4}) zui::setKeyFilter(e, zui::Keys::DigitsOnly);
    Button1 = zparts::button("Button1", QStringLiteral("Запись"));

    auto* fields = new QGridLayout(GroupBox1);
    zparts::addRow(fields, 0, Label13, LCB_id_doc);
    zparts::addRow(fields, 1, Label14, LCB_id_doc_item);
    zparts::addRow(fields, 2, Label1, Edit1, Button3);
    zparts::addRow(fields, 3, Label2, DBText1);
    zparts::addRow(fields, 4, Label3, Edit3);
    zparts::addRow(fields, 5, Label7, Edit6);
    zparts::addRow(fields, 6, Label5, DTimeP);
    zparts::addRow(fields, 7, Label4, Edit4);
    zparts::addRow(fields, 8, Label11, Edit7);
    zparts::addRow(fields, 9, Label9, Edit8);
    zparts::addRow(fields, 10, Label8, Edit5);
    fields->addWidget(Label10, 11, 0);
    fields->addWidget(Button1, 11, 1, Qt::AlignRight);

    Label6 = zparts::label("Label6", QStringLiteral("Бригада"));
    DBGrid2 = zparts::grid("DBGrid2", fio_smena_gds,
                           {{QStringLiteral("Фамилия Имя Отчество"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 260}},
                           300, 200);
    DBGrid2->setEnabled(false);
    Button7 = zparts::button("Button7", QStringLiteral("Добавить"));
    Button8 = zparts::button("Button8", QStringLiteral("Удалить"));
    Button7->setEnabled(false);
    Button8->setEnabled(false);
    Button9 = zparts::button("Button9", QStringLiteral("Сохранить"));
    Button2 = zparts::button("Button2", QStringLiteral("Выход"));

    auto* brigade = new QVBoxLayout;
    brigade->addWidget(Label6);
    brigade->addWidget(DBGrid2, 1);
    brigade->addLayout(zparts::buttonRow({Button7, Button8}));

    auto* body = new QHBoxLayout;
    body->addWidget(GroupBox1);
    body->addLayout(brigade);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(zparts::buttonRow({Button9}, Button2));

    setDefaultButton(Button1);
    zparts::closesScreen(this, Button2);
    zui::on(Button3, &QPushButton::clicked, this, &TForm11::Button3Click);

    setupScreen(zui::Placement::CentredOnDesktop);
}

void TForm11::Button3Click() { pickPerson(true); }

int TForm11::pickPerson(bool hideAdd) {
    unsigned look = zui::Look::ChooseCaption | zui::Look::HideDelete | zui::Look::ChooseDefault | zui::Look::ShowFilter;
    if (hideAdd) look |= zui::Look::HideAdd;
    Form5->showAsPicker(11, look, 0, [this](zdb::Dataset& people) {
        if (people.isEmpty()) {
            Form5->picked = 0;
            return true;
        }
        const int id = int(people.fieldByName(QStringLiteral("id")).asInteger());
        if (record_worker == 0) Edit1->setText(people.fieldByName(QStringLiteral("s_caption")).asString().trimmed());
        if (id == record_worker) {
            Form5->picked = 0;
        } else {
            w_id = id;
            brigade_member = id;
            Form5->picked = 1;
        }
        return true;
    });
    return Form5->picked;
}
