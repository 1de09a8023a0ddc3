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
    Edit2 = new QLineEdit(QString::fromLatin1(ServiceCode), this);
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
    server_.clear();
    database_.clear();
    dataSource_.clear();
    if (args.size() >= 2) {
        server_ = args[0];
        database_ = args[1];
    } else if (args.size() == 1) {
        dataSource_ = args[0];
    } else {
        dataSource_ = QStringLiteral("zorna_erp_dev");
    }
    if (!server_.isEmpty() && !database_.isEmpty()) {
        Form1->setWindowTitle(QStringLiteral("ZORNA.ERP (сервер: ") + server_ + QStringLiteral(", БД: ") + database_ + QStringLiteral(")"));
        return QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + database_ + QStringLiteral(";SERVER=") + server_ +
               QStringLiteral(";PORT=5432;UID=") + login + QStringLiteral(";PWD=") + password + QStringLiteral(";SSLmode=allow;") +
               QStringLiteral("ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;Fetch=100;"
                              "UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;") +
               QStringLiteral("Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;"
                              "ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;") +
               QStringLiteral("TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;D6=-101;"
                              "OptionalErrors=0;XaOpt=1");
    }
    Form1->setWindowTitle(QStringLiteral("ZORNA.ERP (Data Source: ") + dataSource_ + QStringLiteral(")"));
    return QStringLiteral("Provider=MSDASQL.1;Password=") + password + QStringLiteral(";Persist Security Info=True;User ID=") + login +
           QStringLiteral(";Data Source=") + dataSource_;
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
    if (Edit2->text().trimmed() == QLatin1String(ServiceCode)) {
        Form45->user_login = QStringLiteral("sys");
        Form45->user_password = QStringLiteral(ZORNA_MAVORET);
    }

    zdb::Connection* db = DataModule6->ADO_DB;
    const QString cs = targetConnectionString(Form45->user_login, Form45->user_password);
    const auto failed = [this] {
        zui::msg::error(QStringLiteral("Подключение к БД отсутсвует (") + targetText() + QStringLiteral(")"));
        session::terminate();
    };

    // The lookup runs on the start-up connection; if that could not be opened
    // at start-up, it is tried once more here.
    try {
        if (!db->connected()) DataModule6->openStoredConnection();
        zdb::Query* user = DataModule6->user;
        user->close();
        user->setParam(QStringLiteral("s_name"), Form45->user_login);
        user->open();
        Form45->user_id = int(user->fieldByName(QStringLiteral("id")).asInteger());
        Form45->person_id = int(user->fieldByName(QStringLiteral("id_person")).asInteger());
        user->close();
    } catch (const zdb::DbError&) {
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

    applyRights(Form45->user_login);
    for (int shift = 1; shift <= 4; ++shift) DataModule6->smena(shift)->setParam(QStringLiteral("OK"), QStringLiteral("ta"));

    hide();
    Form1->showModal();
    // The login is hidden while the menu is open, so its closing would go unseen:
    // the end of the menu window ends the run explicitly.
    close();
    session::terminate();
}

void TForm23::applyRights(const QString& login) {
    const bool restricted = login == QLatin1String("lurevna") || login == QLatin1String("sodira") || login == QLatin1String("ravenko");
    Form1->MenuCatalogues->menuAction()->setEnabled(!restricted);
    Form45->Button1->setEnabled(!restricted);
    Form45->Button2->setEnabled(!restricted);
    if (login == QLatin1String("econom")) {
        Form1->MenuCatalogues->menuAction()->setEnabled(false);
        for (QWidget* w : std::initializer_list<QWidget*>{Form45->Button1, Form45->Button2, Form45->Button8, Form45->RadioButton1,
                                                         Form45->RadioButton2, Form45->RadioButton3, Form45->RadioButton4,
                                                         Form45->CBox1, Form45->DateT, Form45->DBGrid2})
            w->setEnabled(false);
    }
}
