#pragma once
// The duty-cycle window: the user picks the on-time in percent and reads the
// values for CCPR1L and CCP1CON<5:4>. It has no close box; only its button
// closes it, through the main window.

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;

namespace tastomat {

class DutyCycleWindow : public QDialog {
    Q_OBJECT

public:
    // The texts of columns 1 and 2 of the selected row (empty when none is).
    DutyCycleWindow(const QString& pr2Text, const QString& frequencyText, QWidget* owner);

    void FocusDutyList();

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape does not close it either.
    void reject() override {}

private:
    void ComputeDutyCycle();

    QString pr2Text_;
    QString frequencyText_;
    QComboBox* dutyList_ = nullptr;
    QLineEdit* ccpr1lField_ = nullptr;
    QLineEdit* ccp1conField_ = nullptr;
    QLineEdit* onTimeField_ = nullptr;
};

}  // namespace tastomat
