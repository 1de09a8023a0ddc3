#include "Unit55.h"

#include "Unit6.h"

#include <QDate>

TForm55* Form55 = nullptr;

namespace {

const char* kSmena =
    "SELECT s.* \n"
    "FROM accounts_dep.smena s  \n"
    "where s.id_doc_item = :id_doc_item";

// What the line's shift records took out of stock (docs/STOCK.md): a record of
// the line's first operation took its f_gds_qty_use of the material and
// ral_cons x kol_vo of the paint, from the rows of the warehouses that the
// line's issue lines name. One row per stock row to give back to.
const char* kGiveBack =
    "select st.id as stock_id, g.id_ii, g.q from (\n"
    "  select s.id_gds_use as id_ii, sum(s.f_gds_qty_use) as q from accounts_dep.smena s\n"
    "  where s.id_doc_item = %1 and %2 group by s.id_gds_use\n"
    "  union all\n"
    "  select as1.id_ral, sum(ii.ral_cons * s.kol_vo) from accounts_dep.smena s\n"
    "  join mnf_app.app_spec as1 on as1.id = s.id_doc_item join cmn_inventory_items.inventory_items ii on ii.id = as1.id_ii\n"
    "  where s.id_doc_item = %1 and as1.id_ral <> 0 and %2 group by as1.id_ral) g\n"
    "left join lateral (select so.id_stock_out from stk_stocks.spec_out so where so.id_app_spec = %1 and so.id_gds = g.id_ii\n"
    "  order by so.id limit 1) so on true\n"
    "left join stk_stocks.stock st on st.id_stock = so.id_stock_out and st.id_ii = g.id_ii\n"
    "where g.q <> 0 order by st.id";

const char* kFirstOperation =
    "exists (select 1 from mnf_proc_tech.tp_operation t where t.app_spec_id = s.id_doc_item and t.operation_id = s.o_id and t.orderby = 1)";

}  // namespace

using A = zui::DBGrid::Align;

TForm55::TForm55(QWidget* parent)
    : zui::GridScreen({"Form55", QStringLiteral("Заявки в производство (55)"), zui::Placement::CentredOnDesktop, nullptr, 1200, 460},
                      {{QStringLiteral("Изделие"), QStringLiteral("ii_s_caption"), A::Auto, 160},
                       {QStringLiteral("Заявка"), QStringLiteral("id_app_doc")},
                       {QStringLiteral("Основание"), QStringLiteral("ad_id_app_doc")},
                       {QStringLiteral("Готово"), QStringLiteral("done")},
                       {QStringLiteral("Сделать"), QStringLiteral("cnt_done")},
                       {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")},
                       {QStringLiteral("Резерв"), QStringLiteral("yesno")},
                       {QStringLiteral("Краска"), QStringLiteral("ral_s_caption"), A::Auto, 100},
                       {QStringLiteral("Потреб. краски"), QStringLiteral("ral_need")},
                       {QStringLiteral("Склад краска"), QStringLiteral("stk_ral")},
                       {QStringLiteral("ТМЦ"), QStringLiteral("gds_s_caption"), A::Auto, 140},
                       {QStringLiteral("Потреб. ТМЦ"), QStringLiteral("gds_need")},
                       {QStringLiteral("Склад ТМЦ"), QStringLiteral("stk_gds")},
                       {QStringLiteral("Принято"), QStringLiteral("yesno_stk")}},
                      parent),
      reserve_(this, DataModule6->ADO_DB,
               {false, true, true, [this] { zui::reopenKeepingRow(app_spec); }, [this] { zui::reopenKeepingRow(app_spec); }, {}}) {
    app_spec = ownQuery(this, "app_spec", TDataModule6::appSpecSql({}, false));
    proc_tech = reserve_.proc_tech;
    price_ral = reserve_.price_ral;
    app_doc = reserve_.app_doc;
    gds_needed = reserve_.gds_needed;
    cost_price = reserve_.cost_price;
    purchase_doc = reserve_.purchase_doc;
    smena = ownQuery(this, "smena", QString::fromUtf8(kSmena));
    setList(app_spec);
    Button1 = addButton("Button1", QStringLiteral("Очистить работы"));
    Button2 = addButton("Button2", QStringLiteral("На склад"));
    Button1->setVisible(false);
    setDefaultButton(Button2);
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm55::DBGridEh1DblClick);
    zui::on(Button1, &QPushButton::clicked, this, &TForm55::Button1Click);
    zui::on(Button2, &QPushButton::clicked, this, &TForm55::Button2Click);
}

void TForm55::showFromBoard() {
    app_spec->open();
    Button1->setVisible(true);
    showModal();
    app_spec->close();
    Button1->setVisible(false);
}

void TForm55::DBGridEh1DblClick() { reserve_.run(*app_spec); }

void TForm55::Button1Click() {
    if (!hasRows()) return;
    const int line = currentId();
    zdb::Connection* db = DataModule6->ADO_DB;
    {
        zdb::Transaction t(*db);
        zdb::Query lock(db);
        lock.setSql(QStringLiteral("select accept_stock, state from mnf_app.app_spec where id=%1 for update").arg(line));
        lock.open();
        if (lock.isEmpty())
            throw zdb::DbError(QStringLiteral("Строка заявки %1 не найдена: её удалили на другом рабочем месте").arg(line));
        // A line taken into stock keeps its works; one not yet issued has none.
        if (lock.fieldByName(QStringLiteral("accept_stock")).asInteger() == 2 ||
            lock.fieldByName(QStringLiteral("state")).asInteger() < 2)
            return;
        zdb::Query records(db);
        records.setSql(QStringLiteral("select id from accounts_dep.smena where id_doc_item=%1 order by id for update").arg(line));
        records.open();

        zdb::Query back(db);
        back.setSql(QString::fromUtf8(kGiveBack).arg(line).arg(QString::fromUtf8(kFirstOperation)));
        back.open();
        QStringList rows;
        for (back.first(); !back.eof(); back.next()) {
            if (back.fieldByName(QStringLiteral("stock_id")).isNull())
                throw zdb::DbError(QStringLiteral("Строка заявки %1: не найден склад, с которого отпущен ТМЦ %2; работы не очищены")
                                       .arg(line)
                                       .arg(back.fieldByName(QStringLiteral("id_ii")).asInteger()));
            rows << QString::number(back.fieldByName(QStringLiteral("stock_id")).asInteger());
        }
        if (!rows.isEmpty()) {
            zdb::Query stock(db);
            stock.setSql(QStringLiteral("select id from stk_stocks.stock where id in (") + rows.join(QLatin1Char(',')) +
                         QStringLiteral(") order by id for update"));
            stock.open();
        }
        for (back.first(); !back.eof(); back.next()) {
            const QString q = reserve::sqlNumber(back.fieldByName(QStringLiteral("q")));
            reserve::writeRows(db,
                               QStringLiteral("UPDATE stk_stocks.stock SET reserve=reserve+%1, count=count+%1 WHERE id=%2")
                                   .arg(q)
                                   .arg(back.fieldByName(QStringLiteral("stock_id")).asInteger()),
                               1, QStringLiteral("Строка склада не найдена; работы не очищены"));
        }

        // The records' hours leave the timesheet; a cell never goes below 0.
        smena->close();
        smena->setParam(QStringLiteral("id_doc_item"), line);
        smena->open();
        for (smena->first(); !smena->eof(); smena->next()) {
            const QDate day = smena->fieldByName(QStringLiteral("data")).asDate();
            const QString cell = QStringLiteral("d%1").arg(day.day());
            db->execute(QStringLiteral("update accounts_dep.h_tabel set %1=greatest(coalesce(%1, 0) - %2, 0) where w_id=%3 and smena=%4 "
                                       "and month=%5 and year=%6")
                            .arg(cell)
                            .arg(smena->fieldByName(QStringLiteral("time")).asInteger())
                            .arg(smena->fieldByName(QStringLiteral("w_id")).asInteger())
                            .arg(smena->fieldByName(QStringLiteral("smena")).asInteger())
                            .arg(day.month())
                            .arg(day.year()));
        }
        smena->close();

        db->execute(QStringLiteral("UPDATE mnf_app.app_spec SET done=0, state=2 WHERE id=%1").arg(line));
        db->execute(QStringLiteral("UPDATE mnf_proc_tech.tp_operation SET done=0 WHERE app_spec_id=%1").arg(line));
        db->execute(QStringLiteral("delete from accounts_dep.person_temp where id_smena in "
                                   "(select id from accounts_dep.smena where id_doc_item=%1)")
                        .arg(line));
        db->execute(QStringLiteral("delete from accounts_dep.smena where id_doc_item=%1").arg(line));
        t.commit();
    }
    zui::reopenKeepingRow(app_spec);
}

void TForm55::Button2Click() {
    const int person = person_id ? person_id() : 0;
    if (person == 0) return zui::msg::warning(QStringLiteral("Нет данных о работнике!"));
    const QString today = zdb::quoted(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    DataModule6->cmd_all->execute(QStringLiteral("INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out, m_id)VALUES(1, ") +
                                  QString::number(person) + ", " + today + ", " + today + ", " +
                                  QString::number(user_id ? user_id() : 0) + ")");
}
