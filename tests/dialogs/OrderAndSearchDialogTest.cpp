// The two order dialogs and the search dialog on their own: the controls at
// their places, and captions that do not fit their boxes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "OrderDialog.h"
#include "OrderPositionDialog.h"
#include "SearchDialog.h"

namespace {

class OrderAndSearchDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "dialogs_order_search_test";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }

    template <typename T>
    static QRect Place(const QWidget& dialog, const char* name) {
        const T* widget = dialog.findChild<T*>(name);
        return widget ? widget->geometry() : QRect();
    }
    static QStringList Labels(const QWidget& parent) {
        QStringList labels;
        for (const QLabel* label : parent.findChildren<QLabel*>()) {
            labels.append(QString("%1 %2,%3,%4,%5")
                              .arg(label->text())
                              .arg(label->x())
                              .arg(label->y())
                              .arg(label->width())
                              .arg(label->height()));
        }
        labels.sort();
        return labels;
    }
};

TEST_F(OrderAndSearchDialogs, ControlsWhereTheyBelong) {
    OrderDialog order;
    EXPECT_EQ(order.size(), QSize(220, 125));
    EXPECT_EQ(order.minimumSize(), order.maximumSize());
    EXPECT_EQ(Place<QLineEdit>(order, "orderQuantityField"), QRect(10, 30, 50, 20));
    EXPECT_EQ(Place<QRadioButton>(order, "supplierOption1"), QRect(105, 15, 110, 15));
    EXPECT_EQ(Place<QRadioButton>(order, "supplierOption3"), QRect(105, 55, 110, 15));
    EXPECT_EQ(Place<QPushButton>(order, "orderButton"), QRect(10, 90, 80, 25));
    EXPECT_EQ(Place<QPushButton>(order, "cancelButton"), QRect(130, 90, 80, 25));
    EXPECT_EQ(Labels(order), (QStringList{"Menge: 10,15,70,15", "bei 75,35,20,15"}));

    OrderPositionDialog position;
    EXPECT_EQ(position.size(), QSize(189, 135));
    EXPECT_EQ(Place<QTabWidget>(position, "positionTabs"), QRect(0, 0, 190, 135));
    const QWidget& edit = *position.findChild<QWidget*>("editTab");
    const QWidget& close = *position.findChild<QWidget*>("closeTab");
    EXPECT_EQ(Place<QLineEdit>(edit, "editQuantityField"), QRect(13, 33, 75, 20));
    EXPECT_EQ(Place<QCheckBox>(edit, "hiddenBox"), QRect(98, 10, 80, 20));
    EXPECT_EQ(Place<QPushButton>(edit, "goToPartButton"), QRect(98, 33, 75, 25));
    EXPECT_EQ(Place<QPushButton>(edit, "saveButton"), QRect(13, 73, 75, 25));
    EXPECT_EQ(Place<QPushButton>(edit, "editCancelButton"), QRect(98, 73, 75, 25));
    EXPECT_EQ(Labels(edit), QStringList{"Menge: 13,13,80,15"});
    EXPECT_EQ(Place<QLineEdit>(close, "bookQuantityField"), QRect(13, 33, 75, 20));
    EXPECT_EQ(Place<QLineEdit>(close, "newPriceField"), QRect(98, 33, 75, 20));
    EXPECT_EQ(Place<QPushButton>(close, "bookInButton"), QRect(13, 73, 75, 25));
    EXPECT_EQ(Place<QPushButton>(close, "closeCancelButton"), QRect(98, 73, 75, 25));
    EXPECT_EQ(Labels(close), (QStringList{"Menge: 13,13,80,15", "neuer Preis: 98,13,80,15"}));
    for (const char* field : {"editQuantityField", "bookQuantityField", "newPriceField"}) {
        EXPECT_TRUE(position.findChild<QLineEdit*>(field)->alignment() & Qt::AlignRight) << field;
    }

    SearchState state;
    SearchDialog search(state);
    EXPECT_EQ(search.size(), QSize(350, 121));
    EXPECT_EQ(Place<QLineEdit>(search, "searchTextField"), QRect(10, 25, 330, 20));
    EXPECT_EQ(Place<QCheckBox>(search, "inNamesBox"), QRect(10, 70, 110, 15));
    EXPECT_EQ(Place<QCheckBox>(search, "inRemarksBox"), QRect(10, 90, 110, 15));
    EXPECT_EQ(Place<QPushButton>(search, "searchButton"), QRect(170, 80, 80, 25));
    EXPECT_EQ(Place<QPushButton>(search, "cancelButton"), QRect(260, 80, 80, 25));
    EXPECT_EQ(Labels(search), (QStringList{"Suchbegriff: 10,10,80,15", "Suche in: 10,50,80,15"}));
}

TEST_F(OrderAndSearchDialogs, SupplierNamesThatDoNotFitAreElidedWithTheFullNameAsToolTip) {
    OrderDialog order;
    const QString longName = "Elektronik-Kontor Weber KG, Versand und Abholung";
    order.SetSupplierNames({"Relais & Co", longName, "Lieferant 3"});
    auto* first = order.findChild<QRadioButton*>("supplierOption1");
    auto* second = order.findChild<QRadioButton*>("supplierOption2");
    auto* third = order.findChild<QRadioButton*>("supplierOption3");
    EXPECT_EQ(first->text(), "Relais && Co");  // the "&" shows, no mnemonic
    EXPECT_EQ(first->toolTip(), "");
    EXPECT_TRUE(second->text().endsWith(QChar(0x2026))) << second->text().toStdString();
    EXPECT_TRUE(longName.startsWith(second->text().chopped(1)));
    EXPECT_EQ(second->toolTip(), longName);
    EXPECT_EQ(third->text(), "Lieferant 3");
    EXPECT_EQ(second->geometry(), QRect(105, 35, 110, 15));

    // Set again with a short name: no tool tip left over.
    order.SetSupplierNames({"A", "B", "C"});
    EXPECT_EQ(second->text(), "B");
    EXPECT_EQ(second->toolTip(), "");
}

}  // namespace
