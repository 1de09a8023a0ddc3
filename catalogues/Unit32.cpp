#include "Unit32.h"

#include "Unit6.h"

#include <QPushButton>

TForm32* Form32 = nullptr;

TForm32::TForm32(QWidget* parent)
    : zui::ListScreen({"Form32", QStringLiteral("Роли"), zui::Placement::AsDesigned, DataModule6->role, {}},
                          {{QStringLiteral("Наименование"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 260},
                           {QStringLiteral("Системное имя"), QStringLiteral("s_name"), zui::DBGrid::Align::Auto, 180}},
                          parent) {
    Button1->setVisible(false);
    Button2->setVisible(false);
    Button3->setVisible(false);
    setDefaultButton(nullptr);
}
