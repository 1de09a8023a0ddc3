#include "Unit7.h"

#include "Unit6.h"

#include <QLineEdit>

TForm7* Form7 = nullptr;

namespace {

zdb::Table* table(QObject* owner, const char* name, const QString& tableName, const QString& sort = {}) {
    auto* t = new zdb::Table(DataModule6->ADO_DB, tableName, owner);
    t->setObjectName(QLatin1String(name));
    if (!sort.isEmpty()) t->setSort(sort);
    return t;
}

QString keyText(const zui::LookupBox* box, const QString& what) {
    const QVariant key = box->keyValue();
    if (!key.isValid() || key.isNull()) throw zdb::DbError(QStringLiteral("Не выбрано значение поля \"%1\".").arg(what));
    return QString::number(key.toInt());
}

}  // namespace

TForm7::TForm7(QWidget* parent)
    : zui::EditorScreen({"Form7", QStringLiteral("Ведение (7)"), zui::Placement::AsDesigned, DataModule6->ADO_DB, QStringLiteral("Данные ТМЦ"),
                            QStringLiteral("Отмена")}, parent) {
    nomenclature = table(this, "nomenclature", QStringLiteral("cmn_inventory_items.nomenclature"), QStringLiteral("s_caption"));
    operation_state = table(this, "operation_state", QStringLiteral("cmn_inventory_items.ii_type"));
    msm = table(this, "msm", QStringLiteral("cmn_msm.msm"));

    Edit1 = addEdit("Edit1", QStringLiteral("Наименование"), 320);
    cb_msm = addLookup("cb_msm", QStringLiteral("Ед. изм."), msm, QStringLiteral("id"), QStringLiteral("s_identification"));
    combo_nomenclature = addLookup("combo_nomenclature", QStringLiteral("Вид номенклатуры"), nomenclature);
    cb_operation_state = addLookup("cb_operation_state", QStringLiteral("Тип"), operation_state);
    Edit3 = addEdit("Edit3", QStringLiteral("Длина (мм)"), 120);
    Edit4 = addEdit("Edit4", QStringLiteral("Толщина (мм)"), 120);
    Edit2 = addEdit("Edit2", QStringLiteral("Масса"), 120);
    Edit5 = addEdit("Edit5", QStringLiteral("Расход краски"), 120);
    for (QLineEdit* e : {Edit3, Edit4, Edit2, Edit5}) zui::setKeyFilter(e, zui::Keys::DigitsCommaPoint);
}

void TForm7::FormActivate() {
    Edit1->setFocus();
    if (Tag != 1)
        rememberRow(DataModule6->inventory_items,
                    {{"marka", "marka"}, {"massa", "massa"}, {"id_nom", "id_nom"}, {"id_type", "id_type"}, {"width", "width"},
                     {"thick", "thick"}, {"id_msm", "id_msm"}, {"ral_cons", "ral_cons"}});
}

void TForm7::FormClose() { nomenclature->close(); }

int TForm7::paintedFlag(const QString& ralCons) {
    if (ralCons.isEmpty()) return 0;
    QString number = DataModule6->NumToSql(ralCons);
    const QString delim = DataModule6->delim;
    if (!delim.isEmpty()) number.replace(delim.at(0), QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok) throw zdb::DbError(QStringLiteral("\"%1\" не является числом.").arg(ralCons));
    return value > 0 ? 1 : 0;
}

void TForm7::Button1Click() {
    if (!filled({Edit1})) return;
    const QVariant kindKey = combo_nomenclature->keyValue();
    const QString kind = kindKey.isValid() && !kindKey.isNull() ? QString::number(kindKey.toInt()) : QStringLiteral("0");
    const QString type = keyText(cb_operation_state, QStringLiteral("Тип"));
    const QString unit = keyText(cb_msm, QStringLiteral("Ед. изм."));
    const QString ralCons = Edit5->text().trimmed();
    const QString ral = QString::number(paintedFlag(ralCons));
    const QString massa = DataModule6->NumToSql(Edit2->text().trimmed());
    const QString width = DataModule6->NumToSql(Edit3->text().trimmed());
    const QString thick = DataModule6->NumToSql(Edit4->text().trimmed());
    const QString cons = DataModule6->NumToSql(ralCons);
    const QString name = zcat::sqlText(Edit1);

    zdb::Query* items = DataModule6->inventory_items;
    QString sql;
    if (Tag == 1) {
        sql = QStringLiteral("insert into cmn_inventory_items.inventory_items(marka, id_nom, massa,id_type, width, thick, ral, id_msm, ral_cons)VALUES(") +
              name + " , " + kind + ", " + massa + ", " + type + ", " + width + ", " + thick + ", " + ral + "::t_boolean" + ", " + unit +
              ", " + cons + ")";
    } else {
        sql = QStringLiteral("UPDATE cmn_inventory_items.inventory_items SET marka=") + name + ", massa=" + massa + ", id_nom=" + kind +
              ", id_type=" + type + ", width=" + width + ", thick=" + thick + ", ral=" + ral + "::t_boolean, id_msm=" + unit +
              ", ral_cons=" + cons + " where id=" + zui::idOf(items);
    }
    if (Tag == 1) zcat::run(sql);
    else if (!updateRemembered(sql)) return;
    const QString sort = items->sort();
    items->reopen();
    items->setSort(sort);
    close();
}
