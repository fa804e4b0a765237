#pragma once
// The main window: crystal and prescaler choice above the period table; a
// double click on the table opens the duty-cycle window for the selected row.

#include <QPointer>
#include <QWidget>

class QComboBox;
class QTableWidget;

namespace tastomat {

class DutyCycleWindow;

// The exact title; a second copy is refused by it.
inline constexpr char kMainWindowTitle[] = " Tastomat für PIC(R)-Mikrorechner";

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void OpenDutyCycleWindow();
    void CloseDutyCycleWindow();
    // Ends the program as the close box does, even while the duty-cycle window
    // is open (used when the system asks the program to end).
    void Shutdown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FillPeriodTable();
    QString SelectedRowText(int column) const;

    QComboBox* crystalList_ = nullptr;
    QComboBox* prescalerList_ = nullptr;
    QTableWidget* periodTable_ = nullptr;
    QPointer<DutyCycleWindow> dutyCycleWindow_;
};

}  // namespace tastomat
