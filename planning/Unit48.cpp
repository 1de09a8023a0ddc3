#include "Unit48.h"

#include "Unit6.h"
#include "reserve_sql.h"

#include <QHBoxLayout>

TForm48* Form48 = nullptr;

using A = zui::DBGrid::Align;

TForm48::TForm48(QWidget* parent)
    : zui::GridScreen({"Form48", QStringLiteral("Резерв ТМЦ (48)"), zui::Placement::CentredOnDesktop, DataModule6->app_spec, 900, 400},
                      {{QStringLiteral("ЗВП"), QStringLiteral("id_app_doc")},
                       {QStringLiteral("Готово"), QStringLiteral("done")},
                       {QStringLiteral("Сделать"), QStringLiteral("cnt_done")},
                       {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")},
                       {QStringLiteral("Резерв"), QStringLiteral("yesno")},
                       {QStringLiteral("Краска"), QStringLiteral("ral_s_caption"), zui::DBGrid::Align::Auto, 110},
                       {QStringLiteral("Потреб. краски"), QStringLiteral("ral_need")},
                       {QStringLiteral("Склад краска"), QStringLiteral("stk_ral")},
                       {QStringLiteral("Потреб. ТМЦ"), QStringLiteral("gds_need")},
                       {QStringLiteral("Склад ТМЦ"), QStringLiteral("stk_gds")},
                       {QStringLiteral("Основание"), QStringLiteral("ad_id_app_doc")}},
                      parent) {
    proc_tech = ownQuery(this, "proc_tech", QString::fromUtf8(reserve_sql::proc_tech));
    price_ral = ownQuery(this, "price_ral", QString::fromUtf8(reserve_sql::price_ral));
    app_doc = ownQuery(this, "app_doc", QString::fromUtf8(reserve_sql::app_doc));
    gds_needed = ownQuery(this, "gds_needed", QString::fromUtf8(reserve_sql::gds_needed));
    cost_price = ownQuery(this, "cost_price", QString::fromUtf8(reserve_sql::cost_price));
    purchase_doc = ownQuery(this, "purchase_doc", QString::fromUtf8(reserve_sql::purchase_doc));

    zdb::Query* lines = DataModule6->app_spec;
    DBText1 = zparts::dataText("DBText1", lines, QStringLiteral("ii_s_caption"), 260);
    DBText2 = zparts::dataText("DBText2", lines, QStringLiteral("gds_s_caption"), 260);
    for (zui::DBText* t : {DBText1, DBText2}) {
        QPalette p = t->palette();
        p.setColor(QPalette::Window, QColor(255, 251, 240));  // cream
        t->setPalette(p);
        t->setAutoFillBackground(true);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(DBText1);
    top->addWidget(DBText2);
    top->addStretch(1);
    addAbove(top);

    Button1 = addButton("Button1", QStringLiteral("Резерв"));
    setDefaultButton(Button1);
}
