#include "Unit56.h"

#include "Unit6.h"
#include "supply.h"
#include "warehouse.h"
#include "zui_msg.h"

#include <QLineEdit>

TForm56* Form56 = nullptr;

TForm56::TForm56(QWidget* parent)
    : zui::EditorScreen({"Form56", QStringLiteral("Перемещение (56)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                         QStringLiteral("Перемещение")},
                        parent) {
    stk_to = ownQuery(this, "stk_to",
                      QStringLiteral("SELECT id, s_caption FROM cmn_department.department d where d.type in (1, 2) and d.id <> "
                                     ":id_stock order by s_caption"));
    GroupBox1 = group();
    Edit1 = addEdit("Edit1", QStringLiteral("ТМЦ:"), 300);
    Edit2 = addEdit("Edit2", QStringLiteral("Со склада:"), 300);
    Edit3 = addEdit("Edit3", QStringLiteral("Свободно:"), 120);
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) e->setReadOnly(true);
    LCB_stk_to = addLookup("LCB_stk_to", QStringLiteral("На склад:"), stk_to);
    Edit4 = addEdit("Edit4", QStringLiteral("Количество:"), 120);
    zui::setKeyFilter(Edit4, zui::Keys::DigitsCommaPoint | zui::Keys::PointToComma);
}

void TForm56::moveFrom(zdb::Dataset* stock, std::initializer_list<int> kinds) {
    if (!stock->active() || stock->isEmpty()) return;
    const double free = stock->fieldByName(QStringLiteral("count")).asFloat() - stock->fieldByName(QStringLiteral("reserve")).asFloat();
    if (free <= 0) return zui::msg::error(QStringLiteral("Свободного остатка нет: всё количество в резерве."));
    QStringList list;
    for (int k : kinds) list << QString::number(k);
    stk_to->close();
    stk_to->setSql(QStringLiteral("SELECT id, s_caption FROM cmn_department.department d where d.type in (") + list.join(", ") +
                   QStringLiteral(") and d.id <> :id_stock order by s_caption"));
    stock_ = stock;
    id_stock_row_ = stock->fieldByName(QStringLiteral("id")).asInteger();
    stk_to->setParam(QStringLiteral("id_stock"), stock->fieldByName(QStringLiteral("id_stock")).asInteger());
    Edit1->setText(stock->fieldByName(QStringLiteral("ii_caption")).asString().trimmed());
    Edit2->setText(stock->fieldByName(QStringLiteral("d_caption")).asString().trimmed());
    Edit3->setText(stock->fieldByName(QStringLiteral("balance")).asString());
    Edit4->setText(Edit3->text());
    LCB_stk_to->setKeyValue(-1);
    stk_to->open();
    showModal();
    stk_to->close();
    stock_ = nullptr;
}

void TForm56::Button1Click() {
    if (keyOr0(LCB_stk_to) <= 0) return zui::msg::error(QStringLiteral("Все поля должны быть заполнены!"));
    if (!filled({Edit4})) return;
    const QString quantity = DataModule6->NumToSql(Edit4->text(), false);
    if (QString(quantity).replace(QLatin1Char(','), QLatin1Char('.')).toDouble() <= 0)
        return zui::msg::error(QStringLiteral("Количество должно быть больше 0!"));
    QString free;
    const zwh::Outcome done = zwh::moveStock(*DataModule6->ADO_DB, id_stock_row_, keyOr0(LCB_stk_to), quantity, &free);
    if (stock_) zui::reopenAt(stock_, id_stock_row_);
    switch (done) {
    case zwh::Outcome::Done:
        close();
        return;
    case zwh::Outcome::AboveFree:
        Edit3->setText(free);
        return zui::msg::error(QStringLiteral("Можно переместить не больше свободного остатка: ") + Edit3->text() +
                               QStringLiteral(". Ничего не перемещено."));
    default:
        close();
        return zui::msg::error(zsup::kChangedElsewhere);
    }
}
