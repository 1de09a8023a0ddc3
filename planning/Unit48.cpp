#include "Unit48.h"

#include "Unit46.h"
#include "Unit6.h"

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
                      parent),
      reserve_(this, DataModule6->ADO_DB,
               {true, false, false, [] { zui::reopenKeepingRow(DataModule6->app_spec); },
                [] { zui::reopenKeepingRow(Form46->app_spec); }, [] { zui::reopenKeepingRow(Form46->app_spec); }}) {
    proc_tech = reserve_.proc_tech;
    price_ral = reserve_.price_ral;
    app_doc = reserve_.app_doc;
    gds_needed = reserve_.gds_needed;
    cost_price = reserve_.cost_price;
    purchase_doc = reserve_.purchase_doc;

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
    zui::on(Button1, &QPushButton::clicked, this, &TForm48::Button1Click);
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm48::Button1Click);
}

void TForm48::Button1Click() { reserve_.run(*DataModule6->app_spec); }
