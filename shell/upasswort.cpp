#include "shell/upasswort.h"

#include <QGuiApplication>
#include <QScreen>

const QString TPasswordDlg::kPasswort = QStringLiteral("tarsk");

TPasswordDlg& TPasswordDlg::instanz()
{
    static TPasswordDlg* dlg = new TPasswordDlg;
    return *dlg;
}

TPasswordDlg::TPasswordDlg()
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(QStringLiteral("Password Dialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(233, 113);
    Label1 = new QLabel(QStringLiteral("Enter password:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 9);
    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setEchoMode(QLineEdit::Password);
    Password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
    Password->setGeometry(8, 27, 217, 24);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(62, 67, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(144, 67, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    // Esc rejects as well; Enter on the focused Cancel cancels, in the field it means OK
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TPasswordDlg::pruefe()
{
    Password->clear();
    Password->setFocus();
    const QRect schirm = QGuiApplication::primaryScreen()->geometry();
    move(schirm.center() - rect().center());
    const bool angenommen = exec() == QDialog::Accepted;
    return angenommen && Password->text() == kPasswort;
}
