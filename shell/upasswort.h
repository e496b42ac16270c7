#pragma once
// The password dialog in front of deleting users.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    static TPasswordDlg& instanz();
    static const QString kPasswort;

    QLabel* Label1;
    QLineEdit* Password;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Clears the field, shows the dialog modally; true only when it was
    // accepted (OK or Enter) with the password typed, case and all.
    bool pruefe();

private:
    TPasswordDlg();
};
