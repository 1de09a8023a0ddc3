#include "Unit23.h"

#include "Unit1.h"
#include "Unit45.h"
#include "Unit6.h"
#include "zui_parts.h"
#include "session.h"
#include "zorna_config.h"
#include "zui_msg.h"
#include "zui_style.h"
#include "zui.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QRadioButton>
#include <QHBoxLayout>

TForm23* Form23 = nullptr;

TForm23::TForm23(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QStringLiteral("Авторизация"));

    Label3 = new QLabel(this);
    Label1 = new QLabel(QStringLiteral("Логин"), this);
    Edit1 = new QLineEdit(this);
    Label2 = new QLabel(QStringLiteral("Пароль"), this);
    // Only the demo build offers the service code; a plant's box starts empty.
    Edit2 = new QLineEdit(ZORNA_DEMO_BUILD ? QString::fromLatin1(ServiceCode) : QString(), this);
    systemPassword = QStringLiteral(ZORNA_MAVORET);
    Edit2->setEchoMode(QLineEdit::Password);
    Label4 = new QLabel(QStringLiteral("Стиль"), this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setFocusPolicy(Qt::ClickFocus);
    Button1 = new QPushButton(QStringLiteral("Вход"), this);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Timer1 = new QTimer(this);
    Timer1->setInterval(5500);
    Timer1->setSingleShot(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label3, 0, 0, 1, 2);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(Edit1, 1, 1);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Edit2, 2, 1);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(ComboBox1, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    grid->addLayout(buttons, 4, 0, 1, 2);
    Edit1->setMinimumWidth(220);

    setDefaultButton(Button1);
    zparts::closesScreen(this, Button2);
    zui::on(Button1, &QPushButton::clicked, this, &TForm23::Button1Click);
    zui::on(Timer1, &QTimer::timeout, this, &TForm23::Timer1Timer);
    setupScreen(zui::Placement::CentredOnDesktop);
}

void TForm23::FormCreate() {
    QStringList names = zui::styleNames();
    names.sort(Qt::CaseInsensitive);
    ComboBox1->addItems(names);
    zui::on(ComboBox1, &QComboBox::textActivated, this, &TForm23::ComboBox1Change);
}

void TForm23::FormActivate() {
    // The check may end this client; the caption and the rest still follow.
    zui::guard([] { Form1->VersionCheck(); });
    setWindowTitle(QStringLiteral("Авторизация (build: %1.%2)").arg(Form1->build_date).arg(Form1->build_time));
    const QStringList args = session::arguments();
    if (args.size() >= 2 && !args[0].isEmpty() && !args[1].isEmpty())
        Label3->setText(QStringLiteral("Сервер: ") + args[0] + QStringLiteral(", БД: ") + args[1]);
    const int at = ComboBox1->findText(zui::currentStyleName(), Qt::MatchFixedString);
    if (at >= 0) ComboBox1->setCurrentIndex(at);
}

void TForm23::FormClose() { session::terminate(); }

void TForm23::ComboBox1Change() {
    const QString name = ComboBox1->currentText();
    if (zui::applyStyle(name)) session::saveStyleName(name);
}

void TForm23::Timer1Timer() { session::terminate(); }

QString TForm23::targetConnectionString(const QString& login, const QString& password) {
    const QStringList args = session::arguments();
    const TDataModule6::Target t = TDataModule6::target(args);
    server_ = t.server;
    database_ = t.database;
    dataSource_ = t.dataSource;
    if (t.direct())
        Form1->setWindowTitle(QStringLiteral("ZORNA.ERP (сервер: ") + server_ + QStringLiteral(", БД: ") + database_ + QStringLiteral(")"));
    else
        Form1->setWindowTitle(QStringLiteral("ZORNA.ERP (Data Source: ") + dataSource_ + QStringLiteral(")"));
    return TDataModule6::connectionString(args, login, password);
}

QString TForm23::targetText() const {
    if (!server_.isEmpty() && !database_.isEmpty())
        return QStringLiteral("сервер: ") + server_ + QStringLiteral(", БД: ") + database_;
    return QStringLiteral("Data Source: ") + dataSource_;
}

void TForm23::Button1Click() {
    Form45->current_shift = 1;
    Form45->user_login = Edit1->text().trimmed();
    Form45->user_password = Edit2->text().trimmed();
    const bool serviceCode = Edit2->text().trimmed() == QLatin1String(ServiceCode);
    if (serviceCode) {
        Form45->user_login = QStringLiteral("sys");
        Form45->user_password = systemPassword;
    }

    zdb::Connection* db = DataModule6->ADO_DB;
    const QString cs = targetConnectionString(Form45->user_login, Form45->user_password);
    const auto failed = [this] {
        zui::msg::error(QStringLiteral("Подключение к БД отсутсвует (") + targetText() + QStringLiteral(")"));
        session::terminate();
    };
    // A build without the system account's password has no use for the code.
    if (serviceCode && systemPassword.isEmpty()) {
        failed();
        return;
    }

    try {
        db->close();
        db->setConnectionString(cs);
        db->open();
    } catch (const zdb::DbError&) {
        failed();
        return;
    }

    // The lookup runs as the user: before the login the client may read nothing but the build stamp.
    try {
        zdb::Query* user = DataModule6->user;
        user->close();
        user->setParam(QStringLiteral("s_name"), Form45->user_login);
        user->open();
        Form45->user_id = int(user->fieldByName(QStringLiteral("id")).asInteger());
        Form45->person_id = int(user->fieldByName(QStringLiteral("id_person")).asInteger());
        user->close();
        applyRights(Form45->user_login);
    } catch (const zdb::DbError& e) {
        db->close();
        zui::msg::error(e.text());
        session::terminate();
        return;
    }
    for (int shift = 1; shift <= 4; ++shift) DataModule6->smena(shift)->setParam(QStringLiteral("OK"), QStringLiteral("ta"));

    hide();
    Form1->showModal();
    // The login is hidden while the menu is open, so its closing would go unseen:
    // the end of the menu window ends the run explicitly.
    close();
    session::terminate();
}

void TForm23::applyRights(const QString& login) {
    // The database enforces the rights through group roles; the client shows
    // what a login may use, by its name as ever or by membership in the group.
    zdb::Query groups(DataModule6->ADO_DB);
    groups.setSql(QStringLiteral(
        "select r.rolname from pg_roles r, pg_roles me where me.rolname = current_user "
        "and r.rolname in ('zorna_restricted', 'zorna_economist', 'zorna_admin') "
        "and case when me.rolsuper then r.rolname = 'zorna_admin' else pg_has_role(me.oid, r.oid, 'MEMBER') end"));
    groups.open();
    QStringList member;
    for (groups.first(); !groups.eof(); groups.next()) member << groups.fieldByName(QStringLiteral("rolname")).asString();

    const bool restricted = login == QLatin1String("lurevna") || login == QLatin1String("sodira") || login == QLatin1String("ravenko") ||
                            member.contains(QLatin1String("zorna_restricted"));
    const bool economist = login == QLatin1String("econom") || member.contains(QLatin1String("zorna_economist"));
    const bool admin = member.contains(QLatin1String("zorna_admin"));
    Form1->ClearDatabaseItem->setVisible(admin);
    Form1->ClearDatabaseItem->setEnabled(admin);
    Form1->MenuCatalogues->menuAction()->setEnabled(!restricted);
    Form45->Button1->setEnabled(!restricted);
    Form45->Button2->setEnabled(!restricted);
    if (economist) {
        Form1->MenuCatalogues->menuAction()->setEnabled(false);
        for (QWidget* w : std::initializer_list<QWidget*>{Form45->Button1, Form45->Button2, Form45->Button8, Form45->RadioButton1,
                                                         Form45->RadioButton2, Form45->RadioButton3, Form45->RadioButton4,
                                                         Form45->CBox1, Form45->DateT, Form45->DBGrid2})
            w->setEnabled(false);
    }
}
