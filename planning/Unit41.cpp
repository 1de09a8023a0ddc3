#include "Unit41.h"

#include "Unit42.h"
#include "Unit43.h"
#include "Unit6.h"
#include "requests.h"
#include "zui_msg.h"

#include <QLineEdit>

TForm41* Form41 = nullptr;

namespace {

const char* kCntOrderIn =
    "select count(as2.id) as cnt\n"
    "from mnf_app.app_spec as2 \n"
    "where as2.id_app_doc  = :id_app_doc and as2.state !=0 ";

const QString kInWork = QStringLiteral("У ордера есть принятые строки спецификации!\nУдаление невозможно.");

}  // namespace

TForm41::TForm41(QWidget* parent)
    : zui::ListScreen({"Form41", QStringLiteral("Заявки в производство (41)"), zui::Placement::CentredOnDesktop, DataModule6->app_doc,
                       {}, {}, zui::FilterBox::KeyMode::ConsumeAll, 900, 420, false},
                      {{QStringLiteral("№ заявки"), QStringLiteral("id"), zui::DBGrid::Align::Auto, 75},
                       {QStringLiteral("Исполнитель"), QStringLiteral("s_person_caption"), zui::DBGrid::Align::Auto, 220},
                       {QStringLiteral("Контрагент"), QStringLiteral("s_jp_caption"), zui::DBGrid::Align::Auto, 490},
                       {QStringLiteral("Дата пр-ва"), QStringLiteral("d_mnf"), zui::DBGrid::Align::Centre, 90},
                       {QStringLiteral("Дата отгруз."), QStringLiteral("d_out"), zui::DBGrid::Align::Centre, 95},
                       {QStringLiteral("Дата заведения"), QStringLiteral("d_date"), zui::DBGrid::Align::Centre, 140},
                       {}},
                      parent) {
    cnt_order_in = ownQuery(this, "cnt_order_in", QString::fromUtf8(kCntOrderIn));
    // The original list has no default button: Enter does nothing here.
    setDefaultButton(nullptr);
    // A double click opens the lines, not the header editor.
    QObject::disconnect(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, nullptr);
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm41::DBGridEh1DblClick);
    zui::on(DBGridEh1, &zui::DBGrid::cellButtonClicked, this, &TForm41::DBGridEh1DblClick);
}

void TForm41::Button1Click() {
    Form43->Tag = 1;
    Form43->DateTimePicker1->setDate(QDate::currentDate());
    Form43->DateTimePicker2->setDate(QDate::currentDate());
    Form43->showModal();
}

void TForm41::changeRow() {
    if (!hasRows()) return;
    zdb::Dataset* doc = list();
    Form43->Tag = 0;
    const auto dateOf = [doc](const char* field) {
        const QDate d = doc->fieldByName(QLatin1String(field)).asDate();
        return d.isValid() ? d : QDate::currentDate();  // a request written elsewhere without its dates
    };
    Form43->DateTimePicker1->setDate(dateOf("d_mnf"));
    Form43->DateTimePicker2->setDate(dateOf("d_out"));
    Form43->Edit2->setText(currentText(QStringLiteral("s_person_caption")));
    Form43->Edit1->setText(currentText(QStringLiteral("s_jp_caption")));
    Form43->id_person_sel = int(currentInt(QStringLiteral("id_person")));
    Form43->id_jur_person_sel = int(currentInt(QStringLiteral("id_jp")));
    Form43->showModal();
}

void TForm41::Button3Click() {
    if (!hasRows()) return;
    const int id = currentId();
    cnt_order_in->close();
    cnt_order_in->setParam(QStringLiteral("id_app_doc"), id);
    cnt_order_in->open();
    const qlonglong inWork = cnt_order_in->fieldByName(QStringLiteral("cnt")).asInteger();
    cnt_order_in->close();
    if (inWork != 0) return zui::msg::error(kInWork);

    const int recNo = list()->recNo();
    if (!zui::msg::question(QStringLiteral("Удалить заявку (будут удалены все строки спецификации)?"), QStringLiteral("Удаление")))
        return;
    // Decided again on the locked request and lines: another workstation may
    // have deleted the request or reserved a line since the list was read.
    enum class Outcome { Deleted, Gone, InWork } outcome;
    {
        zdb::Transaction t(*DataModule6->ADO_DB);
        if (!zreq::lockRow(QStringLiteral("mnf_app.app_doc"), id)) {
            outcome = Outcome::Gone;
        } else if (zreq::lockLinesInWork(id) != 0) {
            outcome = Outcome::InWork;
        } else {
            DataModule6->cmd_all->execute(QStringLiteral("delete from mnf_app.app_doc where id=") + QString::number(id));
            t.commit();
            outcome = Outcome::Deleted;
        }
    }
    list()->reopen();
    zui::restoreRow(list(), recNo);
    if (outcome == Outcome::Gone)
        zui::msg::warning(QStringLiteral("Заявка № %1 уже удалена на другом рабочем месте.").arg(id));
    else if (outcome == Outcome::InWork)
        zui::msg::error(kInWork);
}

void TForm41::DBGridEh1DblClick() {
    if (!hasRows()) return;
    Form42->id_app_doc_sel = currentId();
    Form42->app_spec->close();
    Form42->app_spec->setParam(QStringLiteral("id_app_doc"), Form42->id_app_doc_sel);
    Form42->app_spec->open();
    Form42->showModal();
    Form42->app_spec->close();
}
