#include "Unit6.h"

#include "zorna_config.h"

#include <QRegularExpression>

TDataModule6* DataModule6 = nullptr;

namespace {

const char* kWorkers =
    "SELECT person.s_caption, s_second_name, s_first_name, s_third_name, b_employee, person.id, staff.s_caption s_staffpos, "
    "staff.id staff_id, dep.s_caption s_department, dep.id dep_id , roles.s_caption s_role, roles.id role_id\n"
    "FROM hrms_staffpos.staffpos staff, cmn_contractor.person person, cmn_department.department dep, adm_role.roles roles\n"
    "where person.b_employee = true and staff.id=person.id_staffpos and dep.id=person.id_department and roles.id = person.id_role\n"
    "order by s_caption";

const char* kOperation =
    "select distinct o.*, ot.s_caption s_type, ii.marka, os.s_caption s_state\n"
    "from mnf_operation.operation o, mnf_operation.operation_type ot, cmn_inventory_items.inventory_items ii, mnf_operation.operation_state os\n"
    "where ii.id=o.id_inventory_items and ot.id = o.id_type and o.id_proc_tech = :id_proc_tech and os.id = o.id_state\n"
    "order by orderby";

const char* kOperationType = "select * from mnf_operation.operation_type order by s_caption";

const char* kDepartment =
    "select d.*, d1.s_caption s_parent\n"
    "from cmn_department.department d, cmn_department.v_department d1\n"
    "where d.id_parent = d1.id order by s_caption;";

const char* kInventoryItems =
    "select ii.*, (CASE ii.ral WHEN true THEN '+' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom, m.s_identification,\n"
    "(select count(pt.id) from mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as tp_cnt,pt2.id_gds, ii2.marka as s_caption_gds\n"
    "from cmn_inventory_items.inventory_items ii\n"
    "left join cmn_inventory_items.ii_type it on ii.id_type = it.id\n"
    "left join cmn_inventory_items.nomenclature n on ii.id_nom = n.id\n"
    "left join cmn_msm.msm m on m.id = ii.id_msm\n"
    "left join mnf_proc_tech.proc_tech pt2 on ii.id=pt2.id_inventory_items\n"
    "left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds\n"
    "order by ii.marka";

const char* kStaffpos =
    "SELECT s.*, d.s_caption s_dep FROM hrms_staffpos.staffpos s, cmn_department.department d\n"
    "where d.id=s.id_department order by s.s_caption";

const char* kNomenclature =
    "select n.*, d.s_caption s_department from cmn_inventory_items.nomenclature n, cmn_department.department d\n"
    "where d.id=n.id_department order by s_caption";

const char* kRole = "select *, case when b_active then '+' else '-' end as yesno from adm_role.roles order by s_caption";

const char* kProcTech =
    "select (case when sum(o.price) is null then 0 else sum(o.price) end) as full_price, pt.id, pt.s_caption, ii.marka as s_ii,\n"
    "pt.id_inventory_items, pt.id_gds, ii2.marka s_gds\n"
    "from mnf_proc_tech.proc_tech pt\n"
    "left outer join mnf_operation.operation o on pt.id = o.id_proc_tech\n"
    "left join cmn_inventory_items.inventory_items ii on ii.id = pt.id_inventory_items\n"
    "left join cmn_inventory_items.inventory_items ii2 on ii2.id = pt.id_gds\n"
    "group by pt.id, ii.marka, ii2.marka order by s_ii";

const char* kJurPerson = "select jp.* from cmn_contractor.jur_person jp order by jp.s_caption";

const char* kStock =
    "select s.*, (s.count-s.reserve) as balance, ii.marka as ii_caption, d.s_caption d_caption\n"
    "from stk_stocks.stock s, cmn_inventory_items.inventory_items ii, cmn_department.department d\n"
    "where s.id_ii = ii.id and s.id_stock =d.id and s.count>0 and (d.\"type\" =2 or d.\"type\" =1)";

const char* kStockIn =
    "select si.*, jp.s_full_caption as jp_caption, d.s_caption as dep_caption,\n"
    "(select count(si2.id) from stk_stocks.spec_in si2 where si2.accept = false and si.id=si2.id_stock_in) as cnt_accept\n"
    "from stk_stocks.stock_in si, cmn_contractor.jur_person jp, cmn_department.department d\n"
    "where si.id_jur_pers = jp.id and si.id_department = d.id and d.\"type\" <>0\n"
    "group by si.id, jp.s_full_caption, d.s_caption;";

const char* kAppDoc =
    "SELECT ad.*, jp.s_full_caption s_jp_caption, p.s_caption s_person_caption, d_mnf, d_out, jp.id as id_jp, p.id as id_person\n"
    "FROM mnf_app.app_doc ad, cmn_contractor.jur_person jp, cmn_contractor.person p\n"
    "where ad.id_jur_person = jp.id and ad.id_person = p.id and ad.id_app_doc =0\n"
    "order by d_date DESC";

const char* kSpecOut =
    "SELECT ii.marka, ii.id as ii_id, ii.id_nom, d.s_caption , id_stock_out, cnt_gds, d_datetime, so.accept, so.id, so.id_app_doc,\n"
    "m.s_identification as msm_caption, as2.id_ral, case when so.accept then 'Да' else 'Нет' end as yesno, id_app_spec, ii.ral_cons,\n"
    "so.price, so.price*so.cnt_gds::t_money as all_price_gds\n"
    "FROM stk_stocks.spec_out so, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, cmn_department.department d, mnf_app.app_spec as2\n"
    "where ii.id = so.id_gds and ii.id_msm = m.id and d.id = so.id_stock_out and as2.id=id_app_spec\n"
    "order by id_app_doc desc, so.id_app_spec asc, ii.marka asc";

const char* kUser = "select * from adm_user.users u where s_name = :s_name";

}  // namespace

QString TDataModule6::smenaSql(int shift) {
    if (shift < 1 || shift > 4) shift = 1;
    return QStringLiteral(
               "select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, smena.cena,person.s_caption fio, ii1.marka,\n"
               "ot.s_caption vid_oper, (SELECT (CASE id_state WHEN 0 THEN 'Готовая продукция' ELSE 'Заготовки' END)) as nmn, o.id,\n"
               "smena.kol_vo, smena.brak, round((kol_vo::numeric-brak::numeric)*smena.cena::numeric, 2) as summa, smena.prize,time,\n"
               "smena.ok, date(vvod) as vvod, smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use,\n"
               "ii.marka as s_caption_color\n"
               "from cmn_contractor.person person,cmn_inventory_items.inventory_items ii1, mnf_operation.operation o,accounts_dep.smena,\n"
               "mnf_operation.operation_type ot, mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii\n"
               "where smena.i_id=ii1.id and smena.o_id=o.id and ii.id = as2.id_ral and as2.id_ii = ii1.id and as2.id=smena.id_doc_item\n"
               "and o.id_type=ot.id and smena.smena=%1 and smena.data=:data and ok!=:OK and smena.w_id= person.id\n"
               "order by ii1.marka, fio,ot.s_caption, o.id")
        .arg(shift);
}

TDataModule6::TDataModule6(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("DataModule6"));
    ADO_DB = new zdb::Connection(this);
    ADO_DB->setObjectName(QStringLiteral("ADO_DB"));
    ADO_DB->setConnectionString(storedConnectionString());
    ADO_DB->setSessionSetup(sessionSetup());

    workers = query("workers", QString::fromUtf8(kWorkers));
    Control = query("Control", QString());
    cmd_all = new zdb::Command(ADO_DB, this);
    cmd_all->setObjectName(QStringLiteral("cmd_all"));
    operation = query("operation", QString::fromUtf8(kOperation));
    operation_type = query("operation_type", QString::fromUtf8(kOperationType));
    Smena1 = query("Smena1", smenaSql(1));
    Smena2 = query("Smena2", smenaSql(2));
    Smena3 = query("Smena3", smenaSql(3));
    Smena4 = query("Smena4", smenaSql(4));
    DelSmena = new zdb::Command(ADO_DB, this);
    DelSmena->setObjectName(QStringLiteral("DelSmena"));
    H_Tabel_ins = new zdb::Command(ADO_DB, this);
    H_Tabel_ins->setObjectName(QStringLiteral("H_Tabel_ins"));
    department = query("department", QString::fromUtf8(kDepartment));
    inventory_items = query("inventory_items", QString::fromUtf8(kInventoryItems));
    ver = new zdb::Table(ADO_DB, QStringLiteral("ver"), this);
    ver->setObjectName(QStringLiteral("ver"));
    staffpos = query("staffpos", QString::fromUtf8(kStaffpos));
    nomenclature = query("nomenclature", QString::fromUtf8(kNomenclature));
    role = query("role", QString::fromUtf8(kRole));
    proc_tech = query("proc_tech", QString::fromUtf8(kProcTech));
    jur_person = query("jur_person", QString::fromUtf8(kJurPerson));
    stock = query("stock", QString::fromUtf8(kStock));
    stock_in = query("stock_in", QString::fromUtf8(kStockIn));
    msm = new zdb::Table(ADO_DB, QStringLiteral("cmn_msm.msm"), this);
    msm->setObjectName(QStringLiteral("msm"));
    app_doc = query("app_doc", QString::fromUtf8(kAppDoc));
    app_spec = query("app_spec", appSpecSql(QStringLiteral("as1.id_ii = :ii_id")));
    spec_out = query("spec_out", QString::fromUtf8(kSpecOut));
    user = query("user", QString::fromUtf8(kUser));
}

zdb::Query* TDataModule6::query(const char* name, const QString& sql) {
    auto* q = new zdb::Query(ADO_DB, this);
    q->setObjectName(QString::fromLatin1(name));
    q->setSql(sql);
    return q;
}

namespace {

QString& storedLogin() {
    static QString login = QStringLiteral("zorna_startup");
    return login;
}
QString& storedPassword() {
    static QString password = QStringLiteral(ZORNA_STARTUP_PASSWORD);
    return password;
}

// A value that needs no braces is left as the driver's own strings have it.
QString plainOrBraced(const QString& v) {
    static const QRegularExpression special(QStringLiteral("[;{}=\\s]"));
    return v.contains(special) ? zdb::connectionValue(v) : v;
}

// TCP keepalive: a dead server or network ends a wait within about a minute.
const char* kKeepalive = "pqopt={keepalives=1 keepalives_idle=30 keepalives_interval=10 keepalives_count=3 tcp_user_timeout=60000}";

}  // namespace

TDataModule6::Target TDataModule6::target(const QStringList& args) {
    Target t;
    if (args.size() >= 2) {
        t.server = args[0];
        t.database = args[1];
    } else if (args.size() == 1) {
        t.dataSource = args[0];
    } else {
        t.dataSource = QStringLiteral("zorna_erp_dev");
    }
    return t;
}

QString TDataModule6::connectionString(const QStringList& args, const QString& login, const QString& password) {
    const Target t = target(args);
    if (t.direct())
        return QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + plainOrBraced(t.database) + QStringLiteral(";SERVER=") +
               plainOrBraced(t.server) + QStringLiteral(";PORT=5432;UID=") + plainOrBraced(login) + QStringLiteral(";PWD=") +
               zdb::connectionValue(password) + QStringLiteral(";SSLmode=prefer;") +
               QStringLiteral("ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;Fetch=100;"
                              "UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;") +
               QStringLiteral("Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;"
                              "ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;") +
               QStringLiteral("TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;D6=-101;"
                              "OptionalErrors=0;XaOpt=1;") +
               QLatin1String(kKeepalive);
    return QStringLiteral("Provider=MSDASQL.1;Password=") + zdb::connectionValue(password) +
           QStringLiteral(";Persist Security Info=True;User ID=") + plainOrBraced(login) + QStringLiteral(";Data Source=") +
           plainOrBraced(t.dataSource) + QLatin1Char(';') + QLatin1String(kKeepalive);
}

QString TDataModule6::storedConnectionString(const QStringList& args) {
    return connectionString(args, storedLogin(), storedPassword());
}

void TDataModule6::setStoredAccount(const QString& login, const QString& password) {
    storedLogin() = login;
    storedPassword() = password;
}

QString TDataModule6::sessionSetup() {
    return QStringLiteral("SET statement_timeout = '120s'; SET lock_timeout = '15s';");
}

void TDataModule6::openStoredConnection(const QStringList& args) {
    ADO_DB->close();
    ADO_DB->setConnectionString(storedConnectionString(args));
    ADO_DB->open();
}

void TDataModule6::setDelim(const QString& fromVer) {
    if (fromVer != QLatin1String(".") && fromVer != QLatin1String(",")) {
        delim.clear();
        throw zdb::DbError(QStringLiteral("Десятичный разделитель в таблице ver должен быть «.» или «,», а записано «%1». "
                                          "Обратитесь к администратору.")
                               .arg(fromVer.left(40)));
    }
    delim = fromVer;
}

zdb::Query* TDataModule6::smena(int shift) const {
    switch (shift) {
    case 2: return Smena2;
    case 3: return Smena3;
    case 4: return Smena4;
    default: return Smena1;
    }
}

QString TDataModule6::appSpecSql(const QString& where, bool whole) {
    // Free stock of an item: count less reserve, summed over all its rows.
    // Processes are taken once per material, so a line is listed once per
    // material of its product and its sums are never multiplied.
    // The plant-wide list carries only what its grid shows and the keys the
    // reserve starts from (it reads the rest under lock): with a hundred
    // thousand lines every column costs.
    const QString fields = whole
        ? QStringLiteral(
              "SELECT as1.id, as1.cnt-as1.done as cnt_done, as1.cnt, as1.done, as1.id_ii, ii.marka ii_s_caption, m.s_identification as msm_s_caption,\n"
              "as1.id_app_doc, ii.ral_cons, as1.job_price, as1.gds_price,\n"
              "(case when as1.id_ral = 0 then 0 else ii.ral_cons*as1.cnt end)::t_money as ral_need, ii2.marka as ral_s_caption,\n"
              "(ii.massa*as1.cnt)::t_money as gds_need, ii1.marka as gds_s_caption, ii1.id as id_gds, ii1.id_type as id_type_gds,\n"
              "case when ad.id_app_doc=0 then NULL else ad.id_app_doc end as ad_id_app_doc, ad.d_mnf, ad.d_out, ad.id_jur_person, ad.id_person, ad.id_app_spec,\n"
              "coalesce(fg.free, 0) as stk_gds, coalesce(fr.free, 0) as stk_ral,\n"
              "(case when as1.accept then 'Да' else 'Нет' end)::varchar(3) as yesno,as1.accept, (ii.massa*as1.cnt)::t_money as massa_gds, as1.id_ral,\n"
              "(case when as1.accept_stock=2 then 'Да' else 'Нет' end)::varchar(3) as yesno_stk,as1.accept_stock\n")
        : QStringLiteral(
              "SELECT as1.id, as1.cnt-as1.done as cnt_done, as1.done, as1.id_ii, ii.marka ii_s_caption, m.s_identification as msm_s_caption,\n"
              "as1.id_app_doc, (case when as1.id_ral = 0 then 0 else ii.ral_cons*as1.cnt end)::t_money as ral_need, ii2.marka as ral_s_caption,\n"
              "(ii.massa*as1.cnt)::t_money as gds_need, ii1.marka as gds_s_caption, ii1.id as id_gds,\n"
              "case when ad.id_app_doc=0 then NULL else ad.id_app_doc end as ad_id_app_doc,\n"
              "coalesce(fg.free, 0) as stk_gds, coalesce(fr.free, 0) as stk_ral,\n"
              "(case when as1.accept then 'Да' else 'Нет' end)::varchar(3) as yesno, as1.id_ral,\n"
              "(case when as1.accept_stock=2 then 'Да' else 'Нет' end)::varchar(3) as yesno_stk,as1.accept_stock\n");
    return QStringLiteral("with free as (select s.id_ii, sum(s.count - s.reserve) as free from stk_stocks.stock s group by s.id_ii)\n") +
           fields +
           QStringLiteral(
               "FROM mnf_app.app_spec as1\n"
               "join cmn_inventory_items.inventory_items ii on ii.id = as1.id_ii\n"
               "join cmn_msm.msm m on m.id = ii.id_msm\n"
               "join cmn_inventory_items.inventory_items ii2 on ii2.id = as1.id_ral\n"
               "join (select distinct p.id_inventory_items, p.id_gds from mnf_proc_tech.proc_tech p) pt on pt.id_inventory_items = ii.id\n"
               "join cmn_inventory_items.inventory_items ii1 on ii1.id = pt.id_gds\n"
               "join mnf_app.app_doc ad on ad.id = as1.id_app_doc\n"
               "left join free fg on fg.id_ii = ii1.id\n"
               "left join free fr on fr.id_ii = as1.id_ral\n") +
           (where.isEmpty() ? QString() : QStringLiteral("where ") + where + QLatin1Char('\n')) +
           QStringLiteral("order by as1.id_app_doc DESC, as1.id desc");
}

QString TDataModule6::NumToSql(const QString& text, bool allowMinus) const {
    const QString t = text.trimmed();
    if (t.isEmpty()) return QStringLiteral("0");
    const auto refuse = [&text] {
        throw zdb::DbError(QStringLiteral("«%1» не является числом").arg(text.left(60)));
    };
    if (delim != QLatin1String(".") && delim != QLatin1String(","))
        throw zdb::DbError(QStringLiteral("Десятичный разделитель базы не прочитан; число не записано"));
    qsizetype i = 0;
    const bool negative = t[0] == QLatin1Char('-');
    if (negative) {
        if (!allowMinus) throw zdb::DbError(QStringLiteral("«%1»: число не может быть отрицательным").arg(text.left(60)));
        ++i;
    }
    QString whole, fraction;
    bool separator = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            (separator ? fraction : whole) += c;
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !separator) {
            separator = true;
        } else {
            refuse();
        }
    }
    if (whole.isEmpty() && fraction.isEmpty()) refuse();
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0'))) whole.remove(0, 1);
    if (whole.isEmpty()) whole = QStringLiteral("0");
    while (fraction.endsWith(QLatin1Char('0'))) fraction.chop(1);
    QString significant = (whole == QLatin1String("0") ? QString() : whole) + fraction;
    while (significant.startsWith(QLatin1Char('0'))) significant.remove(0, 1);
    if (significant.size() > 15)
        throw zdb::DbError(QStringLiteral("«%1»: больше 15 значащих цифр").arg(text.left(60)));
    const bool zero = significant.isEmpty();
    QString out = (negative && !zero) ? QStringLiteral("-") : QString();
    out += whole;
    if (!fraction.isEmpty()) out += delim + fraction;
    return out;
}

zdb::Query* ownQuery(QObject* owner, const char* name, const QString& sql) {
    auto* q = new zdb::Query(DataModule6->ADO_DB, owner);
    q->setObjectName(QLatin1String(name));
    if (!sql.isEmpty()) q->setSql(sql);
    return q;
}

zdb::Command* ownCommand(QObject* owner, const char* name, const QString& sql) {
    auto* c = new zdb::Command(DataModule6->ADO_DB, owner);
    c->setObjectName(QLatin1String(name));
    if (!sql.isEmpty()) c->setText(sql);
    return c;
}
