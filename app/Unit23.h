// The login screen, the application's main window.
#pragma once

#include "zui_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

class TForm23 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm23(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
    void ComboBox1Change();
    void Button1Click();
    void Timer1Timer();

    // The connection string the login builds for the given credentials and command line;
    // sets the menu window's caption as a side effect, as the login does.
    QString targetConnectionString(const QString& login, const QString& password);
    // The text that names the target in the connection-failure message.
    QString targetText() const;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QComboBox* ComboBox1;
    QPushButton* Button1;
    QPushButton* Button2;
    QTimer* Timer1;

    static constexpr const char* ServiceCode = "3528";
    // The system account's password when this build was given one; the service
    // code is refused without it. Tests set it to play either kind of build.
    QString systemPassword;

private:
    void applyRights(const QString& login);
    QString server_, database_, dataSource_;
};

extern TForm23* Form23;
