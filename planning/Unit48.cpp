#include "Unit48.h"

#include "Unit6.h"
#include "zui_parts.h"
#include "reserve_sql.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TForm48* Form48 = nullptr;

TForm48::TForm48(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form48"));
    setWindowTitle(QStringLiteral("Резерв ТМЦ (48)"));

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

    DBGridEh1 = zparts::grid("DBGridEh1", lines,
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
                             900, 400);

    Button1 = zparts::button("Button1", QStringLiteral("Резерв"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    auto* top = new QHBoxLayout;
    top->addWidget(DBText1);
    top->addWidget(DBText2);
    top->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGridEh1, 1);
    layout->addLayout(zparts::buttonRow({Button1}, Button4));

    setDefaultButton(Button1);
    zparts::closesScreen(this, Button4);

    setupScreen(zui::Placement::CentredOnDesktop);
}
