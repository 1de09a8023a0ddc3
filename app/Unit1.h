// The menu window: every working screen is opened from here; it also keeps
// the database on the newest client build and can empty the working data.
#pragma once

#include "zui_form.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

class TForm1 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    void FormCreate() override;

    // Compares this client's build with the one the database records: records a
    // newer one, ends this client when the database has seen a newer one.
    void VersionCheck();
    void Timer1Timer();
    void ClearDatabaseClick();

    int build_date = 0;
    int build_time = 0;

    QMenuBar* MainMenu;
    QMenu* MenuCatalogues;  // "Справочники", disabled by the login for some users
    QAction* ClearDatabaseItem;  // "Очистить базу", offered to administrators only
    QLabel* Image1;
    QPushButton* Button1;  // zero-size cancel button: Esc closes the window
    QTimer* Timer1;

private:
    bool checking_ = false;
    QAction* item(QMenu* menu, const QString& caption, void (TForm1::*handler)());

    void DepartmentsClick();
    void PersonnelClick();
    void PositionsClick();
    void RolesClick();
    void CounterpartiesClick();
    void NomenclatureClick();
    void ItemsClick();
    void OperationsClick();
    void ProcessesClick();
    void AdministrationClick();
    void NeedsClick();
    void PurchasesClick();
    void RawStockClick();
    void FinishedStockClick();
    void ProductionItemsClick();
    void ProductionRequestsClick();
    void TimesheetClick();
    void MarketingRequestsClick();
};

extern TForm1* Form1;
