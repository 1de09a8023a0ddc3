#include "Unit42.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm42* Form42 = nullptr;

namespace {

const char* kAppSpec =
    "SELECT as1.id, id_ii, ii.marka ii_s_caption, ii.id_msm, m.s_identification as msm_s_caption, cnt, id_app_doc, as1.state, "
    "ii2.marka as ral_s_code, as1.price, as1.cost_price\n"
    "FROM mnf_app.app_spec as1 \n"
    "left join cmn_inventory_items.inventory_items ii2 on as1.id_ral = ii2.id \n"
    "left join cmn_inventory_items.inventory_items ii on as1.id_ii = ii.id\n"
    "left join cmn_msm.msm m on m.id = ii.id_msm\n"
    "where as1.id_app_doc =:id_app_doc";

}  // namespace

TForm42::TForm42(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form42"));
    setWindowTitle(QStringLiteral("Ведение данных (42)"));

    app_spec = ownQuery(this, "app_spec", QString::fromUtf8(kAppSpec));

    zdb::Query* doc = DataModule6->app_doc;
    DBText1 = zparts::dataText("DBText1", doc, QStringLiteral("id"));
    DBText2 = zparts::dataText("DBText2", doc, QStringLiteral("d_mnf"));
    DBText3 = zparts::dataText("DBText3", doc, QStringLiteral("d_out"));
    DBText4 = zparts::dataText("DBText4", doc, QStringLiteral("s_jp_caption"), 300);
    DBText5 = zparts::dataText("DBText5", doc, QStringLiteral("s_person_caption"), 300);

    auto* header = new QGroupBox(QStringLiteral("Заявка"));
    auto* fields = new QGridLayout(header);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("Номер:")), DBText1);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Дата пр-ва:")), DBText2);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Дата отгр.:")), DBText3);
    zparts::addRow(fields, 3, new QLabel(QStringLiteral("Контрагент:")), DBText4);
    zparts::addRow(fields, 4, new QLabel(QStringLiteral("Исполнитель:")), DBText5);

    using A = zui::DBGrid::Align;
    DBGridEh1 = zparts::grid("DBGridEh1", app_spec,
                             {{QStringLiteral("Изделие"), QStringLiteral("ii_s_caption"), A::Auto, 220},
                              {QStringLiteral("Количество"), QStringLiteral("cnt")},
                              {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")},
                              {QStringLiteral("Цвет"), QStringLiteral("ral_s_code"), A::Auto, 110},
                              {QStringLiteral("Цена"), QStringLiteral("price")},
                              {QStringLiteral("Себес."), QStringLiteral("cost_price")}},
                             700, 300);
    // Lines not yet taken into work stand out.
    DBGridEh1->setRowColors([this](int row) {
        zui::DBGrid::RowColors c;
        const int state = app_spec->fieldIndex(QStringLiteral("state"));
        if (state >= 0 && app_spec->value(row, state).toInt() == 0) c.background = QColor(255, 238, 238);
        return c;
    });

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(new QLabel(QStringLiteral("Спецификация:")));
    layout->addWidget(DBGridEh1, 1);
    layout->addLayout(zparts::buttonRow({Button1, Button3}, Button4));

    zparts::closesScreen(this, Button4);

    setupScreen(zui::Placement::CentredOnDesktop);
}
