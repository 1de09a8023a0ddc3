#include "Unit66.h"

#include "Unit6.h"

#include <QGroupBox>
#include <QLineEdit>

TForm66* Form66 = nullptr;

TForm66::TForm66(QWidget* parent)
    : zui::EditorScreen({"Form66", QStringLiteral("Ведение цены (66)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB, {},
                         QStringLiteral("Отмена"), true, true},
                        parent) {
    GroupBox1 = group();
    GroupBox1->setMinimumWidth(320);
    Edit1 = addEdit("Edit1", QStringLiteral("Цена:"), 120);
    zui::setKeyFilter(Edit1, zui::Keys::DigitsComma | zui::Keys::PointToComma);
}
