#include "Unit1.h"

#include "Unit23.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit8.h"
#include "Unit26.h"
#include "Unit28.h"
#include "Unit30.h"
#include "Unit32.h"
#include "Unit34.h"
#include "Unit35.h"
#include "Unit36.h"
#include "Unit41.h"
#include "Unit45.h"
#include "Unit46.h"
#include "Unit50.h"
#include "Unit55.h"
#include "Unit59.h"
#include "Unit60.h"
#include "buildinfo.h"
#include "session.h"
#include "zui_msg.h"
#include "zui_parts.h"

#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

TForm1* Form1 = nullptr;

namespace {

// The window's picture: a painted panel on a conveyor, the plant's trade.
QPixmap picture() {
    QPixmap pm(560, 320);
    pm.fill(QColor(236, 240, 245));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 80, 95));
    p.drawRoundedRect(40, 230, 480, 18, 9, 9);
    for (int x = 60; x <= 500; x += 40) {
        p.setBrush(QColor(120, 130, 145));
        p.drawEllipse(QPoint(x, 239), 6, 6);
    }
    const QColor ral[] = {QColor(246, 246, 246), QColor(196, 30, 58), QColor(40, 114, 51), QColor(37, 41, 74)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(ral[i]);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawRoundedRect(70 + i * 115, 120, 90, 105, 6, 6);
    }
    p.setPen(QColor(40, 50, 65));
    QFont f = p.font();
    f.setPointSize(22);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 30, 560, 50), Qt::AlignCenter, QStringLiteral("ZORNA.ERP"));
    f.setPointSize(11);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(0, 72, 560, 30), Qt::AlignCenter, QStringLiteral("Учёт производства окрашенных изделий"));
    return pm;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZORNA.ERP"));

    MainMenu = new QMenuBar(this);
    MenuCatalogues = MainMenu->addMenu(QStringLiteral("Справочники"));
    item(MenuCatalogues, QStringLiteral("Подразделения"), &TForm1::DepartmentsClick);
    item(MenuCatalogues, QStringLiteral("Персонал"), &TForm1::PersonnelClick);
    item(MenuCatalogues, QStringLiteral("Должности"), &TForm1::PositionsClick);
    item(MenuCatalogues, QStringLiteral("Роли"), &TForm1::RolesClick);
    item(MenuCatalogues, QStringLiteral("Контрагенты"), &TForm1::CounterpartiesClick);
    MenuCatalogues->addSeparator();
    item(MenuCatalogues, QStringLiteral("Вид номенклатуры"), &TForm1::NomenclatureClick);
    item(MenuCatalogues, QStringLiteral("ТМЦ"), &TForm1::ItemsClick);
    item(MenuCatalogues, QStringLiteral("Операции"), &TForm1::OperationsClick);
    item(MenuCatalogues, QStringLiteral("Техпроцессы"), &TForm1::ProcessesClick);
    MenuCatalogues->addSeparator();
    item(MenuCatalogues, QStringLiteral("Администрарование"), &TForm1::AdministrationClick);
    QMenu* supply = MainMenu->addMenu(QStringLiteral("Снабжение"));
    item(supply, QStringLiteral("Потребность"), &TForm1::NeedsClick);
    item(supply, QStringLiteral("Закупка"), &TForm1::PurchasesClick);
    QMenu* stores = MainMenu->addMenu(QStringLiteral("Склады"));
    item(stores, QStringLiteral("Склад сырья и заготовок"), &TForm1::RawStockClick);
    item(stores, QStringLiteral("Склад ГП и заготовок"), &TForm1::FinishedStockClick);
    QMenu* production = MainMenu->addMenu(QStringLiteral("Производство"));
    item(production, QStringLiteral("Номенклатура"), &TForm1::ProductionItemsClick);
    item(production, QStringLiteral("Заявки"), &TForm1::ProductionRequestsClick);
    item(production, QStringLiteral("Табель"), &TForm1::TimesheetClick);
    QMenu* marketing = MainMenu->addMenu(QStringLiteral("Маркетинг"));
    item(marketing, QStringLiteral("Заявки"), &TForm1::MarketingRequestsClick);
    QMenu* base = MainMenu->addMenu(QStringLiteral("База"));
    ClearDatabaseItem = item(base, QStringLiteral("Очистить базу"), &TForm1::ClearDatabaseClick);
    QAction* exitItem = MainMenu->addAction(QStringLiteral("Выход"));
    zui::on(exitItem, &QAction::triggered, this, [this] { close(); });

    Image1 = new QLabel(this);
    Image1->setPixmap(picture());
    Image1->setAlignment(Qt::AlignCenter);

    Button1 = new QPushButton(this);
    Button1->setFixedSize(0, 0);
    Button1->setFocusPolicy(Qt::NoFocus);
    zparts::closesScreen(this, Button1);
    // The menu bar keeps the keyboard after a menu was opened and closed; Esc
    // must still close the window then.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    zui::on(esc, &QShortcut::activated, this, [this] { Button1->click(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu);
    layout->addWidget(Image1);
    layout->addWidget(Button1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(30000);
    zui::on(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    setupScreen(zui::Placement::CentredOnDesktop);
}

QAction* TForm1::item(QMenu* menu, const QString& caption, void (TForm1::*handler)()) {
    QAction* a = menu->addAction(caption);
    zui::on(a, &QAction::triggered, this, handler);
    return a;
}

void TForm1::FormCreate() {
    // The data module and the login screen come into being with the menu window,
    // so that the version check can run from the very start.
    DataModule6 = new TDataModule6(qApp);
    zui::guard([] { DataModule6->openStoredConnection(session::arguments()); });
    zui::createForm(Form23);
    Timer1->start();
}

void TForm1::Timer1Timer() {
    // A failing check shows its error; while that message waits for the user,
    // further ticks must not stack more of them.
    if (checking_) return;
    checking_ = true;
    zui::guard([this] {
        // After the server came back the first statement only reconnects;
        // nobody asked for this check, so it simply runs again.
        const bool wasLost = DataModule6->ADO_DB->lost();
        try {
            VersionCheck();
        } catch (const zdb::DbError&) {
            if (!wasLost || DataModule6->ADO_DB->lost()) throw;
            VersionCheck();
        }
    });
    checking_ = false;
}

void TForm1::VersionCheck() {
    const BuildStamp stamp = compiledBuildStamp();
    build_time = stamp.time;
    build_date = stamp.date;
    zdb::Table* ver = DataModule6->ver;
    // Always read afresh: another workstation may have moved the stamp.
    ver->close();
    ver->open();
    ver->first();
    if (ver->isEmpty()) {
        ver->close();
        throw zdb::DbError(QStringLiteral("Таблица ver пуста"));
    }
    const QString delim = ver->fieldByName(QStringLiteral("delim")).asString();
    const qlonglong d = ver->fieldByName(QStringLiteral("d")).asInteger();
    const qlonglong t = ver->fieldByName(QStringLiteral("t")).asInteger();
    ver->close();
    DataModule6->setDelim(delim);
    if (d < build_date || (d == build_date && t < build_time)) {
        // Only the server function writes the stamp: it never moves it back.
        zdb::Command record(DataModule6->ADO_DB);
        record.setText(QStringLiteral("select record_build(:d::integer, :t::integer)"));
        record.setParam(QStringLiteral("d"), build_date);
        record.setParam(QStringLiteral("t"), build_time);
        record.execute();
    }
    if (d > build_date || (d == build_date && t > build_time)) {
        Form23->Timer1->start();
        zui::msg::error(QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
        session::terminate();
    }
}

void TForm1::ClearDatabaseClick() {
    // Every workstation's working data goes at once: ask first, and do all of it or none.
    if (!zui::msg::question(QStringLiteral("Очистить все рабочие данные базы?"), QStringLiteral("Удаление"), false)) return;
    zdb::Transaction transaction(*DataModule6->ADO_DB);
    DataModule6->Control->close();
    DataModule6->Control->clearSql();
    DataModule6->Control->addSql(
        QStringLiteral("SELECT truncate_tables('mnf_app');\n"
                       "truncate table mnf_proc_tech.tp_operation;truncate table accounts_dep.smena;truncate table accounts_dep.h_tabel;"
                       "truncate table accounts_dep.person_temp;SELECT truncate_tables('stk_stocks');SELECT truncate_tables('stk_purchase');"
                       "update cmn_inventory_items.inventory_items set cost_price =0;"));
    DataModule6->Control->open();
    transaction.commit();
}

// ---- menu ---------------------------------------------------------------------

namespace {

// Opens a list over a shared dataset and closes the dataset when the screen closes,
// so that the next opening reads fresh data.
void openList(zdb::Dataset* list, zui::TForm* screen) {
    list->open();
    screen->showModal();
    list->close();
}

void showAddDelete(QPushButton* add, QPushButton* del) {
    add->setVisible(true);
    del->setVisible(true);
}

}  // namespace

void TForm1::DepartmentsClick() { openList(DataModule6->department, Form30); }

void TForm1::PersonnelClick() {
    Form5->Tag = 0;
    showAddDelete(Form5->Button1, Form5->Button3);
    openList(DataModule6->workers, Form5);
}

void TForm1::PositionsClick() { openList(DataModule6->staffpos, Form26); }

void TForm1::RolesClick() { openList(DataModule6->role, Form32); }

void TForm1::CounterpartiesClick() {
    Form34->Tag = 0;
    showAddDelete(Form34->Button1, Form34->Button3);
    openList(DataModule6->jur_person, Form34);
}

void TForm1::NomenclatureClick() { openList(DataModule6->nomenclature, Form28); }

void TForm1::ItemsClick() {
    Form3->Tag = 0;
    showAddDelete(Form3->Button1, Form3->Button3);
    Form3->showModal();
    DataModule6->inventory_items->close();
}

void TForm1::OperationsClick() {
    Form8->Tag = 0;
    showAddDelete(Form8->Button1, Form8->Button3);
    openList(DataModule6->operation_type, Form8);
}

void TForm1::ProcessesClick() {
    Form4->Tag = 0;
    showAddDelete(Form4->Button1, Form4->Button3);
    openList(DataModule6->proc_tech, Form4);
}

void TForm1::AdministrationClick() {
    Form35->Tag = 0;
    showAddDelete(Form35->Button1, Form35->Button3);
    openList(DataModule6->role, Form35);
}

// A new purchase request is made out to the logged-in user.
void TForm1::NeedsClick() {
    Form59->person_id = Form45->person_id;
    openList(Form59->gds_needed, Form59);
}

void TForm1::PurchasesClick() { openList(Form60->purchase_doc, Form60); }

void TForm1::RawStockClick() {
    Form36->Tag = 0;
    DataModule6->stock->open();
    DataModule6->stock->setSort(QStringLiteral("ii_caption ASC"));
    showAddDelete(Form36->Button1, Form36->Button3);
    Form36->showModal();
    DataModule6->stock->close();
}

void TForm1::FinishedStockClick() { openList(Form50->stock, Form50); }

void TForm1::ProductionItemsClick() { openList(Form46->app_spec, Form46); }

void TForm1::ProductionRequestsClick() { openList(Form55->app_spec, Form55); }

void TForm1::TimesheetClick() { Form45->showModal(); }

void TForm1::MarketingRequestsClick() {
    Form41->Tag = 0;
    DataModule6->app_doc->open();
    DataModule6->app_doc->setSort(QStringLiteral("d_date DESC, s_person_caption ASC"));
    showAddDelete(Form41->Button1, Form41->Button3);
    Form41->showModal();
    DataModule6->app_doc->close();
}
