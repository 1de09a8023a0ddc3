#include "Unit63.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm63* Form63 = nullptr;

namespace {

const char* kCntIi =
    "SELECT count(ps.*) as cnt FROM stk_purchase.purchase_spec ps  where ps.id_gds =:id_gds and ps.id_purchase_doc = :id_purchase_doc";

}  // namespace

TForm63::TForm63(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form63"));
    setWindowTitle(QStringLiteral("Закупка (63)"));

    cnt_ii = ownQuery(this, "cnt_ii", QString::fromUtf8(kCntIi));

    GroupBox1 = zparts::named(new QGroupBox(QStringLiteral("Заявка на закупку № ")), "GroupBox1");
    Edit2 = zparts::edit("Edit2", true);
    Edit2->setMinimumWidth(260);
    Button5 = zparts::ellipsis("Button5");
    Edit3 = zparts::edit("Edit3");
    Label2 = zparts::label("Label2", QString());
    Edit1 = zparts::edit("Edit1");
    for (QLineEdit* e : {Edit3, Edit1})
        zui::setKeyFilter(e, zui::Keys::DigitsComma | zui::Keys::PointToComma);

    auto* fields = new QGridLayout(GroupBox1);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("МТР:")), Edit2, Button5);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Количество:")), Edit3, Label2);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Цена:")), Edit1);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", QStringLiteral("Отмена"));

    zparts::layOutEditor(this, GroupBox1, Button1, Button2);

    setupScreen(zui::Placement::CentredOnDesktop);
}
