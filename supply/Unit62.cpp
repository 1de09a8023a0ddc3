#include "Unit62.h"

#include "Unit60.h"
#include "Unit6.h"
#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm62* Form62 = nullptr;

namespace {

const char* kPurchaseSpec =
    "SELECT ps.id, id_item as id_ii, ii.marka ii_s_caption, ii.id_msm, m.s_identification as msm_s_caption, cnt, id_purchase_doc, "
    "ps.state, ps.gds_price, case when ps.state=0 then 'Оформление' when ps.state=1 then 'Закупка' else 'На складе' end as s_state\n"
    "FROM stk_purchase.purchase_spec ps\n"
    "left join cmn_inventory_items.inventory_items ii on ps.id_gds = ii.id\n"
    "left join cmn_msm.msm m on m.id = ii.id_msm\n"
    "where ps.id_purchase_doc = :id_purchase_doc order by ii_s_caption";

}  // namespace

TForm62::TForm62(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form62"));
    setWindowTitle(QStringLiteral("Заявка на закупку (62)"));

    purchase_spec = ownQuery(this, "purchase_spec", QString::fromUtf8(kPurchaseSpec));

    DBText1 = zparts::dataText("DBText1", nullptr, QString());
    DBText2 = zparts::dataText("DBText2", nullptr, QString());
    DBText3 = zparts::dataText("DBText3", nullptr, QString(), 300);
    DBText4 = zparts::dataText("DBText4", nullptr, QString(), 300);

    auto* header = new QGroupBox(QStringLiteral("Заявка"));
    auto* fields = new QGridLayout(header);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("Номер:")), DBText1);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Дата отгр.:")), DBText2);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Контрагент:")), DBText3);
    zparts::addRow(fields, 3, new QLabel(QStringLiteral("Исполнитель:")), DBText4);

    using A = zui::DBGrid::Align;
    DBGridEh1 = zparts::grid("DBGridEh1", purchase_spec,
                             {{QStringLiteral("МТР"), QStringLiteral("ii_s_caption"), A::Auto, 240},
                              {QStringLiteral("Количество"), QStringLiteral("cnt"), A::Auto, 90},
                              {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")},
                              {QStringLiteral("Цена"), QStringLiteral("gds_price"), A::Auto, 110},
                              {QStringLiteral("Состояние"), QStringLiteral("s_state"), A::Auto, 110}},
                             640, 300);
    DBGridEh1->setCellButton(3);

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(new QLabel(QStringLiteral("Спецификация:")));
    layout->addWidget(DBGridEh1, 1);
    layout->addLayout(zparts::buttonRow({Button1, Button3}, Button4));

    setDefaultButton(Button1);
    zparts::closesScreen(this, Button4);

    setupScreen(zui::Placement::CentredOnDesktop);
}

void TForm62::FormCreate() {
    // The request list is created before this screen.
    if (!Form60) return;
    zdb::Query* doc = Form60->purchase_doc;
    DBText1->setDataField(doc, QStringLiteral("id"));
    DBText2->setDataField(doc, QStringLiteral("d_in"));
    DBText3->setDataField(doc, QStringLiteral("s_jp_caption"));
    DBText4->setDataField(doc, QStringLiteral("s_person_caption"));
}
